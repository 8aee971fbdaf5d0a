// The form's layout: every control's place, caption, accessible name and anchors in tab order,
// the view each radio button chooses, the handler of each control's click, and the popup menu's
// commands, read once when the form is made.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "window/Form1.h"

namespace tarnwick {
namespace {

// One command of the grid's popup menu, in the order the menu shows them.
struct MenuCommand {
  MenuItem& item;
  std::string_view caption;
  void (TForm1::*handler)();
};

}  // namespace

// One row of the layout: a control and everything the window shows of it before any event, and
// the handler of its click. The peer is made by the control's kind. The rows' order is the tab
// order.
struct TForm1::Placement {
  Control& control;
  Bounds bounds;
  Anchors anchors = kDefaultAnchors;
  std::string_view caption = {};
  // For the controls whose purpose no caption tells, as a screen reader names them.
  std::string_view accessibleName = {};
  // A view's radio button: it shows the view's caption, the radio buttons of all views form one
  // group, and the one of the view the form starts with is checked.
  std::optional<TViewMode> view = std::nullopt;
  void (TForm1::*onClick)() = nullptr;
};

void TForm1::ReadLayout() {
  // Every control of the window: the host makes a native control for each, in this order.
  const Placement placements[] = {
      {.control = rdo_Content,
       .bounds = {312, 8, 65, 17},
       .view = vmContent,
       .onClick = &TForm1::rdo_ContentClick},
      {.control = rdo_Cookie,
       .bounds = {384, 8, 65, 17},
       .view = vmCookies,
       .onClick = &TForm1::rdo_CookieClick},
      {.control = rdo_History,
       .bounds = {448, 8, 57, 17},
       .view = vmHistory,
       .onClick = &TForm1::rdo_HistoryClick},
      {.control = bnt_Clear,
       .bounds = {552, 8, 57, 17},
       .anchors = akTop | akRight,
       .caption = "Clear",
       .onClick = &TForm1::bnt_ClearClick},
      {.control = grd,
       .bounds = {8, 32, 601, 225},
       .anchors = kAllAnchors,
       .accessibleName = "Entries",
       .onClick = &TForm1::grdClick},
      {.control = Memo1,
       .bounds = {8, 280, 601, 137},
       .anchors = akLeft | akRight | akBottom,
       .accessibleName = "Entry details"},
      {.control = btn_Refresh,
       .bounds = {8, 8, 57, 17},
       .caption = "Refresh",
       .onClick = &TForm1::btn_RefreshClick},
      {.control = edt_Search, .bounds = {72, 6, 145, 21}, .accessibleName = "Search text"},
      {.control = btn_Search,
       .bounds = {224, 8, 57, 17},
       .caption = "Search",
       .onClick = &TForm1::btn_SearchClick},
      // Where FormResize keeps it: kStatusGap under the grid.
      {.control = lbl_Status, .bounds = {8, 261, 601, 17}, .anchors = kNoAnchors},
  };
  for (const Placement& placement : placements) Place(placement);
  edt_Search.OnKeyPress = [this](char& key) { edt_SearchKeyPress(key); };

  const MenuCommand menuCommands[] = {
      {Deletethisentry1, "Delete this entry", &TForm1::Deletethisentry1Click},
      {OpeninBrowser1, "Open in browser", &TForm1::OpeninBrowser1Click},
      {Openlocalfile1, "Open local file", &TForm1::Openlocalfile1Click},
  };
  for (const MenuCommand& command : menuCommands) {
    command.item.caption = command.caption;
    command.item.OnClick = [this, handler = command.handler] { (this->*handler)(); };
    pop.Add(command.item);
  }

  grd.SetDesignWidths(ColumnDesignWidths());
  grd.SetDesignRowHeight(kRowHeight);
  grd.SetDesignSpacing(kGridSpacing);
  grd.SetPopupMenu(&pop);
}

void TForm1::Place(const Placement& placement) {
  Control& control = placement.control;
  controls_.push_back(&control);
  designBounds_.push_back(placement.bounds);
  control.SetBounds(placement.bounds);
  control.SetAnchors(placement.anchors);
  control.SetParentSize(kDesignClient);
  control.SetTabStop(control.TakesFocus());
  control.SetCaption(std::string(placement.caption));
  control.SetAccessibleName(std::string(placement.accessibleName));
  if (placement.onClick) {
    std::function<void()>* click = control.ClickEvent();
    if (!click) throw std::logic_error("a click handler for a control that is never clicked");
    *click = [this, handler = placement.onClick] { (this->*handler)(); };
  }
  if (!placement.view) return;
  if (control.Kind() != ControlKind::kRadioButton)
    throw std::logic_error("a view's choice must be a radio button");
  auto& radio = static_cast<RadioButton&>(control);
  radio.SetCaption(std::string(TraitsOf(*placement.view).caption));
  views_.Add(radio);
  radio.SetChecked(*placement.view == FViewMode);
}

}  // namespace tarnwick
