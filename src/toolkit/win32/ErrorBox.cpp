#include "toolkit/win32/ErrorBox.h"

#include "toolkit/AppTitle.h"

namespace tarnwick {

std::string ApplicationTitle() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string title(ApplicationTitleStem(std::string_view(path, length)));
  if (title.size() > 1) CharLowerBuffA(title.data() + 1, static_cast<DWORD>(title.size() - 1));
  return title;
}

void ShowErrorBox(HWND owner, std::string_view message) {
  const std::string text = std::string(message) + ".";
  MessageBoxA(owner, text.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONSTOP);
}

}  // namespace tarnwick
