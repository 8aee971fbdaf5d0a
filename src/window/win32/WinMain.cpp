// Start-up: the platform's services, the main window with its first listing, the message loop.
#include <windows.h>
// The Windows headers below build on <windows.h>.
#include <commctrl.h>
#include <objbase.h>

#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/WinInetCache.h"
#include "toolkit/win32/MessageLoop.h"
#include "window/win32/FormHost.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // Assistive technology in other processes reaches the grid's objects through COM, and names the
  // edit boxes through COM's annotation service.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  tarnwick::WinInetCache cache;
  tarnwick::Win32Locale locale;
  tarnwick::Win32AnsiText text;
  tarnwick::Win32Shell shell;
  tarnwick::Platform platform{cache, locale, text, shell};

  tarnwick::TForm1 form(platform);
  tarnwick::FormHost host(form);
  if (!host.Create(showCommand)) return 1;
  host.Show(showCommand);
  return tarnwick::RunMessageLoop([&host](MSG& message) { return host.PreTranslate(message); });
}
