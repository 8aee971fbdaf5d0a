#pragma once
// A grid as one control of a window: its place in the layout, the model it shows, its row height,
// columns' widths and drawing sizes at 96 dots per inch and the menu a right click opens. Its
// native peer makes the grid window that shows the model.
#include <utility>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/Menu.h"
#include "toolkit/grid/GridGeometry.h"
#include "toolkit/grid/GridModel.h"

namespace tarnwick {

class GridBox : public Control {
 public:
  GridBox() : Control(ControlKind::kGrid) {}
  virtual GridModel& Model() = 0;

  const std::vector<int>& DesignWidths() const { return designWidths_; }
  void SetDesignWidths(std::vector<int> widths) { designWidths_ = std::move(widths); }
  int DesignRowHeight() const { return designRowHeight_; }
  void SetDesignRowHeight(int height) { designRowHeight_ = height; }
  const GridSpacing& DesignSpacing() const { return designSpacing_; }
  void SetDesignSpacing(GridSpacing spacing) { designSpacing_ = spacing; }
  // Null: a right click opens nothing.
  const PopupMenu* PopupMenuModel() const { return popupMenu_; }
  void SetPopupMenu(const PopupMenu* menu) { popupMenu_ = menu; }

 private:
  std::vector<int> designWidths_;
  int designRowHeight_ = 0;
  GridSpacing designSpacing_;
  const PopupMenu* popupMenu_ = nullptr;
};

}  // namespace tarnwick
