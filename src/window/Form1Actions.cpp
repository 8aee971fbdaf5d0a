// The main window's entry actions: search, deletion and opening.
#include <utility>

#include "actions/Deletion.h"
#include "actions/Opening.h"
#include "actions/Search.h"
#include "cache/Columns.h"
#include "cache/StatusTexts.h"
#include "common/ScopeExit.h"
#include "toolkit/Keys.h"
#include "window/Form1.h"

namespace tarnwick {
namespace {

constexpr uint32_t kDefaultBeep = 0;

}  // namespace

void TForm1::SearchNext() {
  // The table is read fresh at every search, so a change of the user's locale counts at once.
  const UpperCaseMap upper = platform_.text.ReadUpperCaseMap();
  const LeadByteSet leads = platform_.text.LeadBytes();
  const std::optional<int> hit = FindNextRow(grd, edt_Search.Text(), upper, leads);
  if (!hit) {
    platform_.shell.Beep(kDefaultBeep);
    return;
  }
  grd.SetRow(*hit);
}

void TForm1::btn_SearchClick() { SearchNext(); }

void TForm1::edt_SearchKeyPress(char& key) {
  if (key != '\r') return;
  SearchNext();
  key = 0;
}

void TForm1::FormKeyDown(uint16_t& key, ShiftState) {
  if (key == kKeyF3) SearchNext();
}

void TForm1::bnt_ClearClick() {
  // Clear leaves the status line as it found it, however it ends: the count it shows while
  // deleting goes again at the end, and the line as it was is read out for the end. The saved
  // text is moved back, which takes no memory, so the line is restored even when memory ran out.
  const ScopeExit restoreStatus([this, before = lbl_Status.Caption()]() mutable {
    if (lbl_Status.Caption() != before) lbl_Status.AnnounceCaption(std::move(before));
  });
  const BusyScope busy(monitor_, BusyWork::kDeletion);
  DeleteEntriesOfAllRows(grd, platform_.cache, [this](int done, int total) {
    if (!monitor_) return;
    monitor_->BusyStep([&](BusyCaption status) {
      lbl_Status.SetCaption(status == BusyCaption::kClosing
                                ? kClosingAfterDeletionText
                                : DeletionProgressText(done, total, separators_));
    });
  });
}

void TForm1::Deletethisentry1Click() { DeleteEntryOfRow(grd, grd.Row(), platform_.cache); }

void TForm1::OpeninBrowser1Click() {
  const std::string_view url = grd.ShownText(kColSourceUrl, grd.Row());
  if (IsBrowserUrl(url)) ShellOpen(platform_.shell, url, Handle());
}

void TForm1::Openlocalfile1Click() {
  ShellOpen(platform_.shell, grd.ShownText(kColLocalFile, grd.Row()), Handle());
}

}  // namespace tarnwick
