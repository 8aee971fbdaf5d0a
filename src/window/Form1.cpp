#include "window/Form1.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>

#include "cache/Listing.h"
#include "cache/Summary.h"
#include "toolkit/Scaling.h"

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
  // The margins are the design's, at the density the controls are scaled to.
  lbl_Status.SetLeft(MulDivRound(8, scaleNum_, scaleDen_));
  lbl_Status.SetTop(grd.Top() + grd.Height() + MulDivRound(4, scaleNum_, scaleDen_));
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
  // The box shows each cell as the grid does, up to its first NUL.
  std::vector<std::string> lines;
  for (int col = 0; col < grd.ColCount(); ++col) lines.emplace_back(grd.ShownText(col, grd.Row()));
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
  // Kept as the design's scale in lowest terms, so density changes back and forth never grow it.
  const int64_t scaledNum = int64_t{scaleNum_} * num, scaledDen = int64_t{scaleDen_} * den;
  const int64_t divisor = std::gcd(scaledNum, scaledDen);
  if (divisor == 0) return;
  scaleNum_ = static_cast<int>(scaledNum / divisor);
  scaleDen_ = static_cast<int>(scaledDen / divisor);
}

}  // namespace tarnwick
