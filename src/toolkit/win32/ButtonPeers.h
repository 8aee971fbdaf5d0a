#pragma once
// Native push buttons and radio buttons.
#include "toolkit/Buttons.h"
#include "toolkit/win32/NativePeer.h"

namespace tarnwick {

class ButtonPeer final : public NativePeer {
 public:
  // No button is the default one: Enter presses nothing.
  explicit ButtonPeer(Button& model)
      : NativePeer(model, {"BUTTON", BS_PUSHBUTTON}), button_(model) {}

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
  explicit RadioButtonPeer(RadioButton& model)
      : NativePeer(model, {"BUTTON", BS_RADIOBUTTON | (model.StartsGroup() ? WS_GROUP : 0u)}),
        radio_(model) {}

  void Command(WORD code) override;

 protected:
  const std::string* ModelText() const override { return &radio_.Caption(); }
  void Created() override { ShowChecked(); }
  void ShowChecked() override;

 private:
  RadioButton& radio_;
};

}  // namespace tarnwick
