#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "cache/EntryTable.h"
#include "toolkit/grid/GridAccessibleLayout.h"
#include "toolkit/grid/GridAccessibleText.h"
#include "toolkit/grid/GridGeometry.h"

namespace tarnwick {
namespace {

// The entry grid at 96 DPI: 16-pixel rows, columns 171, 89 and nine of 64, in a client area of
// 585 x 209. Columns end at 171, 260, 324, ..., 580, 644; 193 pixels lie under the header.
GridGeometry EntryGrid(int rowCount, int fixedRows = 1) {
  GridGeometry grid(16, {171, 89, 64, 64, 64, 64, 64, 64, 64, 64, 64});
  grid.SetClientSize(585, 209);
  grid.SetShape(rowCount, fixedRows);
  return grid;
}

TEST(GridGeometryPaint, SpansRoundOutwardButNeverPastAnEdge) {
  GridGeometry grid = EntryGrid(1000);
  EXPECT_EQ(grid.HeaderRowsIn({0, 0, 585, 209}), (GridSpan{0, 1}));
  EXPECT_EQ(grid.BodyRowsIn({0, 0, 585, 209}), (GridSpan{1, 14}));  // 12 whole rows, 1 partly
  EXPECT_EQ(grid.ColumnsIn({0, 0, 585, 209}), (GridSpan{0, 8}));
  // Ending exactly on the header's bottom edge claims no scrolling row: the case that
  // "(bottom - 1) / height + 1" rounding gets wrong.
  EXPECT_TRUE(grid.BodyRowsIn({0, 0, 585, 16}).Empty());
  EXPECT_EQ(grid.BodyRowsIn({0, 0, 585, 17}), (GridSpan{1, 2}));
  EXPECT_EQ(grid.BodyRowsIn({0, 48, 585, 64}), (GridSpan{3, 4}));
  EXPECT_TRUE(grid.HeaderRowsIn({0, 16, 585, 64}).Empty());
  EXPECT_EQ(grid.ColumnsIn({171, 0, 260, 10}), (GridSpan{1, 2}));
  EXPECT_EQ(grid.ColumnsIn({170, 0, 172, 10}), (GridSpan{0, 2}));
}

TEST(GridGeometryPaint, AreasOutsideTheClientAreClippedNotShifted) {
  GridGeometry grid = EntryGrid(1000);
  for (GridRect outside :
       {GridRect{0, -40, 585, 0}, GridRect{0, -40, 585, -16}, GridRect{-50, 0, 0, 209},
        GridRect{0, 209, 585, 400}, GridRect{600, 0, 700, 209}, GridRect{10, 10, 10, 50}}) {
    EXPECT_TRUE(grid.HeaderRowsIn(outside).Empty());
    EXPECT_TRUE(grid.BodyRowsIn(outside).Empty());
    EXPECT_TRUE(grid.ColumnsIn(outside).Empty());
  }
  EXPECT_EQ(grid.HeaderRowsIn({-30, -30, 20, 20}), (GridSpan{0, 1}));
  EXPECT_EQ(grid.BodyRowsIn({-30, -30, 20, 20}), (GridSpan{1, 2}));
  EXPECT_EQ(grid.ColumnsIn({-30, -30, 20, 20}), (GridSpan{0, 1}));
}

TEST(GridGeometryPaint, SpansFollowScrollingAndStopAtTheTablesEnd) {
  GridGeometry grid = EntryGrid(100000);
  grid.SetTopRow(50000);
  grid.SetLeftCol(2);
  EXPECT_EQ(grid.BodyRowsIn({0, 200, 585, 209}), (GridSpan{50011, 50013}));
  EXPECT_EQ(grid.ColumnsIn({0, 0, 585, 209}), (GridSpan{2, 11}));
  EXPECT_EQ(EntryGrid(4).BodyRowsIn({0, 0, 585, 209}), (GridSpan{1, 4}));
  EXPECT_TRUE(EntryGrid(4).BodyRowsIn({0, 64, 585, 209}).Empty());
  // Without a header row, row 0 scrolls like any other.
  EXPECT_TRUE(EntryGrid(1, 0).HeaderRowsIn({0, 0, 585, 209}).Empty());
  EXPECT_EQ(EntryGrid(1, 0).BodyRowsIn({0, 0, 585, 209}), (GridSpan{0, 1}));
}

TEST(GridGeometryPaint, RowAreasExistOnlyForRowsInView) {
  GridGeometry grid = EntryGrid(1000);
  grid.SetTopRow(100);
  EXPECT_EQ(grid.RowRect(0), (GridRect{0, 0, 585, 16}));
  EXPECT_EQ(grid.RowRect(100), (GridRect{0, 16, 585, 32}));
  EXPECT_EQ(grid.RowRect(112), (GridRect{0, 208, 585, 224}));  // one pixel of it shows
  for (int hidden : {-1, 99, 113, 1000}) EXPECT_TRUE(grid.RowRect(hidden).Empty()) << hidden;
  // Rows added or dropped from `row` on repaint from that row down, or not at all.
  EXPECT_EQ(grid.AreaFromRow(105), (GridRect{0, 96, 585, 209}));
  EXPECT_TRUE(grid.AreaFromRow(113).Empty());
  EXPECT_TRUE(grid.AreaFromRow(2000000000).Empty());
  EXPECT_EQ(grid.AreaFromRow(50), (GridRect{0, 16, 585, 209}));
  // Scrolled to the last column, rows end where that column ends.
  grid.SetLeftCol(grid.MaxLeftCol());
  EXPECT_EQ(grid.RowRect(0).right, 576);
  // A grid sized down to its header shows no scrolling row at all.
  grid.SetClientSize(585, 16);
  EXPECT_TRUE(grid.RowRect(grid.TopRow()).Empty());
  EXPECT_TRUE(grid.AreaFromRow(grid.TopRow()).Empty());
}

TEST(GridGeometryHitTest, CellsIncludeTheirGridLinesAndNothingBeyondTheTable) {
  GridGeometry grid = EntryGrid(1000);
  EXPECT_EQ(grid.CellAt(170, 15), (GridCell{0, 0}));
  EXPECT_EQ(grid.CellAt(171, 16), (GridCell{1, 1}));
  EXPECT_EQ(grid.CellAt(584, 208), (GridCell{7, 13}));
  for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {585, 5}, {5, 209}}) {
    EXPECT_FALSE(grid.CellAt(x, y).Valid()) << x << "," << y;
  }
  grid.SetTopRow(500);
  grid.SetLeftCol(2);
  EXPECT_EQ(grid.CellAt(3, 3), (GridCell{2, 0}));
  EXPECT_EQ(grid.CellAt(64, 40), (GridCell{3, 501}));

