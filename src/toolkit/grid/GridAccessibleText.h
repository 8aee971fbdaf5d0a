#pragma once
// What assistive technology reads of the grid beyond each cell's own text. A row's description
// holds its other columns with their captions, as a list view's item does, so a screen reader
// user hears the whole entry while moving from row to row; a cell's description is its column's
// caption. Both read the row asked about and the header row only, whatever the table's size.
#include <string>
#include <string_view>

#include "toolkit/grid/GridModel.h"

namespace tarnwick {

// The caption of `col`: its text in the header row; empty in a table without one.
std::string_view ColumnCaption(const GridModel& table, int col);

// "Caption: text" for every column after the first, which names the row, whose cell shows
// something, in column order and separated by ", "; a column without a caption gives its text
// alone. Empty for a header row.
std::string RowDescription(const GridModel& table, int row);

}  // namespace tarnwick
