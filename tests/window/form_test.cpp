// TForm1's handlers over the control models and an in-memory URL cache: start-up, view
// switching, refresh, the detail box, the status line and the layout on resize.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "cache/Columns.h"
#include "support/ListedUrls.h"
#include "support/PortableForm.h"
#include "support/TestEntries.h"
#include "window/Form1.h"

namespace tarnwick {
namespace {

using testing::TestEntry;

// Asks the form for its status line at every step, as if each were due, and keeps what it wrote.
class RecordingMonitor : public BusyMonitor {
 public:
  explicit RecordingMonitor(const Label& status) : status_(status) {}
  void BusyStarted(BusyWork work) override { works.push_back(work); }
  bool BusyStep(const std::function<void(BusyCaption)>& writeStatus) override {
    writeStatus(closingAt >= 0 && static_cast<int>(shown.size()) >= closingAt
                    ? BusyCaption::kClosing
                    : BusyCaption::kProgress);
    shown.push_back(status_.Caption());
    const int step = static_cast<int>(shown.size());
    if (failAt == step) throw std::runtime_error("monitor failed");
    return step != stopAt;
  }
  void BusyFinished() override { ++finished; }

  std::vector<BusyWork> works;
  int finished = 0;
  // Steps counted from 1; -1: never.
  int failAt = -1, stopAt = -1, closingAt = -1;
  std::vector<std::string> shown;

 private:
  const Label& status_;
};

// The texts of a label that were read out, as its view was told.
class AnnouncedTexts : public ControlView {
 public:
  explicit AnnouncedTexts(Label& label) : label_(label) { label_.SetView(this); }
  ~AnnouncedTexts() override { label_.SetView(nullptr); }
  void ControlChanged(ControlAspect aspect) override {
    if (aspect == ControlAspect::kAnnouncement) texts.push_back(label_.Caption());
  }

  std::vector<std::string> texts;

