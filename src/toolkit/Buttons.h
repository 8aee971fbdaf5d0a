#pragma once
// Push buttons and radio buttons.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace tarnwick {

class Button : public Control {
 public:
  Button() : Control(ControlKind::kButton) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) override;

  bool ArrowKeysMoveFocus() const override { return true; }

  // The user pressed the button.
  void Click();
  std::function<void()> OnClick;
  std::function<void()>* ClickEvent() override { return &OnClick; }

 private:
  std::string caption_;
};

class RadioGroup;

// Of the radio buttons in one group at most one is checked, and only the checked one is a tab
// stop, so Tab lands on the group's choice.
class RadioButton : public Control {
 public:
  RadioButton() : Control(ControlKind::kRadioButton) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) override;

  bool Checked() const { return checked_; }
  // Sets the state without a click: what the layout does before the window runs.
  void SetChecked(bool checked);

  bool ArrowKeysMoveFocus() const override { return true; }
  void FocusedByArrowKey() override { Click(); }
  // The first button added to its group, where the group begins for the system's navigation.
  bool StartsGroup() const;

  // The user chose this button. An unchecked one becomes checked and reports the click; choosing
  // the checked one again reports nothing.
  void Click();
  std::function<void()> OnClick;
  std::function<void()>* ClickEvent() override { return &OnClick; }

 private:
  friend class RadioGroup;

  std::string caption_;
  bool checked_ = false;
  RadioGroup* group_ = nullptr;
};

class RadioGroup {
 public:
  void Add(RadioButton& button);

 private:
  friend class RadioButton;
  void Uncheck(const RadioButton& except);

  std::vector<RadioButton*> buttons_;
};

}  // namespace tarnwick
