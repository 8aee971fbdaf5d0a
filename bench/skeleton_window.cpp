// The platform work that Tarnwick's window needs and nothing of Tarnwick's own: the same manifest
// and resources, the same ten native controls with the same classes, styles, sizes and font, the
// grid as a bare window with the same frame and scroll bars, and one first-entry call of the URL
// cache. The start-up benchmark measures the program against it, so the ratio shows our own cost.
#include <windows.h>
// The Windows headers below build on <windows.h>.
#include <commctrl.h>
#include <wininet.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool Register(HINSTANCE instance, const char* name, HBRUSH background) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) != 0;
}

struct Child {
  const char* className;
  const char* text;
  DWORD style;
  DWORD exStyle;
  RECT bounds;  // left, top, width, height
};

// The main window's controls at 96 dots per inch, in tab order, as the program creates them.
constexpr Child kChildren[] = {
    {"BUTTON", "Content", BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, {312, 8, 65, 17}},
    {"BUTTON", "Cookies", BS_RADIOBUTTON, 0, {384, 8, 65, 17}},
    {"BUTTON", "History", BS_RADIOBUTTON, 0, {448, 8, 57, 17}},
    {"BUTTON", "Clear", BS_PUSHBUTTON | WS_TABSTOP, 0, {552, 8, 57, 17}},
    {"SkeletonGrid", "", WS_TABSTOP | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, {8, 32, 601, 232}},
    {"EDIT",
     "",
     ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE,
     {8, 287, 601, 137}},
    {"BUTTON", "Refresh", BS_PUSHBUTTON | WS_TABSTOP, 0, {8, 8, 57, 17}},
    {"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, {72, 6, 145, 21}},
    {"BUTTON", "Search", BS_PUSHBUTTON | WS_TABSTOP, 0, {224, 8, 57, 17}},
    {"STATIC",
     "0 entries in 0 bytes (0.00 MB)",
     SS_LEFTNOWORDWRAP | SS_NOPREFIX,
     0,
     {8, 268, 601, 17}},
};

// As the grid shows an empty listing: eleven columns wider than the grid, one row.
void ShowGridScrollBars(HWND grid) {
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 10, 4, 0, 0};
  SetScrollInfo(grid, SB_HORZ, &info, TRUE);
  info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 1, 0, 0};
  SetScrollInfo(grid, SB_VERT, &info, TRUE);
}

void ListFirstEntry() {
  alignas(8) char buffer[4096];
  DWORD size = sizeof buffer;
  HANDLE find = FindFirstUrlCacheEntryA(
      nullptr, reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer), &size);
  if (find) FindCloseUrlCache(find);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  if (!Register(instance, "SkeletonForm", GetSysColorBrush(COLOR_BTNFACE)) ||
      !Register(instance, "SkeletonGrid", GetSysColorBrush(COLOR_WINDOW)))
    return 1;
  HWND window =
      CreateWindowExA(0, "SkeletonForm", "Skeleton", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 222,
                      119, 625, 455, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
  HWND first = nullptr;
  int id = 100;
  for (const Child& child : kChildren) {
    HWND control = CreateWindowExA(
        child.exStyle, child.className, child.text, child.style | WS_CHILD | WS_VISIBLE,
        child.bounds.left, child.bounds.top, child.bounds.right, child.bounds.bottom, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!first) first = control;
    if (child.style & WS_HSCROLL) ShowGridScrollBars(control);
  }
  SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
  ListFirstEntry();
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  SetFocus(first);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  DeleteObject(font);
  return 0;
}