 private:
  Label& label_;
};

size_t LineBreaks(const std::string& text) {
  size_t breaks = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
    ++breaks;
  }
  return breaks;
}

class FormTest : public testing::PortableFormTest<> {
 protected:
  FormTest() {
    cache.Add(TestEntry("Cookie:user@example.com/", 0x0010'0001, 100));
    cache.Add(TestEntry("Visited:user@http://example.com/", 0x0020'0001, 0));
    cache.Add(TestEntry("http://example.com/", 0x1, 1000));
    cache.Add(TestEntry("http://example.com/logo.png", 0x1, 1048576));
  }

  std::vector<std::string> Column0() const { return testing::ListedUrls(form.grd); }
};

TEST_F(FormTest, StartUpListsTheContentViewWithContentChosen) {
  form.FormCreate();
  EXPECT_EQ(form.FViewMode, vmContent);
  EXPECT_TRUE(form.rdo_Content.Checked());
  EXPECT_TRUE(form.rdo_Content.TabStop());
  EXPECT_FALSE(form.rdo_Cookie.TabStop());
  EXPECT_EQ(Column0(),
            (std::vector<std::string>{"http://example.com/", "http://example.com/logo.png"}));
  EXPECT_EQ(form.lbl_Status.Caption(), "2 entries in 1,049,576 bytes (1.00 MB)");
  EXPECT_EQ(form.Memo1.Text(), "");
}

TEST_F(FormTest, ChoosingAViewListsItOnceAndRefreshListsAgain) {
  form.FormCreate();
  form.rdo_Cookie.Click();
  EXPECT_EQ(form.FViewMode, vmCookies);
  EXPECT_FALSE(form.rdo_Content.Checked());
  EXPECT_EQ(Column0(), std::vector<std::string>{"Cookie:user@example.com/"});
  EXPECT_EQ(form.lbl_Status.Caption(), "1 entries in 100 bytes (0.00 MB)");

  const int callsAfterListing = cache.FindCalls();
  form.rdo_Cookie.Click();
  EXPECT_EQ(cache.FindCalls(), callsAfterListing);

  cache.Add(TestEntry("Cookie:user@example.org/", 0x0010'0001, 200));
  form.btn_Refresh.Click();
  EXPECT_EQ(form.FViewMode, vmCookies);
  EXPECT_EQ(Column0().size(), 2u);

  form.rdo_History.Click();
  EXPECT_EQ(Column0(), std::vector<std::string>{"Visited:user@http://example.com/"});
  form.rdo_Content.Click();
  EXPECT_EQ(form.FViewMode, vmContent);
  EXPECT_EQ(Column0().size(), 2u);
}

TEST_F(FormTest, AViewWithNothingToListSaysSo) {
  MemoryUrlCache empty;
  Platform bare{empty, locale, text, shell};
  TForm1 emptyForm(bare);
  emptyForm.lbl_Status.SetCaption("stale");
  emptyForm.FormCreate();
  EXPECT_EQ(emptyForm.lbl_Status.Caption(), "0 entries in 0 bytes (0.00 MB)");
}

TEST_F(FormTest, DetailBoxFollowsTheClickedRowNotTheListing) {
  form.rdo_Cookie.Click();
  form.grd.SetRow(1);  // Already current: no click.
  EXPECT_EQ(form.Memo1.Text(), "");
  form.grd.Click();
  const std::string cookieRow = form.Memo1.Text();
  // A line for each column, each ended by a line break; a cookie row has no header, so the last
  // is empty.
  EXPECT_EQ(LineBreaks(cookieRow), std::size(kColumns));
  EXPECT_TRUE(cookieRow.starts_with("Cookie:user@example.com/\r\nC:\\cache\\file.htm\r\n"));
  EXPECT_TRUE(cookieRow.ends_with("\r\n\r\n"));

  form.rdo_Content.Click();
  EXPECT_EQ(form.Memo1.Text(), cookieRow);
  form.btn_Refresh.Click();
  EXPECT_EQ(form.Memo1.Text(), cookieRow);

  form.grd.SetCell(kColSourceUrl, 2, std::string("shown\0hidden", 12));
  form.grd.SetRow(2);
  EXPECT_TRUE(form.Memo1.Text().starts_with("shown\r\nC:"));
}

TEST_F(FormTest, AnchorsStretchTheGridAndMemoAndTheStatusStaysUnderTheGrid) {
  // The grid draws its rows at the design's height, scaled.
  EXPECT_EQ(form.grd.DesignRowHeight(), 16);
  // Its text inset, border slack and narrowest column are the design's too.
  EXPECT_EQ(form.grd.DesignSpacing(), (GridSpacing{2, 3, 4}));
  form.ClientResized({717, 421});
  EXPECT_EQ(form.grd.GetBounds(), (Bounds{8, 32, 701, 225}));
  EXPECT_EQ(form.Memo1.GetBounds(), (Bounds{8, 280, 701, 137}));
  EXPECT_EQ(form.bnt_Clear.Left(), 652);
  EXPECT_EQ(form.rdo_Content.Left(), 312);
  EXPECT_EQ(form.rdo_History.Left(), 448);
  EXPECT_EQ(form.btn_Refresh.Left(), 8);
  EXPECT_EQ(form.edt_Search.GetBounds(), form.DesignBoundsOf(form.edt_Search));
  EXPECT_EQ(form.btn_Search.Left(), 224);
  EXPECT_EQ(form.lbl_Status.GetBounds(), form.DesignBoundsOf(form.lbl_Status));

  form.ClientResized({717, 621});
  EXPECT_EQ(form.grd.Height(), 425);
  EXPECT_EQ(form.Memo1.GetBounds(), (Bounds{8, 480, 701, 137}));
  EXPECT_EQ(621 - form.Memo1.GetBounds().Bottom(), 4);
  EXPECT_EQ(form.lbl_Status.GetBounds(), (Bounds{8, 461, 601, 17}));

  form.ClientResized({300, 200});
  EXPECT_EQ(form.lbl_Status.Left(), 8);
  EXPECT_EQ(form.lbl_Status.Top(), form.grd.Top() + form.grd.Height() + 4);
  EXPECT_EQ(form.lbl_Status.Width(), 601);
  form.ClientResized(TForm1::kDesignClient);
  for (const Control* control : form.Controls()) {
    EXPECT_EQ(control->GetBounds(), form.DesignBoundsOf(*control));
  }
}

TEST_F(FormTest, ScalingMovesAndSizesEveryControlAndAnchorsStillHold) {
  // "0" 16 pixels high instead of 13 (120 dots per inch).
  form.ScaleControls({16, 13});
  EXPECT_EQ(form.rdo_Content.GetBounds(), (Bounds{384, 10, 80, 21}));
  EXPECT_EQ(form.grd.GetBounds(), (Bounds{10, 39, 740, 277}));
  EXPECT_EQ(form.lbl_Status.Width(), 740);
  // The window keeps its size, so the anchored controls fit the real client area again.
  form.ClientResized(TForm1::kDesignClient);
  EXPECT_EQ(form.grd.GetBounds().Right(), 617 - 9);
  EXPECT_EQ(form.Memo1.GetBounds().Bottom(), 421 - 5);
  EXPECT_EQ(form.Memo1.Height(), 168);
  EXPECT_EQ(form.bnt_Clear.GetBounds().Right(), 617 - 9);
  // The status line keeps the design's margins at the same scale: 8 and 4 become 10 and 5.
  EXPECT_EQ(form.lbl_Status.Left(), 10);
  EXPECT_EQ(form.lbl_Status.Top(), form.grd.GetBounds().Bottom() + 5);
}

TEST_F(FormTest, NumberSeparatorsAreReadAgainOnASettingsChange) {
  locale.SetNumberSeparators({'.', ','});
  form.FormCreate();
  EXPECT_EQ(form.lbl_Status.Caption(), "2 entries in 1,049,576 bytes (1.00 MB)");
  form.SettingsChanged();
  form.btn_Refresh.Click();
  EXPECT_EQ(form.lbl_Status.Caption(), "2 entries in 1.049.576 bytes (1,00 MB)");
}

TEST_F(FormTest, HostileEnvironmentListsAndSearchesWithoutFailing) {
  // A first call failing with a code the listing does not know ends it as an empty view.
  cache.InjectAnswer(1, 1, {.result = false, .error = 1117});
  ASSERT_NO_THROW(form.FormCreate());
  EXPECT_EQ(form.lbl_Status.Caption(), "0 entries in 0 bytes (0.00 MB)");

  // A space between thousands and a comma before the decimals, with a size past 32 bits.
  cache.Add(TestEntry("http://example.com/disk.iso", 0x1, uint64_t{3} << 30));
  locale.SetNumberSeparators({' ', ','});
  form.SettingsChanged();
  form.btn_Refresh.Click();
  EXPECT_EQ(form.lbl_Status.Caption(), "3 entries in 3 222 275 048 bytes (3 073,00 MB)");

  // A search text far longer than any cell finds nothing and moves nothing.
  const int row = form.grd.Row();
  form.edt_Search.TextEdited(std::string(1 << 20, 'a'));
  ASSERT_NO_THROW(form.btn_Search.Click());
  EXPECT_EQ(form.grd.Row(), row);
}

TEST_F(FormTest, MonitorSeesEveryRecordAndEveryDeletionAndAFailedListingSummarisesWhatItListed) {
  RecordingMonitor monitor(form.lbl_Status);
  AnnouncedTexts announced(form.lbl_Status);
  form.SetBusyMonitor(&monitor);
  form.FormCreate();
  EXPECT_EQ(monitor.works, std::vector<BusyWork>{BusyWork::kListing});
  EXPECT_EQ(monitor.finished, 1);
  // The cookie and the history entry are delivered and skipped in the Content view.
  EXPECT_EQ(monitor.shown,
            (std::vector<std::string>{"Listing... 0 entries", "Listing... 0 entries",
                                      "Listing... 1 entry", "Listing... 2 entries"}));
  EXPECT_EQ(form.lbl_Status.Caption(), "2 entries in 1,049,576 bytes (1.00 MB)");
  EXPECT_EQ(announced.texts, std::vector<std::string>{form.lbl_Status.Caption()})
      << "the summary is read out, the progress counts are not";

  // The failure comes after the first row, with the earlier listing's second row still behind it;
  // a stop there (the window closing) ends the listing the same way, only without an error.
  for (const bool fails : {true, false}) {
    monitor.shown.clear();
    monitor.failAt = fails ? 3 : -1;
    monitor.stopAt = fails ? -1 : 3;
    if (fails) {
      EXPECT_THROW(form.btn_Refresh.Click(), std::runtime_error);
    } else {
      EXPECT_NO_THROW(form.btn_Refresh.Click());
    }
    EXPECT_EQ(Column0(), std::vector<std::string>{"http://example.com/"});
    EXPECT_EQ(form.lbl_Status.Caption(), "1 entries in 1,000 bytes (0.00 MB)");
  }
  EXPECT_EQ(monitor.finished, 3);

  // Clear is watched the same way, says so once the window is to close when it ends, and leaves
  // the status line as it found it.
  monitor.stopAt = -1;
  form.btn_Refresh.Click();
  form.lbl_Status.SetCaption("listed");
  monitor.shown.clear();
  monitor.closingAt = 1;
  form.bnt_Clear.Click();
  EXPECT_EQ(monitor.works.back(), BusyWork::kDeletion);
  EXPECT_EQ(monitor.finished, 5);
  EXPECT_EQ(monitor.shown,
            (std::vector<std::string>{"Deleting... 1 of 2", "Closing when the deletion ends..."}));
  EXPECT_EQ(form.lbl_Status.Caption(), "listed");
  EXPECT_EQ(announced.texts.back(), "listed") << "the end of Clear is read out";
}

// Between two records the busy state answers other programs every 10 ms, writes the status line
// and paints every 250 ms, shows a hidden first listing once after 500 ms, and stops only a
// listing for a close request.
TEST(BusyState, DecidesFromTheClockWhatIsDueAndHowACloseEnds) {
  BusyState state;
  EXPECT_TRUE(state.CloseRequested()) << "nothing runs: close at once";
  EXPECT_FALSE(state.Finish());
  const uint32_t start = 0xFFFF'FF00;  // the clock wraps around during the work
  state.Start(BusyWork::kListing, start, true);
  // Milliseconds since the start, and what is due then: answer, status, show.
  const std::pair<uint32_t, BusyDue> steps[] = {{9, {}},
                                                {10, {true}},
                                                {19, {}},
                                                {250, {true, true}},
                                                {499, {true}},
                                                {500, {true, true, true}},
                                                {751, {true, true}}};
  for (const auto& [at, expected] : steps) EXPECT_EQ(state.Step(start + at), expected) << at;
  EXPECT_FALSE(state.CloseRequested());
  EXPECT_TRUE(state.Stopping());
  EXPECT_TRUE(state.Finish()) << "the close is carried out once the listing has ended";
  EXPECT_FALSE(state.Busy());

  // A Clear goes on to its end and says why at its next step.
  state.Start(BusyWork::kDeletion, 0);
  EXPECT_FALSE(state.CloseRequested());
  EXPECT_FALSE(state.Stopping());
  EXPECT_EQ(state.Status(), BusyCaption::kClosing);
  EXPECT_TRUE(state.Step(10).status);
  EXPECT_TRUE(state.Finish());
  EXPECT_EQ(state.Status(), BusyCaption::kProgress);
}

}  // namespace
}  // namespace tarnwick
