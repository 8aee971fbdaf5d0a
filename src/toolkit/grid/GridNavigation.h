#pragma once
// Which row the keyboard, a mouse drag and the wheel move the current row to. The current row is
// never a header row; each result is a row between the first and the last entry row.
#include "toolkit/grid/GridGeometry.h"

namespace tarnwick {

enum class GridKey { Up, Down, PageUp, PageDown, Home, End };

// The row `key` moves the current row to, or `currentRow` when it leaves it where it is. Page Up
// and Page Down move by the rows that fit under the header; with Ctrl they go to the first and
// last wholly visible row, and Home and End go to the first and last entry row with or without it.
// Up and Down with Ctrl leave the row where it is: they scroll (ScrollStepOfKey).
int RowAfterKey(const GridGeometry& geometry, int currentRow, GridKey key, bool ctrl);

// The rows `key` scrolls the view by without moving the current row: one up or down for Up and
// Down with Ctrl, 0 for every other key.
int ScrollStepOfKey(GridKey key, bool ctrl);

// The row a left-button drag selects with the pointer at client height y: the row under it, or,
// while the pointer is above the scrolling rows or below the client area, the row just beyond
// the visible ones in that direction, so that holding it there keeps scrolling. -1 when the
// table has no entry rows.
int RowForDrag(const GridGeometry& geometry, int y);

// Turns wheel rotation into whole notches. Fine-grained wheels report fractions of a notch; the
// remainder is kept until it adds up, and dropped when the direction changes.
class WheelNotches {
 public:
  static constexpr int kNotch = 120;

  // Whole notches now complete: positive away from the user (towards the top), negative towards.
  int Add(int delta);

 private:
  int remainder_ = 0;
};

}  // namespace tarnwick
