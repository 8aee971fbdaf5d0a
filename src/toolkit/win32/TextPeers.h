#pragma once
// Native labels, edit boxes and memos.
#include "toolkit/win32/NativePeer.h"
#include "toolkit/TextControls.h"

namespace tarnwick {

// A static text that never wraps: what does not fit its fixed width is cut off.
class LabelPeer final : public NativePeer {
 public:
  explicit LabelPeer(Label& model) : NativePeer(model), label_(model) {}
  static constexpr PeerWindow kWindow{"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX};

 protected:
  const std::string* ModelText() const override { return &label_.Caption(); }

 private:
  Label& label_;
};

// An edit box of either kind; the user's edits are reported to the model.
class TextBoxPeer final : public NativePeer {
 public:
  explicit TextBoxPeer(TextBox& model) : NativePeer(model), box_(model) {}
  static constexpr PeerWindow kEditWindow{"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
  // Wraps at its width, keeps Enter as a line break, scrolls vertically.
  static constexpr PeerWindow kMemoWindow{
      "EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE};

  void Command(WORD code) override;

 protected:
  const std::string* ModelText() const override { return &box_.Text(); }
  void Created() override;

 private:
  TextBox& box_;
};

}  // namespace tarnwick
