#pragma once
// Native push buttons and radio buttons.
#include "toolkit/win32/NativePeer.h"
#include "toolkit/Buttons.h"

namespace tarnwick {

class ButtonPeer final : public NativePeer {
 public:
  explicit ButtonPeer(Button& model) : NativePeer(model), button_(model) {}
  // No button is the default one: Enter presses nothing.
  static constexpr PeerWindow kWindow{"BUTTON", BS_PUSHBUTTON};

  void Command(WORD code) override;

 protected:
  const std::string* ModelText() const override { return &button_.Caption(); }

 private:
  Button& button_;
};

// The model keeps the check marks, so the window is a plain radio button that does not check
// itself; every click it reports goes to the model, which ignores a click on the checked one.
class RadioButtonPeer final : public NativePeer {
 public:
  explicit RadioButtonPeer(RadioButton& model) : NativePeer(model), radio_(model) {}
  static constexpr PeerWindow kWindow{"BUTTON", BS_RADIOBUTTON};

  void Command(WORD code) override;

 protected:
  const std::string* ModelText() const override { return &radio_.Caption(); }
  void Created() override { ShowChecked(); }
  void ShowChecked() override;

 private:
  RadioButton& radio_;
};

}  // namespace tarnwick
