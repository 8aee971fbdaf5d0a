// The form's layout: every control's place, caption, accessible name, anchors and tab order, the
// popup menu's commands, and the bindings of the controls' events, read once when the form is made.
#include <string>
#include <string_view>

#include "window/Form1.h"

namespace tarnwick {
namespace {

// One row of the layout: a control and everything the window shows of it before any event. The
// peer is made by the control's kind; radio buttons form the view group in the order given.
struct Placement {
  Control& control;
  Bounds bounds;
  Anchors anchors = kDefaultAnchors;
  // -1: never takes the focus.
  int tabOrder = -1;
  std::string_view caption = {};
  // For the controls whose purpose no caption tells, as a screen reader names them.
  std::string_view accessibleName = {};
  bool checked = false;
};

// One command of the grid's popup menu, in the order the menu shows them.
struct MenuCommand {
  MenuItem& item;
  std::string_view caption;
  void (TForm1::*handler)();
};

}  // namespace

void TForm1::ReadLayout() {
  // Every control of the window: the host makes a native control for each, in this order.
  const Placement placements[] = {
      {.control = rdo_Content,
       .bounds = {312, 8, 65, 17},
       .tabOrder = 0,
       .caption = "Content",
       .checked = true},
      {.control = rdo_Cookie, .bounds = {384, 8, 65, 17}, .tabOrder = 1, .caption = "Cookies"},
      {.control = rdo_History, .bounds = {448, 8, 57, 17}, .tabOrder = 2, .caption = "History"},
      {.control = bnt_Clear,
       .bounds = {552, 8, 57, 17},
       .anchors = akTop | akRight,
       .tabOrder = 3,
       .caption = "Clear"},
      {.control = grd,
       .bounds = {8, 32, 601, 225},
       .anchors = kAllAnchors,
       .tabOrder = 4,
       .accessibleName = "Entries"},
      {.control = Memo1,
       .bounds = {8, 280, 601, 137},
       .anchors = akLeft | akRight | akBottom,
       .tabOrder = 5,
       .accessibleName = "Entry details"},
      {.control = btn_Refresh, .bounds = {8, 8, 57, 17}, .tabOrder = 6, .caption = "Refresh"},
      {.control = edt_Search,
       .bounds = {72, 6, 145, 21},
       .tabOrder = 7,
       .accessibleName = "Search text"},
      {.control = btn_Search, .bounds = {224, 8, 57, 17}, .tabOrder = 8, .caption = "Search"},
      // Where FormResize keeps it: kStatusGap under the grid.
      {.control = lbl_Status, .bounds = {8, 261, 601, 17}, .anchors = kNoAnchors},
  };
  for (const Placement& placement : placements) {
    Control& control = placement.control;
    controls_.push_back(&control);
    designBounds_.push_back(placement.bounds);
    control.SetBounds(placement.bounds);
    control.SetAnchors(placement.anchors);
    control.SetParentSize(kDesignClient);
    control.SetTabOrder(placement.tabOrder);
    control.SetTabStop(placement.tabOrder >= 0);
    control.SetCaption(std::string(placement.caption));
    control.SetAccessibleName(std::string(placement.accessibleName));
    if (control.Kind() == ControlKind::kRadioButton) {
      auto& radio = static_cast<RadioButton&>(control);
      views_.Add(radio);
      radio.SetChecked(placement.checked);
    }
  }

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

  grd.SetDesignWidths({kColumnWidths.begin(), kColumnWidths.end()});
  grd.SetDesignRowHeight(kRowHeight);
  grd.SetDesignSpacing(kGridSpacing);
  grd.SetPopupMenu(&pop);
}

void TForm1::BindEvents() {
  rdo_Content.OnClick = [this] { rdo_ContentClick(); };
  rdo_Cookie.OnClick = [this] { rdo_CookieClick(); };
  rdo_History.OnClick = [this] { rdo_HistoryClick(); };
  btn_Refresh.OnClick = [this] { btn_RefreshClick(); };
  grd.OnClick = [this] { grdClick(); };
  edt_Search.OnKeyPress = [this](char& key) { edt_SearchKeyPress(key); };
  btn_Search.OnClick = [this] { btn_SearchClick(); };
  bnt_Clear.OnClick = [this] { bnt_ClearClick(); };
}

}  // namespace tarnwick
