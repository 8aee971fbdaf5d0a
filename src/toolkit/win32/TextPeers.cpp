#include "toolkit/win32/TextPeers.h"

#include <string>

namespace tarnwick {

void TextBoxPeer::Created() {
  // The default limit of about 32,000 characters would cut off long header texts silently.
  SendMessageA(Handle(), EM_SETLIMITTEXT, 0, 0);
}

void TextBoxPeer::Command(WORD code) {
  if (code != EN_CHANGE) return;
  std::string text(static_cast<size_t>(GetWindowTextLengthA(Handle())) + 1, '\0');
  const int length = GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(length));
  box_.TextEdited(std::move(text));
}

}  // namespace tarnwick
