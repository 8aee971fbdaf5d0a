#pragma once
// The grid as assistive technology sees it: the table, whose children are row objects, whose
// children are the cells. The objects read the grid's own table and geometry on every call, so
// they never hold a copy, and they hold the grid weakly: once its window is gone every call fails
// with RPC_E_DISCONNECTED, and a row object that outlived its row fails with E_FAIL.
#include <oleacc.h>
#include <windows.h>

#include <memory>

namespace tarnwick {

class GridControl;

// Shared by the grid and every object it handed out; the grid clears it when its window goes.
struct GridAccessLink {
  GridControl* grid = nullptr;
};

// The table object, with one reference for the caller.
IAccessible* NewTableAccessible(const std::shared_ptr<GridAccessLink>& link);

}  // namespace tarnwick
