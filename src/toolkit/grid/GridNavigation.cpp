#include "toolkit/grid/GridNavigation.h"

#include <algorithm>

namespace tarnwick {

namespace {

int ClampToEntryRows(const GridGeometry& geometry, int row) {
  return std::clamp(row, geometry.FixedRows(), geometry.RowCount() - 1);
}

}  // namespace

int RowAfterKey(const GridGeometry& geometry, int currentRow, GridKey key, bool ctrl) {
  if (geometry.RowCount() <= geometry.FixedRows() || ScrollStepOfKey(key, ctrl) != 0)
    return currentRow;
  int target = currentRow;
  switch (key) {
    case GridKey::Up:
      target = currentRow - 1;
      break;
    case GridKey::Down:
      target = currentRow + 1;
      break;
    case GridKey::PageUp:
      target = ctrl ? geometry.TopRow() : currentRow - geometry.PageRows();
      break;
    case GridKey::PageDown:
      target = ctrl ? geometry.LastFullyVisibleRow() : currentRow + geometry.PageRows();
      break;
    case GridKey::Home:
      target = geometry.FixedRows();
      break;
    case GridKey::End:
      target = geometry.RowCount() - 1;
      break;
  }
  return ClampToEntryRows(geometry, target);
}

int ScrollStepOfKey(GridKey key, bool ctrl) {
  if (!ctrl) return 0;
  if (key == GridKey::Up) return -1;
  return key == GridKey::Down ? 1 : 0;
}

int RowForDrag(const GridGeometry& geometry, int y) {
  if (geometry.RowCount() <= geometry.FixedRows()) return -1;
  const int bodyTop = geometry.BodyTop();
  if (y < bodyTop) return ClampToEntryRows(geometry, geometry.TopRow() - 1);
  if (y >= geometry.ClientHeight()) {
    return ClampToEntryRows(geometry, geometry.LastFullyVisibleRow() + 1);
  }
  return ClampToEntryRows(geometry, geometry.TopRow() + (y - bodyTop) / geometry.RowHeight());
}

int WheelNotches::Add(int delta) {
  if ((delta > 0 && remainder_ < 0) || (delta < 0 && remainder_ > 0)) remainder_ = 0;
  remainder_ += delta;
  int notches = remainder_ / kNotch;
  remainder_ -= notches * kNotch;
  return notches;
}

}  // namespace tarnwick
