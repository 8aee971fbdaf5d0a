#include "window/Form1.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "cache/Listing.h"
#include "cache/Summary.h"

namespace tarnwick {

TForm1::TForm1(Platform& platform)
    : platform_(platform),
      formatter_(platform.locale, platform.text),
      separators_(platform.locale.ReadNumberSeparators()) {
  ReadLayout();
  BindEvents();
}

void TForm1::FormCreate() {
  FViewMode = vmContent;
  RefreshList();
}

void TForm1::FormResize() {
  lbl_Status.SetLeft(8);
  lbl_Status.SetTop(grd.Top() + grd.Height() + 4);
}

void TForm1::rdo_ContentClick() {
  FViewMode = vmContent;
  RefreshList();
}

void TForm1::rdo_CookieClick() {
  FViewMode = vmCookies;
  RefreshList();
}

void TForm1::rdo_HistoryClick() {
  FViewMode = vmHistory;
  RefreshList();
}

void TForm1::btn_RefreshClick() { RefreshList(); }

void TForm1::grdClick() {
  std::vector<std::string> lines = grd.CopyRow(grd.Row());
  // The box shows text only up to a NUL, as the grid does.
  for (std::string& line : lines) line.resize(TextUpToNul(line).size());
  Memo1.SetLines(lines);
}

void TForm1::RefreshList() {
  try {
    const BusyScope scope(monitor_);
    const ListingSummary summary =
        RefreshEntryTable(grd, platform_.cache, FViewMode, [this](const DeliveredRecord& record) {
          AddEntryRow(record);
          if (monitor_) monitor_->ListingProgress(ListedEntries(grd));
        });
    lbl_Status.SetCaption(FormatSummary(summary.count, summary.totalBytes, separators_));
  } catch (...) {
    // The table keeps the rows listed before the failure; the status line counts those, not
    // the progress count nor an earlier listing.
    const ListingSummary listed = SummaryOf(grd);
    lbl_Status.SetCaption(FormatSummary(listed.count, listed.totalBytes, separators_));
    throw;
  }
}

void TForm1::AddEntryRow(const DeliveredRecord& record) {
  formatter_.AddEntryRow(grd, record, FViewMode);
}

void TForm1::SettingsChanged() { separators_ = platform_.locale.ReadNumberSeparators(); }

void TForm1::ClientResized(Size client) {
  for (Control* control : Controls()) control->ParentResized(client);
  FormResize();
}

void TForm1::ScaleControls(int num, int den) {
  for (Control* control : Controls()) control->ScaleBy(num, den);
}

}  // namespace tarnwick
