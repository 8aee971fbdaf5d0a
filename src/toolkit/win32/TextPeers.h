#pragma once
// Native labels, edit boxes and memos.
#include "toolkit/TextControls.h"
#include "toolkit/win32/NativePeer.h"

namespace tarnwick {

// A static text that never wraps: what does not fit its fixed width is cut off.
class LabelPeer final : public NativePeer {
 public:
  explicit LabelPeer(Label& model)
      : NativePeer(model, {"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX}), label_(model) {}

 protected:
  const std::string* ModelText() const override { return &label_.Caption(); }

 private:
  Label& label_;
};

// An edit box of either kind; the user's edits are reported to the model.
class TextBoxPeer final : public NativePeer {
 public:
  explicit TextBoxPeer(Edit& model)
      : NativePeer(model, {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE}), box_(model) {}
  // Wraps at its width, keeps Enter as a line break, scrolls vertically.
  explicit TextBoxPeer(Memo& model)
      : NativePeer(model, {"EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL,
                           WS_EX_CLIENTEDGE}),
        box_(model) {}

  void Command(WORD code) override;

 protected:
  const std::string* ModelText() const override { return &box_.Text(); }
  void Created() override;

 private:
  TextBox& box_;
};

}  // namespace tarnwick
