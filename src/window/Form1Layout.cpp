// The form's layout: every control's place, caption, anchors and tab order, and the bindings of
// its events, read once when the form is made.
#include "window/Form1.h"

namespace tarnwick {
namespace {

struct Placement {
  Control& control;
  Bounds bounds;
  Anchors anchors = kDefaultAnchors;
  // -1: never takes the focus.
  int tabOrder = -1;
};

}  // namespace

void TForm1::ReadLayout() {
  // Every control of the window: the host makes a native control for each, in this order.
  const Placement placements[] = {
      {.control = rdo_Content, .bounds = {312, 8, 65, 17}, .tabOrder = 0},
      {.control = rdo_Cookie, .bounds = {384, 8, 65, 17}, .tabOrder = 1},
      {.control = rdo_History, .bounds = {448, 8, 57, 17}, .tabOrder = 2},
      {.control = bnt_Clear, .bounds = {552, 8, 57, 17}, .anchors = akTop | akRight, .tabOrder = 3},
      {.control = grd, .bounds = {8, 32, 601, 225}, .anchors = kAllAnchors, .tabOrder = 4},
      {.control = Memo1,
       .bounds = {8, 280, 601, 137},
       .anchors = akLeft | akRight | akBottom,
       .tabOrder = 5},
      {.control = btn_Refresh, .bounds = {8, 8, 57, 17}, .tabOrder = 6},
      {.control = edt_Search, .bounds = {72, 6, 145, 21}, .tabOrder = 7},
      {.control = btn_Search, .bounds = {224, 8, 57, 17}, .tabOrder = 8},
      // Where FormResize keeps it: kStatusGap under the grid.
      {.control = lbl_Status, .bounds = {8, 261, 601, 17}, .anchors = kNoAnchors},
  };
  for (const Placement& placement : placements) {
    controls_.push_back(&placement.control);
    placement.control.SetBounds(placement.bounds);
    placement.control.SetAnchors(placement.anchors);
    placement.control.SetParentSize(kDesignClient);
    placement.control.SetTabOrder(placement.tabOrder);
    placement.control.SetTabStop(placement.tabOrder >= 0);
  }

  rdo_Content.SetCaption("Content");
  rdo_Cookie.SetCaption("Cookies");
  rdo_History.SetCaption("History");
  views_.Add(rdo_Content);
  views_.Add(rdo_Cookie);
  views_.Add(rdo_History);
  rdo_Content.SetChecked(true);
  rdo_Cookie.SetChecked(false);
  rdo_History.SetChecked(false);

  bnt_Clear.SetCaption("Clear");
  btn_Refresh.SetCaption("Refresh");
  btn_Search.SetCaption("Search");

  // The controls whose purpose no caption tells, as a screen reader names them.
  edt_Search.SetAccessibleName("Search text");
  grd.SetAccessibleName("Entries");
  Memo1.SetAccessibleName("Entry details");

  Deletethisentry1.caption = "Delete this entry";
  OpeninBrowser1.caption = "Open in browser";
  Openlocalfile1.caption = "Open local file";
  pop.Add(Deletethisentry1);
  pop.Add(OpeninBrowser1);
  pop.Add(Openlocalfile1);

  grd.SetDesignWidths({kColumnWidths.begin(), kColumnWidths.end()});
  grd.SetDesignRowHeight(kRowHeight);
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
  Deletethisentry1.OnClick = [this] { Deletethisentry1Click(); };
  OpeninBrowser1.OnClick = [this] { OpeninBrowser1Click(); };
  Openlocalfile1.OnClick = [this] { Openlocalfile1Click(); };
}

}  // namespace tarnwick
