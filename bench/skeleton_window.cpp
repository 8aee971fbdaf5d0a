// The platform work that Tarnwick's window needs and nothing of Tarnwick's own: the same manifest
// and resources, the same native controls with the same classes, styles, sizes and font, laid out
// by the program's own layout table and anchors (in microseconds), the grid as a bare window with
// the same frame and scroll bars, and one first-entry call of the URL cache. The start-up
// benchmark measures the program against it, so the ratio shows our own cost.
#include <windows.h>
// The Windows headers below build on <windows.h>.
#include <commctrl.h>
#include <wininet.h>

#include <string>

#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"
#include "window/Form1.h"

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

// As the grid shows an empty listing: columns wider than the grid, one row.
void ShowGridScrollBars(HWND grid) {
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 10, 4, 0, 0};
  SetScrollInfo(grid, SB_HORZ, &info, TRUE);
  info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 1, 0, 0};
  SetScrollInfo(grid, SB_VERT, &info, TRUE);
}

// A shell that opens nothing: laying the window out runs no handler that would use it.
class NoShell : public tarnwick::Shell {
 public:
  void Execute(const tarnwick::ShellExecuteRequest&) override {}
  void Beep(uint32_t) override {}
};

// The class and style of the native control the program makes for a control of this kind.
struct Native {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

Native NativeOf(const tarnwick::Control& control) {
  using tarnwick::ControlKind;
  switch (control.Kind()) {
    case ControlKind::kRadioButton: {
      const bool first = static_cast<const tarnwick::RadioButton&>(control).StartsGroup();
      return {"BUTTON", BS_RADIOBUTTON | (first ? WS_GROUP : 0u), 0};
    }
    case ControlKind::kGrid:
      return {"SkeletonGrid", WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kMemo:
      return {"EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kEdit:
      return {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kLabel:
      return {"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    default:
      return {"BUTTON", BS_PUSHBUTTON, 0};
  }
}

std::string TextOf(const tarnwick::Control& control) {
  using tarnwick::ControlKind;
  switch (control.Kind()) {
    case ControlKind::kButton:
      return static_cast<const tarnwick::Button&>(control).Caption();
    case ControlKind::kRadioButton:
      return static_cast<const tarnwick::RadioButton&>(control).Caption();
    case ControlKind::kLabel:
      return static_cast<const tarnwick::Label&>(control).Caption();
    default:
      return "";
  }
}

// The main window's controls, from the program's own layout as it fits the frame's client area
// and lists an empty cache, in tab order; the view's radio button checked and focused.
void CreateChildren(HWND window, HFONT font, HINSTANCE instance) {
  tarnwick::MemoryUrlCache cache;
  tarnwick::FixedLocale locale;
  tarnwick::Cp1252Text text;
  NoShell shell;
  tarnwick::Platform platform{cache, locale, text, shell};
  tarnwick::TForm1 form(platform);
  form.FormCreate();
  RECT client{};
  GetClientRect(window, &client);
  form.ClientResized({client.right, client.bottom});
  HWND chosen = nullptr;
  int id = 100;
  for (const tarnwick::Control* control : form.Controls()) {
    const Native native = NativeOf(*control);
    const tarnwick::Bounds bounds = control->GetBounds();
    const DWORD style =
        native.style | WS_CHILD | WS_VISIBLE | (control->TabStop() ? WS_TABSTOP : 0u);
    HWND child =
        CreateWindowExA(native.exStyle, native.className, TextOf(*control).c_str(), style,
                        bounds.left, bounds.top, bounds.width, bounds.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (control == &form.rdo_Content) chosen = child;
    if (native.style & WS_HSCROLL) ShowGridScrollBars(child);
  }
  SendMessageA(chosen, BM_SETCHECK, BST_CHECKED, 0);
  SetFocus(chosen);
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
  const tarnwick::Bounds outer = tarnwick::TForm1::kBounds;
  HWND window = CreateWindowExA(0, "SkeletonForm", "Skeleton",
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, outer.left, outer.top,
                                outer.width, outer.height, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  HFONT font =
      CreateFontA(-tarnwick::TForm1::kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_DONTCARE, tarnwick::TForm1::kFontName);
  CreateChildren(window, font, instance);
  ListFirstEntry();
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  DeleteObject(font);
  return 0;
}
