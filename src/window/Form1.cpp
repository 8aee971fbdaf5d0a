#include "window/Form1.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "cache/Listing.h"
#include "cache/StatusTexts.h"
#include "common/ScopeExit.h"
#include "toolkit/Scaling.h"

namespace tarnwick {

TForm1::TForm1(Platform& platform)
    : platform_(platform),
      formatter_(platform.locale, platform.text),
      separators_(platform.locale.ReadNumberSeparators()) {
  ReadLayout();
}

void TForm1::FormCreate() {
  FViewMode = vmContent;
  RefreshList();
}

void TForm1::FormResize() {
  // The margins are the design's, at the density the controls are scaled to.
  lbl_Status.SetLeft(scale_.Of(kMargin));
  lbl_Status.SetTop(grd.Top() + grd.Height() + scale_.Of(kStatusGap));
}

void TForm1::ShowView(TViewMode view) {
  FViewMode = view;
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
  // However the listing ends, an exception included, the status line sums up the rows it left
  // in the table: not the progress count, nor an earlier listing.
  const ScopeExit writeSummary([this] {
    const ListingSummary listed = SummaryOf(grd);
    // Emptied first, which takes no memory: with none left for the summary, the line then shows
    // no count at all rather than one the table does not hold.
    lbl_Status.SetCaption({});
    lbl_Status.AnnounceCaption(FormatSummary(listed.count, listed.totalBytes, separators_));
  });
  const BusyScope busy(monitor_, BusyWork::kListing);
  RefreshEntryTable(grd, platform_.cache, FViewMode, formatter_, [this] {
    // False once the window is closing: a listing changes nothing, so it ends there.
    return !monitor_ || monitor_->BusyStep([this](BusyCaption) {
      lbl_Status.SetCaption(ListingProgressText(grd.ListedRowCount(), separators_));
    });
  });
}

void TForm1::SettingsChanged() { separators_ = platform_.locale.ReadNumberSeparators(); }

void TForm1::ClientResized(Size client) {
  for (Control* control : Controls()) control->ParentResized(client);
  FormResize();
}

Bounds TForm1::DesignBoundsOf(const Control& control) const {
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == &control) return designBounds_[i];
  }
  return {};
}

void TForm1::ScaleControls(Scale scale) {
  // The controls scale from where they are, so by the step from the old scale to the new one.
  const Scale step = scale.StepFrom(scale_);
  for (Control* control : Controls()) control->ScaleBy(step.num, step.den);
  scale_ = scale;
}

}  // namespace tarnwick