  GridGeometry few = EntryGrid(3);
  EXPECT_EQ(few.CellAt(5, 47), (GridCell{0, 2}));
  EXPECT_FALSE(few.CellAt(5, 48).Valid());
  few.SetLeftCol(few.MaxLeftCol());
  EXPECT_FALSE(few.CellAt(580, 20).Valid());  // right of the last column
}

TEST(GridGeometryHitTest, ColumnBordersCountOnlyInTheHeaderWithSlack) {
  GridGeometry grid = EntryGrid(1000);
  // Column 0 ends between pixels 170 and 171; three pixels of slack either side.
  for (int x : {168, 170, 171, 173}) EXPECT_EQ(grid.ResizeBorderAt(x, 5, 3), 0) << x;
  for (int x : {167, 174}) EXPECT_EQ(grid.ResizeBorderAt(x, 5, 3), -1) << x;
  EXPECT_EQ(grid.ResizeBorderAt(170, 16, 3), -1);            // first scrolling row
  EXPECT_EQ(EntryGrid(1, 0).ResizeBorderAt(170, 5, 3), -1);  // no header row, no resizing
  grid.SetLeftCol(1);
  EXPECT_EQ(grid.ResizeBorderAt(88, 5, 3), 1);
  EXPECT_EQ(grid.ResizeBorderAt(1, 5, 3), -1);  // the left edge borders a hidden column

  // Of two near borders the nearer wins; of two equal ones the right, so a column narrowed to
  // nothing can be widened again.
  GridGeometry narrow(16, {50, 4, 50});
  narrow.SetClientSize(300, 100);
  narrow.SetShape(10, 1);
  EXPECT_EQ(narrow.ResizeBorderAt(49, 5, 3), 0);
  EXPECT_EQ(narrow.ResizeBorderAt(53, 5, 3), 1);
  narrow.SetColumnWidth(1, 0);
  EXPECT_EQ(narrow.ResizeBorderAt(50, 5, 3), 1);
}

TEST(GridGeometryAccessibility, ChildIdsNameOnlyRowsAndCellsThatExist) {
  GridGeometry grid = EntryGrid(1000);
  for (auto [id, row, col] : {std::tuple{1L, 0, 0},
                              {11L, 10, 10},
                              {12L, 11, -1},
                              {1000L, 999, -1},
                              {0L, -1, -1},
                              {-1L, -1, -1},
                              {1001L, -1, -1},
                              {LONG_MAX, -1, -1}}) {
    EXPECT_EQ(RowOfChild(grid, id), row) << id;
    EXPECT_EQ(ColumnOfChild(grid, id), col) << id;
  }
  EXPECT_EQ(ChildOfRow(0), 1);
}

