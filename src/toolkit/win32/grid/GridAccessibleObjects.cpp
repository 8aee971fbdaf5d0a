// One COM class serves the table (row -1) and each row. A call names the object itself or one of
// its children; both resolve to an element, a row or a cell, and one set of rules per property
// answers for every element, so asking the table about child 5 gives what row 4's own object says.
#include "toolkit/win32/grid/GridAccessibleObjects.h"

#include <algorithm>
#include <climits>
#include <new>
#include <string_view>

#include "toolkit/grid/GridAccessibleLayout.h"
#include "toolkit/grid/GridAccessibleText.h"
#include "toolkit/win32/grid/GridControl.h"

namespace tarnwick {

namespace {

// The table (row -1, col -1), a row (col -1), or a cell.
struct Element {
  int row = -1;
  int col = -1;
};

// The text as a screen reader gets it, in the system's ANSI code page; null when empty.
BSTR ToBstr(std::string_view text) {
  text = text.substr(0, size_t{INT_MAX});
  if (text.empty()) return nullptr;
  const int size = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
  if (!result) throw std::bad_alloc();
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, result, wide);
  return result;
}

void SetChild(VARIANT* variant, long childId) {
  variant->vt = VT_I4;
  variant->lVal = childId;
}

void SetObject(VARIANT* variant, IDispatch* object) {
  variant->vt = VT_DISPATCH;
  variant->pdispVal = object;
}

bool IsEntryRow(const GridControl& grid, const Element& element) {
  return element.row >= grid.Geometry().FixedRows() && element.col < 0;
}

bool HasFocus(const GridControl& grid) { return GetFocus() == grid.Handle(); }

// What an action answers while long work blocks the grid's input: it did nothing, and a screen
// reader must not report that it did.
const HRESULT kRefusedWhileBusy = HRESULT_FROM_WIN32(ERROR_BUSY);

// COM interfaces have no virtual destructor: the object deletes itself in Release, never through
// the interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class GridAccessible final : public IAccessible {
 public:
  GridAccessible(std::shared_ptr<GridAccessLink> link, int row)
      : link_(std::move(link)), row_(row) {}

