#include "toolkit/win32/PeerFactory.h"

#include "toolkit/win32/ButtonPeers.h"
#include "toolkit/win32/TextPeers.h"
#include "toolkit/win32/grid/GridPeer.h"

namespace tarnwick {

std::unique_ptr<NativePeer> MakePeer(Control& model) {
  if (auto* radio = dynamic_cast<RadioButton*>(&model))
    return std::make_unique<RadioButtonPeer>(*radio);
  if (auto* button = dynamic_cast<Button*>(&model)) return std::make_unique<ButtonPeer>(*button);
  if (auto* label = dynamic_cast<Label*>(&model)) return std::make_unique<LabelPeer>(*label);
  if (auto* edit = dynamic_cast<Edit*>(&model)) return std::make_unique<TextBoxPeer>(*edit);
  if (auto* memo = dynamic_cast<Memo*>(&model)) return std::make_unique<TextBoxPeer>(*memo);
  if (auto* grid = dynamic_cast<GridBox*>(&model)) return std::make_unique<GridPeer>(*grid);
  return std::make_unique<NativePeer>(model);
}

}  // namespace tarnwick
