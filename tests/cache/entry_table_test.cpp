#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "cache/Columns.h"
#include "cache/EntryTable.h"

namespace tarnwick {
namespace {

using Texts = std::vector<std::string>;

// Records every notification in order, as a grid would receive them.
class RecordingObserver : public GridModelObserver {
 public:
  void TableReshaped() override { events.push_back("reshaped"); }
  void RowTextChanged(int row) override { events.push_back("text " + std::to_string(row)); }
  void CurrentRowMoved(int row, bool scrollToTop) override {
    events.push_back("row " + std::to_string(row) + (scrollToTop ? " top" : ""));
  }
  std::vector<std::string> events;
};

class EntryTableTest : public ::testing::Test {
 protected:
  EntryTableTest() {
    table.SetObserver(&observer);
    table.OnClick = [this] { ++clicks; };
  }
  EntryTable table;
  RecordingObserver observer;
  int clicks = 0;
};

TEST_F(EntryTableTest, StartsWithTenEmptyRowsAndOneHeaderRow) {
  EXPECT_EQ(table.RowCount(), 10);
  EXPECT_EQ(table.ColCount(), std::size(kColumns)) << "a column for each of the column table";
  EXPECT_EQ(table.FixedRows(), 1);
  EXPECT_EQ(table.Row(), 1);
  for (int row = 0; row < 10; ++row)
    for (int col = 0; col < table.ColCount(); ++col) EXPECT_TRUE(table.Cell(col, row).empty());
}

TEST_F(EntryTableTest, AppendedTextsTakeTheNextEmptyCellsAndEmptyTextsTakeABlank) {
  // A text for every column but the last, the second one empty.
  Texts texts(std::size(kColumns) - 1, "t");
  texts[1] = "";
  table.AppendToRow(1, texts);
  EXPECT_EQ(table.Cell(0, 1), "t");
  EXPECT_EQ(table.Cell(1, 1), " ");
  EXPECT_EQ(table.Cell(2, 1), "t");
  EXPECT_EQ(table.CopyRow(1).back(), "");

  table.AppendToRow(1, Texts{"k", "dropped"});
  EXPECT_EQ(table.CopyRow(1).back(), "k");

  // Cells taken by direct writes are skipped, empty ones in between are filled.
  table.ClearRow(2);
  table.SetCell(0, 2, "x");
  table.SetCell(2, 2, "z");
  table.AppendToRow(2, Texts{"1", "2"});
  Texts expected(std::size(kColumns));
  expected[0] = "x", expected[1] = "1", expected[2] = "z", expected[3] = "2";
  EXPECT_EQ(table.CopyRow(2), expected);
}

TEST_F(EntryTableTest, CellsKeepNulBytesAndLargeTextsIntact) {
  const std::string withNul("head\0tail", 9);
  const std::string large(3 << 20, 'x');
  table.AppendToRow(3, Texts{withNul, large, "after"});
  table.SetCell(0, 3, "short");
  EXPECT_EQ(table.Cell(0, 3), "short");
  EXPECT_EQ(table.Cell(1, 3).size(), large.size());
  EXPECT_EQ(table.Cell(2, 3), "after");
  table.SetCell(2, 3, table.Cell(1, 3));  // a cell copied from its own row
  EXPECT_EQ(table.Cell(2, 3), large);
  table.SetCell(1, 3, withNul);
  EXPECT_EQ(table.Cell(1, 3), withNul);
  EXPECT_EQ(table.Cell(2, 3), large);
}

TEST_F(EntryTableTest, LoweringRowCountToOneLeavesNoHeaderRowUntilFixedRowsIsSetAgain) {
  table.SetRowCount(2);
  table.SetCell(0, 0, "Source URL");
  table.SetRowCount(1);
  EXPECT_EQ(table.FixedRows(), 0);
  EXPECT_EQ(table.Row(), 0);
  EXPECT_EQ(clicks, 0);

  table.SetRowCount(2);
  table.SetFixedRows(1);
  EXPECT_EQ(table.Row(), 1);
  EXPECT_EQ(table.Cell(0, 0), "Source URL");
  EXPECT_EQ(clicks, 0);
}

TEST_F(EntryTableTest, DroppingTheCurrentRowMovesItToTheNewLastRowWithoutAClick) {
  table.SetRowCount(50);
  table.SetRow(40);
  clicks = 0;
  observer.events.clear();
  table.SetRowCount(2);
  EXPECT_EQ(table.Row(), 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(observer.events, (Texts{"reshaped", "row 1"}));
}

// A listing's row left for its next record is the exception: it shows nothing of an earlier
// table (another view's entry, an outcome of a Clear) while it waits for the record.
TEST_F(EntryTableTest, RowsShownAgainKeepTheirTextsButNotTheRowLeftForTheNextRecord) {
  table.AppendToRow(8, Texts{"kept"});
  table.SetRowCount(3);
  EXPECT_THROW(table.Cell(0, 8), std::out_of_range);
  table.SetRowCount(100000);
  EXPECT_EQ(table.Cell(0, 8), "kept");
  EXPECT_EQ(table.Cell(0, 99999), "");

  table.AppendToRow(2, Texts{"earlier", "", "", "DELETED"});
  table.StartListedRows();
  const std::string_view listed[] = {"listed"};
  table.AddListedRow(listed);
  ASSERT_EQ(table.RowCount(), 3);
  for (int col = 0; col < table.ColCount(); ++col) EXPECT_EQ(table.Cell(col, 2), "") << col;
}

TEST_F(EntryTableTest, ClickNotificationOnlyWhenWritingAnotherRowOrClicking) {
  table.SetRow(3);
  EXPECT_EQ(clicks, 1);
  table.SetRow(3);
  EXPECT_EQ(clicks, 1);
  table.SelectRow(4);
  EXPECT_EQ(clicks, 1);
  table.Click();
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(table.Row(), 4);
  EXPECT_THROW(table.SetRow(0), std::out_of_range);
  EXPECT_THROW(table.SetRow(10), std::out_of_range);
}

TEST_F(EntryTableTest, WritingFixedRowsMovesToTheFirstRowAndScrollsToTopOnlyWhenItChanges) {
  table.SetRow(5);
  observer.events.clear();
  table.SetFixedRows(1);
  EXPECT_EQ(table.Row(), 5);
  EXPECT_TRUE(observer.events.empty());

  table.SetFixedRows(2);
  EXPECT_EQ(table.Row(), 2);
  EXPECT_EQ(observer.events, (Texts{"reshaped", "row 2 top"}));
  EXPECT_THROW(table.SetFixedRows(10), std::out_of_range);
  EXPECT_EQ(clicks, 1);
}

TEST_F(EntryTableTest, ObserverHearsOfTextChangesOnlyForTheRowThatChanged) {
  table.SetCell(2, 4, "x");
  table.SetCell(2, 4, "x");
  table.ClearRow(5);
  table.AppendToRow(6, Texts{"a"});
  table.ClearRow(6);
  table.AppendToRow(4, Texts{});
  EXPECT_EQ(observer.events, (Texts{"text 4", "text 6", "text 6"}));
}

}  // namespace
}  // namespace tarnwick
