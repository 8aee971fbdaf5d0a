#include "toolkit/win32/ButtonPeers.h"

namespace tarnwick {

void ButtonPeer::Command(WORD code) {
  if (code == BN_CLICKED) button_.Click();
}

void RadioButtonPeer::Command(WORD code) {
  if (code == BN_CLICKED) radio_.Click();
}

void RadioButtonPeer::ShowChecked() {
  SendMessageA(Handle(), BM_SETCHECK, radio_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace tarnwick
