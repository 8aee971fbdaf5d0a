#pragma once
// How assistive technology addresses the grid. The table's children are its rows, the header row
// first; each row's children are its cells. Children are numbered from 1, as the platform's
// accessibility interface numbers them, 0 naming the object itself. Everything here takes constant
// time whatever the number of rows: a screen reader asks often.
#include "toolkit/grid/GridGeometry.h"

namespace tarnwick {

constexpr int kSelfChild = 0;
constexpr int kNoChild = -1;

inline int ChildOfRow(int row) { return row + 1; }
// The row or the column a child id names; -1 for an id that names none.
int RowOfChild(const GridGeometry& geometry, long childId);
int ColumnOfChild(const GridGeometry& geometry, long childId);

struct AccessibleBounds {
  GridRect rect;
  bool offscreen = false;

  bool operator==(const AccessibleBounds&) const = default;
};

// Where a row (col -1) or one of its cells shows, in client pixels: the part in view, or, when
// nothing of it is in view (scrolled out, or under the header rows), where it would lie and
// offscreen.
AccessibleBounds BoundsOf(const GridGeometry& geometry, int row, int col = -1);

// The table's child under a client point: its row, kSelfChild on the client area off the rows,
// kNoChild outside the client area.
int TableChildAt(const GridGeometry& geometry, int x, int y);
// The child of `row` under a client point: its cell, kSelfChild on the row off the cells (never,
// while the columns reach the edge), kNoChild off the row.
int RowChildAt(const GridGeometry& geometry, int row, int x, int y);

}  // namespace tarnwick
