#pragma once
// The main window: its controls as models, the view mode, and one handler per bound event. The
// Win32 host shows the models and routes the user's input to the handlers; nothing here sees a
// window, so every handler runs in tests as it runs in the program.
#include <cstdint>
#include <vector>

#include "cache/EntryRow.h"
#include "cache/ViewMode.h"
#include "platform/Platform.h"
#include "toolkit/Buttons.h"
#include "toolkit/Keys.h"
#include "toolkit/Menu.h"
#include "toolkit/Scaling.h"
#include "toolkit/TextControls.h"
#include "window/BusyMonitor.h"
#include "window/EntryTableBox.h"

namespace tarnwick {

class TForm1 {
 public:
  static constexpr char kCaption[] = "Tarnwick";
  // Outer bounds on the screen at 96 dots per inch. At another density the window keeps its
  // place and its client area becomes kDesignClient scaled as the controls are.
  static constexpr Bounds kBounds{222, 119, 625, 455};
  // The client area the layout is designed for, at 96 dots per inch.
  static constexpr Size kDesignClient{617, 421};
  // The grid's row height at 96 dots per inch.
  static constexpr int kRowHeight = 16;
  // The grid's text 2 pixels from a cell's left edge; a press up to 3 pixels from a column border
  // grabs it; a drag leaves a column at least 4 pixels wide. At 96 dots per inch.
  static constexpr GridSpacing kGridSpacing{2, 3, 4};
  // The font, and the height of its "0" at 96 dots per inch: a screen's font is measured against
  // it for the scale the window is drawn at.
  static constexpr char kFontName[] = "MS Sans Serif";
  static constexpr int kFontHeight = 11;
  static constexpr int kFontZeroHeight = 13;
  // The status line's distance from the left edge, and below the grid, at 96 dots per inch.
  static constexpr int kMargin = 8;
  static constexpr int kStatusGap = 4;

  // Reads the layout: places, captions and anchors of every control in tab order, and binds their
  // events to the handlers below. Runs no handler.
  explicit TForm1(Platform& platform);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // The controls keep the names the form was designed with, bnt_Clear and Memo1 among them: the
  // handlers and bindings are named after them, so they stay as they are.
  //
  // A radio button for each view, and the handler of its click, which lists that view.
  RadioButton rdo_Content;
  void rdo_ContentClick() { ShowView(vmContent); }
  RadioButton rdo_Cookie;
  void rdo_CookieClick() { ShowView(vmCookies); }
  RadioButton rdo_History;
  void rdo_HistoryClick() { ShowView(vmHistory); }

  Button bnt_Clear;
  EntryTableBox grd;
  Memo Memo1;
  Button btn_Refresh;
  Edit edt_Search;
  Button btn_Search;
  Label lbl_Status;
  PopupMenu pop;
  MenuItem Deletethisentry1;
  MenuItem OpeninBrowser1;
  MenuItem Openlocalfile1;

  TViewMode FViewMode = vmContent;

  // Window events.
  void FormCreate();
  void FormResize();
  // Key preview: every key pressed in the window, before the focused control. Setting `key` to 0
  // keeps it from the control.
  void FormKeyDown(uint16_t& key, ShiftState shift);

  // Control events.
  void btn_RefreshClick();
  void grdClick();
  void btn_SearchClick();
  // A character typed in the search box; 0 swallows it.
  void edt_SearchKeyPress(char& key);
  void bnt_ClearClick();
  void Deletethisentry1Click();
  void OpeninBrowser1Click();
  void Openlocalfile1Click();

  // Lists the current view into the grid and writes the summary into the status line.
  void RefreshList();
  // Moves the current row to the next row containing the search box's text.
  void SearchNext();

  // The user's number settings changed: later summaries use the new separators.
  void SettingsChanged();
  NumberSeparators Separators() const { return separators_; }

  // The window's client area has a new size: anchors first, then FormResize.
  void ClientResized(Size client);
  // Draws every control at `scale` against the design, for the screen's density.
  void ScaleControls(Scale scale);
  // Every control of the window, in the layout's order: those that take the focus in tab order,
  // then the label.
  const std::vector<Control*>& Controls() const { return controls_; }
  // Where the layout places `control` at the design's client size; empty for none of the form's.
  Bounds DesignBoundsOf(const Control& control) const;

  // The native window, handed to the shell as the owner of what it opens.
  void* Handle() const { return handle_; }
  void SetHandle(void* handle) { handle_ = handle; }
  void SetBusyMonitor(BusyMonitor* monitor) { monitor_ = monitor; }

 private:
  struct Placement;

  void ReadLayout();
  void Place(const Placement& placement);
  // Lists `view`, which is now the view shown.
  void ShowView(TViewMode view);

  Platform& platform_;
  EntryRowFormatter formatter_;
  NumberSeparators separators_;
  RadioGroup views_;
  std::vector<Control*> controls_;
  // The layout's bounds of each control, in the order of controls_.
  std::vector<Bounds> designBounds_;
  void* handle_ = nullptr;
  BusyMonitor* monitor_ = nullptr;
  // The scale of the controls against the design, for the margins FormResize keeps.
  Scale scale_;
};

}  // namespace tarnwick
