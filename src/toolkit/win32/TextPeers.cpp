#include "toolkit/win32/TextPeers.h"

#include <string>

namespace tarnwick {

HWND TextBoxPeer::Create(HWND parent, int controlId, const PeerWindow& window, HFONT font) {
  HWND handle = NativePeer::Create(parent, controlId, window, font);
  // The default limit of about 32,000 characters would cut off long header texts silently.
  if (handle) SendMessageA(handle, EM_SETLIMITTEXT, 0, 0);
  return handle;
}

void TextBoxPeer::Command(WORD code) {
  if (code != EN_CHANGE) return;
  std::string text(static_cast<size_t>(GetWindowTextLengthA(Handle())) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()))));
  box_.TextEdited(std::move(text));
}

}  // namespace tarnwick
