#include "actions/Opening.h"

#include <string>

namespace tarnwick {
namespace {

constexpr int kShowNormal = 1;

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

ShellExecuteRequest MakeOpenRequest(const char* target, void* ownerWindow) {
  ShellExecuteRequest request;
  request.cbSize = kShellExecuteInfoSize;
  request.fMask = kMaskInvokeIdList | kMaskNoCloseProcess | kMaskFlagNoUi;
  request.hwnd = ownerWindow;
  request.lpVerb = "open";
  request.lpFile = target;
  // Shown normally: a document opened hidden starts invisible and the user sees nothing happen.
  request.nShow = kShowNormal;
  return request;
}

void ShellOpen(Shell& shell, std::string_view target, void* ownerWindow) {
  // The shell takes a NUL-terminated text, so it sees `target` up to its first NUL.
  const std::string file(target);
  shell.Execute(MakeOpenRequest(file.c_str(), ownerWindow));
}

bool IsBrowserUrl(std::string_view text) {
  return StartsWithIgnoringCase(text, "http:") || StartsWithIgnoringCase(text, "https:") ||
         StartsWithIgnoringCase(text, "ftp:");
}

}  // namespace tarnwick