  // IUnknown.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != __uuidof(IAccessible))
      return E_NOINTERFACE;
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: assistive technology calls the IAccessible methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // Structure.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    return WithGrid([&](GridControl& grid) {
      if (row_ < 0) {
        return AccessibleObjectFromWindow(grid.Handle(), static_cast<DWORD>(OBJID_WINDOW),
                                          __uuidof(IDispatch), reinterpret_cast<void**>(parent));
      }
      *parent = NewObject(-1);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return WithGrid([&](GridControl& grid) {
      *count = row_ < 0 ? grid.Geometry().RowCount() : grid.Geometry().ColCount();
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    return WithElement(child, [&](GridControl&, const Element& element) {
      if (IsSelf(child)) return E_INVALIDARG;
      // Rows are objects of their own; cells are simple elements of their row.
      if (element.col >= 0) return S_FALSE;
      *object = NewObject(element.row);
      return S_OK;
    });
  }

  // Description.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    return WithElement(child, [&](GridControl& grid, const Element& element) {
      *name = element.row < 0
                  ? ToBstr(grid.AccessibleName())
                  : ToBstr(grid.Table().ShownText(std::max(element.col, 0), element.row));
      return *name ? S_OK : S_FALSE;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    VariantInit(role);
    return WithElement(child, [&](GridControl& grid, const Element& element) {
      long value = ROLE_SYSTEM_TABLE;
      if (element.col >= 0) {
        value =
            element.row < grid.Geometry().FixedRows() ? ROLE_SYSTEM_COLUMNHEADER : ROLE_SYSTEM_CELL;
      } else if (element.row >= 0) {
        value = ROLE_SYSTEM_ROW;
      }
      SetChild(role, value);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    VariantInit(state);
    return WithElement(child, [&](GridControl& grid, const Element& element) {
      SetChild(state, StateOf(grid, element));
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    return WithElement(child, [&](GridControl& grid, const Element& element) {
      RECT rect{};
      if (element.row < 0) {
        GetClientRect(grid.Handle(), &rect);
      } else {
        const GridRect bounds = BoundsOf(grid.Geometry(), element.row, element.col).rect;
        rect = {bounds.left, bounds.top, bounds.right, bounds.bottom};
      }
      MapWindowPoints(grid.Handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
      *left = rect.left;
      *top = rect.top;
      *width = rect.right - rect.left;
      *height = rect.bottom - rect.top;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override { return None(value); }
  // An entry row's description reads its other columns with their captions; an entry cell's
  // names its column. The header row's cells have the captions as their names already.
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    if (!text) return E_POINTER;
    *text = nullptr;
    return WithElement(child, [&](GridControl& grid, const Element& element) {
      if (element.row < grid.Geometry().FixedRows()) return DISP_E_MEMBERNOTFOUND;
      *text = element.col < 0 ? ToBstr(RowDescription(grid.Table(), element.row))
                              : ToBstr(ColumnCaption(grid.Table(), element.col));
      return *text ? S_OK : S_FALSE;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return None(help); }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override {
    return None(keys);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (topic) *topic = 0;
    return None(file);
  }

  // The current row.
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    VariantInit(focus);
    return WithGrid([&](GridControl& grid) {
      const int current = grid.Table().Row();
      if (!HasFocus(grid)) return S_OK;
      if (row_ < 0) SetObject(focus, NewObject(current));
      if (row_ == current) SetChild(focus, kSelfChild);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    VariantInit(selection);
    return WithGrid([&](GridControl& grid) {
      if (row_ < 0) SetObject(selection, NewObject(grid.Table().Row()));
      return S_OK;
    });
  }

  // Actions: a row's default action is a click on it.
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!action) return E_POINTER;
    *action = nullptr;
    return WithElement(child, [&](GridControl& grid, const Element& element) {
      if (!IsEntryRow(grid, element)) return DISP_E_MEMBERNOTFOUND;
      *action = ToBstr("Click");
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return WithElement(child, [&](GridControl& grid, const Element& element) {
      if (!IsEntryRow(grid, element)) return DISP_E_MEMBERNOTFOUND;
      if (grid.InputBlocked()) return kRefusedWhileBusy;
      grid.ClickRow(element.row);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return WithElement(child, [&](GridControl& grid, const Element& element) {
      // One row is always selected: it can be moved, not added to, extended or taken away.
      if (flags & (SELFLAG_EXTENDSELECTION | SELFLAG_REMOVESELECTION)) return E_INVALIDARG;
      const bool selects = flags & (SELFLAG_TAKESELECTION | SELFLAG_ADDSELECTION);
      if (element.row < 0 ? selects : !IsEntryRow(grid, element)) return E_INVALIDARG;
      // While input is blocked the focus stays where it is, as the current row does.
      if (grid.InputBlocked()) return kRefusedWhileBusy;
      if (element.row >= 0 && (selects || (flags & SELFLAG_TAKEFOCUS))) grid.ClickRow(element.row);
      if (flags & SELFLAG_TAKEFOCUS) SetFocus(grid.Handle());
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    VariantInit(hit);
    return WithGrid([&](GridControl& grid) {
      POINT point{x, y};
      ScreenToClient(grid.Handle(), &point);
      const GridGeometry& geometry = grid.Geometry();
      const int found = row_ < 0 ? TableChildAt(geometry, point.x, point.y)
                                 : RowChildAt(geometry, row_, point.x, point.y);
      if (found == kNoChild) return S_FALSE;
      if (row_ < 0 && found != kSelfChild) {
        SetObject(hit, NewObject(RowOfChild(geometry, found)));
      } else {
        SetChild(hit, found);
      }
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
    if (end) VariantInit(end);
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  static HRESULT None(BSTR* text) {
    if (text) *text = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }
  static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == kSelfChild; }

  IDispatch* NewObject(int row) const { return new GridAccessible(link_, row); }

  // Runs `call` with the grid, unless its window is gone. Nothing thrown leaves: the caller may
  // be another process.
  template <class Call>
  HRESULT WithGrid(Call&& call) const noexcept {
    GridControl* grid = link_->grid;
    if (!grid) return RPC_E_DISCONNECTED;
    try {
      return call(*grid);
    } catch (...) {
      return E_FAIL;
    }
  }

  // The same for the element that `child` names on this object.
  template <class Call>
  HRESULT WithElement(const VARIANT& child, Call&& call) const noexcept {
    return WithGrid([&](GridControl& grid) {
      if (child.vt != VT_I4) return E_INVALIDARG;
      const GridGeometry& geometry = grid.Geometry();
      if (row_ >= geometry.RowCount()) return E_FAIL;
      Element element{row_, -1};
      if (child.lVal != kSelfChild) {
        if (row_ < 0) {
          element.row = RowOfChild(geometry, child.lVal);
        } else {
          element.col = ColumnOfChild(geometry, child.lVal);
        }
        if (element.row < 0 || (row_ >= 0 && element.col < 0)) return E_INVALIDARG;
      }
      return call(grid, element);
    });
  }

  static long StateOf(const GridControl& grid, const Element& element) {
    if (element.row < 0)
      return STATE_SYSTEM_FOCUSABLE | (HasFocus(grid) ? STATE_SYSTEM_FOCUSED : 0);
    long state =
        BoundsOf(grid.Geometry(), element.row, element.col).offscreen ? STATE_SYSTEM_OFFSCREEN : 0;
    if (element.col >= 0) return state | STATE_SYSTEM_READONLY;
    if (!IsEntryRow(grid, element)) return state;
    state |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (element.row != grid.Table().Row()) return state;
    return state | STATE_SYSTEM_SELECTED | (HasFocus(grid) ? STATE_SYSTEM_FOCUSED : 0);
  }

  std::shared_ptr<GridAccessLink> link_;
  int row_;
  ULONG references_ = 1;
};
#pragma GCC diagnostic pop

}  // namespace

IAccessible* NewTableAccessible(const std::shared_ptr<GridAccessLink>& link) {
  return new GridAccessible(link, -1);
}

}  // namespace tarnwick
