#include "window/win32/PeerFactory.h"

#include "toolkit/Buttons.h"
#include "toolkit/GridBox.h"
#include "toolkit/TextControls.h"
#include "toolkit/win32/ButtonPeers.h"
#include "toolkit/win32/TextPeers.h"
#include "toolkit/win32/grid/GridPeer.h"

namespace tarnwick {

std::unique_ptr<NativePeer> MakePeer(Control& model) {
  // The kind is fixed by the model's class, so each cast names the model's own type.
  switch (model.Kind()) {
    case ControlKind::kButton:
      return std::make_unique<ButtonPeer>(static_cast<Button&>(model));
    case ControlKind::kRadioButton:
      return std::make_unique<RadioButtonPeer>(static_cast<RadioButton&>(model));
    case ControlKind::kLabel:
      return std::make_unique<LabelPeer>(static_cast<Label&>(model));
    case ControlKind::kEdit:
      return std::make_unique<TextBoxPeer>(static_cast<Edit&>(model));
    case ControlKind::kMemo:
      return std::make_unique<TextBoxPeer>(static_cast<Memo&>(model));
    case ControlKind::kGrid:
      return std::make_unique<GridPeer>(static_cast<GridBox&>(model));
    case ControlKind::kOther:
      break;
  }
  return std::make_unique<NativePeer>(model);
}

}  // namespace tarnwick
