#pragma once
// The grid on the main window: a control with a place in the layout whose model is the entry
// table itself, so the form's handlers read and write rows on it directly.
#include "cache/EntryTable.h"
#include "toolkit/GridBox.h"

namespace tarnwick {

class EntryGrid : public GridBox, public EntryTable {
 public:
  GridModel& Model() override { return *this; }
};

}  // namespace tarnwick
