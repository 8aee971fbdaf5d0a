#pragma once
// Handing an entry's URL or local file to the shell, which opens it with the default handler.
#include <string_view>

#include "platform/Shell.h"

namespace tarnwick {

// The shell request for opening `target`: verb "open", invoke the item's context menu, keep the
// returned process so its handle can be closed, no error dialogs, shown normally.
ShellExecuteRequest MakeOpenRequest(const char* target, void* ownerWindow);

// One shell call for `target` (up to its first NUL); failures stay silent.
void ShellOpen(Shell& shell, std::string_view target, void* ownerWindow);

// Whether `text` is an http:, https: or ftp: URL, the only texts "Open in browser" hands to the
// shell: any other cache key could name a program that the shell would run.
bool IsBrowserUrl(std::string_view text);

}  // namespace tarnwick
