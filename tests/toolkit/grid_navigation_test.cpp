#include "toolkit/grid/GridNavigation.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// 16-pixel rows under a header row, 12 whole rows in view.
GridGeometry Grid(int rowCount, int fixedRows = 1) {
  GridGeometry grid(16, {100, 100});
  grid.SetClientSize(200, 209);
  grid.SetShape(rowCount, fixedRows);
  return grid;
}

int Key(const GridGeometry& grid, int row, GridKey key, bool ctrl = false) {
  return RowAfterKey(grid, row, key, ctrl);
}

TEST(GridKeys, StepsAndPagesStopAtTheEntryRows) {
  GridGeometry grid = Grid(100);
  EXPECT_EQ(Key(grid, 5, GridKey::Down), 6);
  EXPECT_EQ(Key(grid, 5, GridKey::Up), 4);
  EXPECT_EQ(Key(grid, 1, GridKey::Up), 1);  // never onto the header row
  EXPECT_EQ(Key(grid, 99, GridKey::Down), 99);
  EXPECT_EQ(Key(grid, 5, GridKey::PageDown), 17);
  EXPECT_EQ(Key(grid, 40, GridKey::PageUp), 28);
  EXPECT_EQ(Key(grid, 5, GridKey::PageUp), 1);
  EXPECT_EQ(Key(grid, 95, GridKey::PageDown), 99);
}

TEST(GridKeys, HomeEndAndCtrlPagesGoToTheEndsOfTableAndView) {
  GridGeometry grid = Grid(100);
  grid.SetTopRow(30);
  for (bool ctrl : {false, true}) {
    EXPECT_EQ(Key(grid, 50, GridKey::Home, ctrl), 1);
    EXPECT_EQ(Key(grid, 50, GridKey::End, ctrl), 99);
  }
  EXPECT_EQ(Key(grid, 35, GridKey::PageUp, true), 30);
  EXPECT_EQ(Key(grid, 35, GridKey::PageDown, true), 41);
  // The current row may lie outside the view: the view decides, not the row.
  EXPECT_EQ(Key(grid, 90, GridKey::PageUp, true), 30);

  // Ctrl with Up and Down scrolls the view instead and leaves the row.
  EXPECT_EQ(Key(grid, 35, GridKey::Up, true), 35);
  EXPECT_EQ(Key(grid, 35, GridKey::Down, true), 35);
  EXPECT_EQ(ScrollStepOfKey(GridKey::Up, true), -1);
  EXPECT_EQ(ScrollStepOfKey(GridKey::Down, true), 1);
  for (GridKey key : {GridKey::Up, GridKey::Down, GridKey::PageUp, GridKey::Home})
    EXPECT_EQ(ScrollStepOfKey(key, false), 0);
  EXPECT_EQ(ScrollStepOfKey(GridKey::PageDown, true), 0);

  GridGeometry few = Grid(5);
  EXPECT_EQ(Key(few, 2, GridKey::PageDown, true), 4);
  EXPECT_EQ(Key(few, 2, GridKey::PageDown), 4);
}

TEST(GridKeys, WithoutAHeaderRowRowZeroIsAnEntryRow) {
  GridGeometry single = Grid(1, 0);
  for (GridKey key : {GridKey::Up, GridKey::Down, GridKey::PageUp, GridKey::PageDown,
                      GridKey::Home, GridKey::End}) {
    EXPECT_EQ(Key(single, 0, key), 0);
    EXPECT_EQ(Key(single, 0, key, true), 0);
  }
  EXPECT_EQ(Key(Grid(10, 0), 3, GridKey::Home), 0);
}

TEST(GridKeys, AHeaderOnlyTableLeavesTheRowAlone) {
  GridGeometry grid = Grid(1, 1);
  EXPECT_EQ(Key(grid, 0, GridKey::Down), 0);
  EXPECT_EQ(Key(grid, 0, GridKey::End), 0);
}

TEST(GridDrag, FollowsThePointerAndStepsBeyondTheViewWhenOutside) {
  GridGeometry grid = Grid(100);
  grid.SetTopRow(30);
  EXPECT_EQ(RowForDrag(grid, 16), 30);
  EXPECT_EQ(RowForDrag(grid, 40), 31);
  EXPECT_EQ(RowForDrag(grid, 208), 42);  // the partly visible row under the pointer
  EXPECT_EQ(RowForDrag(grid, 209), 42);  // below the client: one past the last whole row
  EXPECT_EQ(RowForDrag(grid, 5000), 42);
  EXPECT_EQ(RowForDrag(grid, 15), 29);  // over the header: one above the top row
  EXPECT_EQ(RowForDrag(grid, -300), 29);

  grid.SetTopRow(1);
  EXPECT_EQ(RowForDrag(grid, -10), 1);
  GridGeometry few = Grid(4);
  EXPECT_EQ(RowForDrag(few, 150), 3);  // below the last row, inside the client
  EXPECT_EQ(RowForDrag(few, 300), 3);
  EXPECT_EQ(RowForDrag(Grid(1, 1), 20), -1);  // nothing to select
}

TEST(GridWheel, CountsWholeNotchesAndKeepsFractionsOfOneDirection) {
  WheelNotches wheel;
  EXPECT_EQ(wheel.Add(120), 1);
  EXPECT_EQ(wheel.Add(-360), -3);
  EXPECT_EQ(wheel.Add(40), 0);
  EXPECT_EQ(wheel.Add(40), 0);
  EXPECT_EQ(wheel.Add(60), 1);  // 140: one notch, 20 left over
  EXPECT_EQ(wheel.Add(100), 1);
  EXPECT_EQ(wheel.Add(100), 0);
  EXPECT_EQ(wheel.Add(-100), 0);  // turning back drops the 100 gathered upwards
  EXPECT_EQ(wheel.Add(-20), -1);
}

}  // namespace
}  // namespace tarnwick
