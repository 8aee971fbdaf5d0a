#include "toolkit/TextControls.h"

#include <utility>

namespace tarnwick {

void Label::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(ControlAspect::kText);
}

void Label::AnnounceCaption(std::string caption) {
  SetCaption(std::move(caption));
  Changed(ControlAspect::kAnnouncement);
}

void TextBox::SetText(std::string text) {
  text_ = std::move(text);
  Changed(ControlAspect::kText);
}

char Edit::KeyPress(char key) {
  if (OnKeyPress) OnKeyPress(key);
  return key;
}

void Memo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  SetText(std::move(text));
}

}  // namespace tarnwick
