#include "toolkit/grid/GridGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnwick {
namespace {

// The entry grid at 96 DPI: 16-pixel rows, columns 171, 89 and nine of 64 (836 in all), in a
// client area of 585 x 209 (a 601 x 225 control less its scroll bars).
GridGeometry EntryGrid(int rowCount, int fixedRows = 1) {
  GridGeometry grid(16, {171, 89, 64, 64, 64, 64, 64, 64, 64, 64, 64});
  grid.SetClientSize(585, 209);
  grid.SetShape(rowCount, fixedRows);
  return grid;
}

TEST(GridGeometryPaint, FullClientCoversHeaderAndPartlyVisibleLastRow) {
  GridGeometry grid = EntryGrid(1000);
  GridRect client{0, 0, 585, 209};
  EXPECT_EQ(grid.HeaderRowsIn(client), (GridSpan{0, 1}));
  // 193 pixels under the header: 12 whole rows and part of a 13th.
  EXPECT_EQ(grid.BodyRowsIn(client), (GridSpan{1, 14}));
  // Columns end at 171, 260, 324, ..., 580, 644: the eighth is cut off at 585.
  EXPECT_EQ(grid.ColumnsIn(client), (GridSpan{0, 8}));
}

TEST(GridGeometryPaint, RectanglesOnRowEdgesTakeNoExtraRow) {
  GridGeometry grid = EntryGrid(1000);
  // Ending exactly on the header's bottom edge: no scrolling row at all, the case where
  // "(bottom - 1) / height + 1" rounding would claim one.
  EXPECT_TRUE(grid.BodyRowsIn({0, 0, 585, 16}).Empty());
  EXPECT_EQ(grid.HeaderRowsIn({0, 0, 585, 16}), (GridSpan{0, 1}));
  EXPECT_EQ(grid.BodyRowsIn({0, 0, 585, 17}), (GridSpan{1, 2}));
  // Starting exactly on a row's top edge starts at that row; ending on the next edge ends there.
  EXPECT_EQ(grid.BodyRowsIn({0, 48, 585, 64}), (GridSpan{3, 4}));
  EXPECT_TRUE(grid.HeaderRowsIn({0, 16, 585, 64}).Empty());
  EXPECT_EQ(grid.ColumnsIn({171, 0, 260, 10}), (GridSpan{1, 2}));
  EXPECT_EQ(grid.ColumnsIn({170, 0, 172, 10}), (GridSpan{0, 2}));
}

TEST(GridGeometryPaint, RectanglesOutsideTheClientMeetNothing) {
  GridGeometry grid = EntryGrid(1000);
  for (GridRect outside : {GridRect{0, -40, 585, 0}, GridRect{0, -40, 585, -16},
                           GridRect{-50, 0, 0, 209}, GridRect{0, 209, 585, 400},
                           GridRect{600, 0, 700, 209}, GridRect{10, 10, 10, 50}}) {
    EXPECT_TRUE(grid.HeaderRowsIn(outside).Empty());
    EXPECT_TRUE(grid.BodyRowsIn(outside).Empty());
    EXPECT_TRUE(grid.ColumnsIn(outside).Empty());
  }
  // Partly above and left of the client: clipped, not shifted.
  EXPECT_EQ(grid.HeaderRowsIn({-30, -30, 20, 20}), (GridSpan{0, 1}));
  EXPECT_EQ(grid.BodyRowsIn({-30, -30, 20, 20}), (GridSpan{1, 2}));
  EXPECT_EQ(grid.ColumnsIn({-30, -30, 20, 20}), (GridSpan{0, 1}));
}

TEST(GridGeometryPaint, SpansFollowScrollingAndStopAtTheLastRowAndColumn) {
  GridGeometry grid = EntryGrid(100000);
  grid.SetTopRow(50000);
  grid.SetLeftCol(2);
  EXPECT_EQ(grid.BodyRowsIn({0, 0, 585, 209}), (GridSpan{50000, 50013}));
  EXPECT_EQ(grid.BodyRowsIn({0, 200, 585, 209}), (GridSpan{50011, 50013}));
  EXPECT_EQ(grid.ColumnsIn({0, 0, 585, 209}), (GridSpan{2, 11}));

  GridGeometry few = EntryGrid(4);
  EXPECT_EQ(few.BodyRowsIn({0, 0, 585, 209}), (GridSpan{1, 4}));
  EXPECT_TRUE(few.BodyRowsIn({0, 64, 585, 209}).Empty());
}

TEST(GridGeometryPaint, WithoutHeaderRowsEveryRowScrolls) {
  GridGeometry grid = EntryGrid(1, 0);
  EXPECT_TRUE(grid.HeaderRowsIn({0, 0, 585, 209}).Empty());
  EXPECT_EQ(grid.BodyRowsIn({0, 0, 585, 209}), (GridSpan{0, 1}));
  EXPECT_EQ(grid.RowRect(0), (GridRect{0, 0, 585, 16}));
}

TEST(GridGeometryRowRect, OnlyRowsOnScreenHaveARectangle) {
  GridGeometry grid = EntryGrid(1000);
  grid.SetTopRow(10);
  EXPECT_EQ(grid.RowRect(0), (GridRect{0, 0, 585, 16}));
  EXPECT_EQ(grid.RowRect(10), (GridRect{0, 16, 585, 32}));
  EXPECT_EQ(grid.RowRect(22), (GridRect{0, 208, 585, 224}));  // one pixel of it shows
  EXPECT_TRUE(grid.RowRect(9).Empty());
  EXPECT_TRUE(grid.RowRect(23).Empty());
  EXPECT_TRUE(grid.RowRect(1000).Empty());
  EXPECT_TRUE(grid.RowRect(-1).Empty());

  // Scrolled to the last column, the rows end where that column ends.
  grid.SetLeftCol(grid.MaxLeftCol());
  EXPECT_EQ(grid.RowRect(0).right, 576);
}

TEST(GridGeometryRowRect, RowsAddedOrDroppedAtTheEndRepaintOnlyWhenInView) {
  GridGeometry grid = EntryGrid(1000);
  grid.SetTopRow(100);
  EXPECT_EQ(grid.AreaFromRow(105), (GridRect{0, 96, 585, 209}));
  EXPECT_EQ(grid.AreaFromRow(112), (GridRect{0, 208, 585, 209}));
  EXPECT_TRUE(grid.AreaFromRow(113).Empty());
  EXPECT_TRUE(grid.AreaFromRow(2000000000).Empty());
  EXPECT_EQ(grid.AreaFromRow(50), (GridRect{0, 16, 585, 209}));
  EXPECT_EQ(grid.AreaFromRow(0), (GridRect{0, 0, 585, 209}));
}

TEST(GridGeometryHitTest, CellsIncludeTheirGridLinesAndNothingBeyondTheTable) {
  GridGeometry grid = EntryGrid(1000);
  EXPECT_EQ(grid.CellAt(0, 0), (GridCell{0, 0}));
  EXPECT_EQ(grid.CellAt(170, 15), (GridCell{0, 0}));
  EXPECT_EQ(grid.CellAt(171, 16), (GridCell{1, 1}));
  EXPECT_EQ(grid.CellAt(584, 208), (GridCell{7, 13}));
  EXPECT_FALSE(grid.CellAt(-1, 5).Valid());
  EXPECT_FALSE(grid.CellAt(5, -1).Valid());
  EXPECT_FALSE(grid.CellAt(585, 5).Valid());
  EXPECT_FALSE(grid.CellAt(5, 209).Valid());

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

TEST(GridGeometryHitTest, ColumnBordersAreFoundOnlyInTheHeaderWithSlack) {
  GridGeometry grid = EntryGrid(1000);
  // Column 0 ends between pixels 170 and 171; three pixels of slack either side.
  for (int x : {168, 170, 171, 173}) EXPECT_EQ(grid.ResizeBorderAt(x, 5, 3), 0) << x;
  for (int x : {167, 174, 100}) EXPECT_EQ(grid.ResizeBorderAt(x, 5, 3), -1) << x;
  EXPECT_EQ(grid.ResizeBorderAt(259, 15, 3), 1);
  EXPECT_EQ(grid.ResizeBorderAt(170, 16, 3), -1);  // first scrolling row
  EXPECT_EQ(grid.ResizeBorderAt(170, -1, 3), -1);

  grid.SetLeftCol(1);
  EXPECT_EQ(grid.ResizeBorderAt(88, 5, 3), 1);
  EXPECT_EQ(grid.ResizeBorderAt(1, 5, 3), -1);  // the left edge borders a hidden column

  EXPECT_EQ(EntryGrid(1, 0).ResizeBorderAt(170, 5, 3), -1);  // no header row, no resizing
}

TEST(GridGeometryHitTest, NearestBorderWinsAndANarrowedColumnStaysReachable) {
  GridGeometry grid(16, {50, 4, 50});
  grid.SetClientSize(300, 100);
  grid.SetShape(10, 1);
  EXPECT_EQ(grid.ResizeBorderAt(49, 5, 3), 0);
  EXPECT_EQ(grid.ResizeBorderAt(53, 5, 3), 1);
  grid.SetColumnWidth(1, 0);
  EXPECT_EQ(grid.ResizeBorderAt(50, 5, 3), 1);
}

TEST(GridGeometryScrolling, LimitsFollowRowCountClientSizeAndHeader) {
  GridGeometry grid = EntryGrid(1000);
  EXPECT_EQ(grid.PageRows(), 12);
  EXPECT_EQ(grid.MaxTopRow(), 988);
  EXPECT_FALSE(grid.SetTopRow(-5));
  EXPECT_EQ(grid.TopRow(), 1);
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

  // Dropping the header row lets row 0 scroll.
  GridGeometry plain = EntryGrid(2, 1);
  plain.SetShape(1, 0);
  EXPECT_EQ(plain.TopRow(), 0);
}

TEST(GridGeometryScrolling, IntoViewScrollsAsLittleAsPossible) {
  GridGeometry grid = EntryGrid(1000);
  EXPECT_FALSE(grid.ScrollIntoView(12));
  EXPECT_TRUE(grid.ScrollIntoView(13));  // partly visible counts as out of view
  EXPECT_EQ(grid.TopRow(), 2);
  EXPECT_EQ(grid.LastFullyVisibleRow(), 13);
  EXPECT_TRUE(grid.ScrollIntoView(999));
  EXPECT_EQ(grid.TopRow(), 988);
  EXPECT_TRUE(grid.ScrollIntoView(700));
  EXPECT_EQ(grid.TopRow(), 700);
  EXPECT_FALSE(grid.ScrollIntoView(0));  // header rows are always in view
  EXPECT_FALSE(grid.ScrollIntoView(1000));
  EXPECT_EQ(grid.TopRow(), 700);
}

TEST(GridGeometryScrolling, ColumnsScrollUntilTheLastOnesFit) {
  GridGeometry grid = EntryGrid(10);
  // 9 x 64 = 576 fits in 585 with column 2 first; 89 more does not.
  EXPECT_EQ(grid.MaxLeftCol(), 2);
  EXPECT_TRUE(grid.SetLeftCol(20));
  EXPECT_EQ(grid.LeftCol(), 2);
  EXPECT_EQ(grid.ColumnLeft(3), 64);
  EXPECT_EQ(grid.ColumnLeft(0), -260);

  grid.SetClientSize(2000, 209);
  EXPECT_EQ(grid.LeftCol(), 0);
  EXPECT_EQ(grid.MaxLeftCol(), 0);

  grid.SetClientSize(50, 209);
  EXPECT_EQ(grid.MaxLeftCol(), 10);  // even the last column alone is too wide

  // Narrowing columns lets more of them fit, which pulls the position back.
  grid.SetClientSize(585, 209);
  grid.SetLeftCol(2);
  grid.SetColumnWidth(1, 60);
  EXPECT_EQ(grid.LeftCol(), 2);
  grid.SetColumnWidth(10, 0);
  EXPECT_EQ(grid.LeftCol(), 1);
}

TEST(GridGeometryScrolling, ScrollBarsDescribeRangePageAndPosition) {
  GridGeometry grid = EntryGrid(100000);
  grid.SetTopRow(grid.MaxTopRow());
  ScrollBarState vertical = grid.VerticalBar();
  EXPECT_EQ(vertical, (ScrollBarState{0, 99998, 12, 99987}));
  // The thumb at its end reaches the end of the range.
  EXPECT_EQ(vertical.pos + vertical.page - 1, vertical.max);

  EXPECT_EQ(EntryGrid(5).VerticalBar(), (ScrollBarState{0, 3, 12, 0}));
  EXPECT_EQ(EntryGrid(1, 0).VerticalBar(), (ScrollBarState{0, 0, 13, 0}));

  GridGeometry wide = EntryGrid(10);
  wide.SetLeftCol(1);
  ScrollBarState horizontal = wide.HorizontalBar();
  EXPECT_EQ(horizontal, (ScrollBarState{0, 10, 9, 1}));
  wide.SetLeftCol(5);
  EXPECT_EQ(wide.HorizontalBar().pos + wide.HorizontalBar().page - 1, 10);
}

}  // namespace
}  // namespace tarnwick
