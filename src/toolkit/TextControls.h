#pragma once
// Controls that show text: the label, the one-line edit box and the multi-line memo.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace tarnwick {

// A fixed-size line of text; what does not fit is cut off.
class Label : public Control {
 public:
  Label() : Control(ControlKind::kLabel) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) override;
  // Shows `caption` and has a screen reader read it out when it is next idle: for the outcome of
  // work, never for a count that changes while the work runs.
  void AnnounceCaption(std::string caption);

 private:
  std::string caption_;
};

// Text the user can edit. The view reports the user's edits through TextEdited.
class TextBox : public Control {
 public:
  explicit TextBox(ControlKind kind) : Control(kind) {}
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // The user changed the text in the view; nothing is sent back to it.
  void TextEdited(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
};

class Edit : public TextBox {
 public:
  Edit() : TextBox(ControlKind::kEdit) {}
  // A character the user typed, before the box takes it. The handler may change it; 0 swallows it.
  std::function<void(char& key)> OnKeyPress;
  // Runs OnKeyPress and returns the character the box should take (0: none).
  char KeyPress(char key);
};

class Memo : public TextBox {
 public:
  Memo() : TextBox(ControlKind::kMemo) {}
  // Replaces the text by `lines`, each ended by a line break.
  void SetLines(const std::vector<std::string>& lines);
};

}  // namespace tarnwick
