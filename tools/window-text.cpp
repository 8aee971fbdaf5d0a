// window-text.exe CAPTION CLASS: prints the text of every child window of class CLASS inside the
// top-level window captioned CAPTION, one per line. The run command reads the status line with it.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Search {
  const char* className;
  int found;
};

BOOL CALLBACK PrintIfOfClass(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, search->className) != 0) return TRUE;
  // WM_GETTEXT reads another process's control; GetWindowText would not.
  char text[4096] = {};
  SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  std::printf("%s\n", text);
  ++search->found;
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: window-text CAPTION CLASS\n");
    return 2;
  }
  HWND window = FindWindowA(nullptr, argv[1]);
  if (!window) {
    std::fprintf(stderr, "window-text: no window captioned \"%s\"\n", argv[1]);
    return 1;
  }
  Search search{argv[2], 0};
  EnumChildWindows(window, PrintIfOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found ? 0 : 1;
}
