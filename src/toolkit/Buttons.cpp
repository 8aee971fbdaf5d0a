#include "toolkit/Buttons.h"

#include <utility>

namespace tarnwick {

void Button::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(ControlAspect::kText);
}

void Button::Click() {
  if (OnClick) OnClick();
}

void RadioButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(ControlAspect::kText);
}

void RadioButton::SetChecked(bool checked) {
  if (checked && group_) group_->Uncheck(*this);
  SetTabStop(checked);
  if (checked == checked_) return;
  checked_ = checked;
  Changed(ControlAspect::kChecked);
}

void RadioButton::Click() {
  if (checked_) return;
  SetChecked(true);
  if (OnClick) OnClick();
}

bool RadioButton::StartsGroup() const { return group_ && group_->buttons_.front() == this; }

void RadioGroup::Add(RadioButton& button) {
  button.group_ = this;
  buttons_.push_back(&button);
}

void RadioGroup::Uncheck(const RadioButton& except) {
  for (RadioButton* button : buttons_) {
    if (button != &except) button->SetChecked(false);
  }
}

}  // namespace tarnwick