TEST(GridGeometryAccessibility, BoundsAreThePartInViewOrOffscreenWhereTheyWouldLie) {
  GridGeometry grid = EntryGrid(1000);
  grid.SetTopRow(100);
  grid.SetLeftCol(2);  // columns 0 and 1 lie left of the client area, from x = -260
  const struct {
    int row, col;
    AccessibleBounds expected;
  } cases[] = {
      {0, -1, {{0, 0, 576, 16}, false}},       // the header row stays
      {100, -1, {{0, 16, 576, 32}, false}},    // the top scrolling row
      {99, -1, {{-260, 0, 576, 16}, true}},    // scrolled out above: it would lie under the header
      {112, -1, {{0, 208, 576, 209}, false}},  // one pixel of it shows
      {113, -1, {{-260, 224, 576, 240}, true}},  // below the view
      {100, 0, {{-260, 16, -89, 32}, true}},     // scrolled out sideways
      {100, 2, {{0, 16, 64, 32}, false}},       {0, 10, {{512, 0, 576, 16}, false}},
      {113, 2, {{0, 224, 64, 240}, true}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BoundsOf(grid, c.row, c.col), c.expected) << c.row << "," << c.col;
  // Rows far below the view lie far below it, without overflowing.
  GridGeometry huge = EntryGrid(2000000000);
  AccessibleBounds last = BoundsOf(huge, 1999999999);
  EXPECT_TRUE(last.offscreen);
  EXPECT_GT(last.rect.top, 100000000);
  EXPECT_LE(last.rect.bottom, INT_MAX / 2) << "room left to add the window's place on screen";
}

TEST(GridGeometryAccessibility, HitTestsFindTheRowThenTheCellUnderAPoint) {
  GridGeometry grid = EntryGrid(1000);
  grid.SetTopRow(500);
  EXPECT_EQ(TableChildAt(grid, 5, 5), ChildOfRow(0));
  EXPECT_EQ(TableChildAt(grid, 5, 16), ChildOfRow(500));
  EXPECT_EQ(TableChildAt(grid, 584, 208), ChildOfRow(512));
  for (auto [x, y] : {std::pair{-1, 5}, {585, 5}, {5, 209}}) {
    EXPECT_EQ(TableChildAt(grid, x, y), kNoChild) << x << "," << y;
  }
  EXPECT_EQ(RowChildAt(grid, 500, 171, 16), 2);  // column 1
  EXPECT_EQ(RowChildAt(grid, 501, 171, 16), kNoChild);
  EXPECT_EQ(RowChildAt(grid, 0, 0, 0), 1);
  EXPECT_EQ(RowChildAt(grid, 499, 5, 5), kNoChild) << "a row scrolled out is not under the header";

  // Scrolled to the last column, the client area reaches past the table on the right.
  grid.SetLeftCol(grid.MaxLeftCol());
  EXPECT_EQ(TableChildAt(grid, 580, 20), kSelfChild);
  EXPECT_EQ(RowChildAt(grid, 500, 580, 20), kNoChild);
}

TEST(GridGeometryScaling, ColumnsKeepTheirDraggedWidthsAndTheViewItsPlace) {
  GridGeometry grid = EntryGrid(1000);
  grid.SetColumnWidth(0, 101);
  grid.SetTopRow(500);
  grid.SetLeftCol(2);
  const GridGeometry scaled = grid.Rescaled(24, 3, 2);
  // 151.5 and 133.5 round away from zero.
  EXPECT_EQ(std::tuple(scaled.RowHeight(), scaled.ColumnWidth(0), scaled.ColumnWidth(1),
                       scaled.ColumnWidth(10)),
            std::tuple(24, 152, 134, 96));
  EXPECT_EQ(std::tuple(scaled.RowCount(), scaled.FixedRows(), scaled.ClientWidth(),
                       scaled.ClientHeight(), scaled.TopRow(), scaled.LeftCol()),
            std::tuple(1000, 1, 585, 209, 500, 2));
}

TEST(GridGeometryAccessibility, RowsReadTheirOtherShownColumnsWithCaptions) {
  using namespace std::string_view_literals;
  EntryTable table;
  table.SetRowCount(2);
  for (int col = 0; col < 11; ++col) {
    std::string caption = "C";
    caption += std::to_string(col);
    table.SetCell(col, 0, caption);
  }
  table.SetCell(4, 0, "");
  const std::string header(3000, 'h');
  const struct {
    std::vector<std::string_view> cells;
    std::string description;
  } cases[] = {
      {{"url", "file", "type"}, "C1: file, C2: type"},
      // The blank of an empty item and an empty cell show nothing; two blanks show something.
      {{"url", " ", "", "3", "  "}, "C3: 3,   "},
      {{"url", "a\0hidden"sv, "\0"sv}, "C1: a"},
      {{"url", "", "", "", "", "", "", "", "", "", header}, "C10: " + header},
      {{"url"}, ""},
  };
  for (const auto& c : cases) {
    table.ClearRow(1);
    for (size_t col = 0; col < c.cells.size(); ++col)
      table.SetCell(static_cast<int>(col), 1, c.cells[col]);
    EXPECT_EQ(RowDescription(table, 1), c.description) << c.cells.size();
  }
  EXPECT_EQ(RowDescription(table, 0), "") << "the header row";
  EXPECT_EQ(ColumnCaption(table, 7), "C7");
  table.SetFixedRows(0);
  EXPECT_EQ(ColumnCaption(table, 7), "");
  EXPECT_EQ(RowDescription(table, 0), "C1, C2, C3, C5, C6, C7, C8, C9, C10") << "no captions";
}

TEST(GridGeometryScrolling, TopRowStaysWithinLimitsAsShapeAndSizeChange) {
  GridGeometry grid = EntryGrid(1000);
  EXPECT_EQ(grid.PageRows(), 12);
  EXPECT_FALSE(grid.SetTopRow(-5));
  EXPECT_TRUE(grid.SetTopRow(5000));
  EXPECT_EQ(grid.TopRow(), 988);
  EXPECT_EQ(grid.LastFullyVisibleRow(), 999);
  // Fewer rows, or a taller client, pull the top row back so no space is wasted below.
  grid.SetShape(500, 1);
  EXPECT_EQ(grid.TopRow(), 488);
  grid.SetClientSize(585, 209 + 160);
  EXPECT_EQ(grid.TopRow(), 478);
  grid.SetShape(5, 1);
  EXPECT_EQ(grid.TopRow(), 1);
  EXPECT_EQ(grid.LastFullyVisibleRow(), 4);
  // A client no taller than the header still pages by one row.
  grid.SetShape(1000, 1);
  grid.SetClientSize(585, 10);
  EXPECT_EQ(grid.PageRows(), 1);
  EXPECT_EQ(grid.MaxTopRow(), 999);
}

TEST(GridGeometryScrolling, IntoViewScrollsAsLittleAsPossible) {
  GridGeometry grid = EntryGrid(1000);
  EXPECT_FALSE(grid.ScrollIntoView(12));
  EXPECT_TRUE(grid.ScrollIntoView(13));  // partly visible counts as out of view
  EXPECT_EQ(grid.TopRow(), 2);
  EXPECT_TRUE(grid.ScrollIntoView(999));
  EXPECT_EQ(grid.TopRow(), 988);
  EXPECT_TRUE(grid.ScrollIntoView(700));
  EXPECT_EQ(grid.TopRow(), 700);
  EXPECT_FALSE(grid.ScrollIntoView(0));  // header rows are always in view
  EXPECT_FALSE(grid.ScrollIntoView(1000));
}

TEST(GridGeometryScrolling, ColumnsScrollUntilTheLastOnesFit) {
  GridGeometry grid = EntryGrid(10);
  EXPECT_EQ(grid.MaxLeftCol(), 2);  // 9 x 64 fits in 585, 89 more does not
  EXPECT_TRUE(grid.SetLeftCol(20));
  EXPECT_EQ(grid.LeftCol(), 2);
  EXPECT_EQ(grid.ColumnLeft(0), -260);
  grid.SetClientSize(50, 209);
  EXPECT_EQ(grid.MaxLeftCol(), 10);  // even the last column alone is too wide
  grid.SetClientSize(2000, 209);
  EXPECT_EQ(grid.LeftCol(), 0);
  // Narrowing columns lets more of them fit, which pulls the position back.
  grid.SetClientSize(585, 209);
  grid.SetLeftCol(2);
  grid.SetColumnWidth(1, 60);
  grid.SetColumnWidth(10, 0);
  EXPECT_EQ(grid.LeftCol(), 1);
}

TEST(GridGeometryScrolling, ScrollBarThumbsReachTheEndOfTheirRange) {
  GridGeometry grid = EntryGrid(100000);
  grid.SetTopRow(grid.MaxTopRow());
  EXPECT_EQ(grid.VerticalBar(), (ScrollBarState{0, 99998, 12, 99987}));
  EXPECT_EQ(EntryGrid(5).VerticalBar(), (ScrollBarState{0, 3, 12, 0}));
  EXPECT_EQ(EntryGrid(1, 0).VerticalBar(), (ScrollBarState{0, 0, 13, 0}));
  GridGeometry wide = EntryGrid(10);
  wide.SetLeftCol(5);
  EXPECT_EQ(wide.HorizontalBar(), (ScrollBarState{0, 10, 9, 2}));
}

}  // namespace
}  // namespace tarnwick
