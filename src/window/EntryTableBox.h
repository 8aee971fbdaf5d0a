#pragma once
// The entry table as the main window's grid box: a control with a place in the layout whose model
// is the table itself, so the form's handlers read and write rows on it directly.
#include "cache/EntryTable.h"
#include "toolkit/GridBox.h"

namespace tarnwick {

class EntryTableBox : public GridBox, public EntryTable {
 public:
  GridModel& Model() override { return *this; }
  std::function<void()>* ClickEvent() override { return &OnClick; }
};

}  // namespace tarnwick
