#include "toolkit/win32/WindowClass.h"

namespace tarnwick {

bool RegisterWindowClassOnce(const char* className, WNDPROC windowProc, HICON icon, HCURSOR cursor,
                             HBRUSH background) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, className, &windowClass)) return true;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  return RegisterClassExA(&windowClass) != 0;
}

}  // namespace tarnwick
