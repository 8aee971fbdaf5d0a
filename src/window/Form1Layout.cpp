// The form's layout: every control's place, caption, anchors and tab order, and the bindings of
// its events, read once when the form is made.
#include "window/Form1.h"

namespace tarnwick {
namespace {

struct Placement {
  Control& control;
  Bounds bounds;
  Anchors anchors;
  int tabOrder;
};

}  // namespace

void TForm1::ReadLayout() {
  const Placement placements[] = {
      {rdo_Content, {312, 8, 65, 17}, kDefaultAnchors, 0},
      {rdo_Cookie, {384, 8, 65, 17}, kDefaultAnchors, 1},
      {rdo_History, {448, 8, 57, 17}, kDefaultAnchors, 2},
      {bnt_Clear, {552, 8, 57, 17}, akTop | akRight, 3},
      {grd, {8, 32, 601, 225}, kAllAnchors, 4},
      {Memo1, {8, 280, 601, 137}, akLeft | akRight | akBottom, 5},
      {btn_Refresh, {8, 8, 57, 17}, kDefaultAnchors, 6},
      {edt_Search, {72, 6, 145, 21}, kDefaultAnchors, 7},
      {btn_Search, {224, 8, 57, 17}, kDefaultAnchors, 8},
      {lbl_Status, {8, 256, 601, 17}, kNoAnchors, -1},
  };
  for (const Placement& placement : placements) {
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

std::vector<Control*> TForm1::Controls() {
  return {&rdo_Content, &rdo_Cookie, &rdo_History, &bnt_Clear,  &grd,       &Memo1,
          &btn_Refresh, &edt_Search, &btn_Search,  &lbl_Status};
}

}  // namespace tarnwick
