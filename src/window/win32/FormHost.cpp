#include "window/win32/FormHost.h"

#include "toolkit/FocusOrder.h"
#include "toolkit/Keys.h"
#include "toolkit/Scaling.h"
#include "toolkit/win32/ErrorBox.h"
#include "toolkit/win32/MessageLoop.h"
#include "toolkit/win32/PeerFactory.h"
#include "toolkit/win32/PopupMenuPeer.h"
#include "toolkit/win32/WindowClass.h"

namespace tarnwick {
namespace {

// The key codes the form's logic names are the platform's, handed over unchanged.
static_assert(kKeyTab == VK_TAB && kKeyLeft == VK_LEFT && kKeyUp == VK_UP &&
              kKeyRight == VK_RIGHT && kKeyDown == VK_DOWN && kKeyF3 == VK_F3);

constexpr char kClassName[] = "TarnwickForm";
// Child control identifiers, in tab order, well above the dialog box commands.
constexpr int kFirstControlId = 100;
// How often long work updates its count in the status line.
constexpr uint32_t kProgressIntervalMs = 250;
// How long a first listing may keep the window hidden before it is shown with the listing's
// progress; a shorter one is over before the window appears.
constexpr uint32_t kFirstListingHiddenMs = 500;
// The program's icon, resource 1 of res/tarnwick.rc.
constexpr WORD kApplicationIcon = 1;

bool RegisterFormClass(WNDPROC windowProc) {
  return RegisterWindowClassOnce(
      kClassName, windowProc,
      LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kApplicationIcon)),
      LoadCursorA(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
}

int StartShowCommand(int showCommand) {
  switch (showCommand) {
    case SW_SHOWMAXIMIZED:
    case SW_SHOWMINNOACTIVE:
      return showCommand;
    default:
      return SW_SHOWNORMAL;
  }
}

ShiftState CurrentShiftState() {
  ShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  return shift;
}

RECT ToRect(Bounds bounds) { return {bounds.left, bounds.top, bounds.Right(), bounds.Bottom()}; }

}  // namespace

FormHost::FormHost(TForm1& form, Clock clock)
    : form_(form),
      grid_(form.grd, {TForm1::kColumnWidths.begin(), TForm1::kColumnWidths.end()}),
      clock_(std::move(clock)),
      throttle_(kProgressIntervalMs) {
  for (Control* control : form.Controls()) peers_.push_back(MakePeer(*control));
}

FormHost::~FormHost() {
  form_.SetBusyMonitor(nullptr);
  form_.SetHandle(nullptr);
  if (window_) DestroyWindow(window_);
}

bool FormHost::Create(int showCommand) {
  if (!RegisterFormClass(&FormHost::WindowProc)) return false;
  const Bounds bounds = TForm1::kBounds;
  window_ = CreateWindowExA(0, kClassName, TForm1::kCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            bounds.left, bounds.top, bounds.width, bounds.height, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
  if (!window_) return false;
  form_.SetHandle(window_);
  form_.SetBusyMonitor(this);

  font_ = CreateScreenFont(TForm1::kFontName, TForm1::kFontHeight, ScreenDpi());
  if (font_.scaleNum != font_.scaleDen) {
    form_.ScaleControls(font_.scaleNum, font_.scaleDen);
    SetClientSize(ScaledSize(TForm1::kDesignClient, font_.scaleNum, font_.scaleDen));
  }
  CreateControls();
  RECT client{};
  GetClientRect(window_, &client);
  Resized(SIZE_RESTORED, client.right, client.bottom);

  startShowCommand_ = showCommand;
  createStart_ = clock_();
  creating_ = true;
  RunGuarded(window_, [this] { form_.FormCreate(); });
  creating_ = false;
  return true;
}

void FormHost::CreateControls() {
  int id = kFirstControlId;
  for (const auto& peer : peers_) {
    if (&peer->Model() == &form_.grd) {
      peer->Attach(grid_.Create(window_, id++, ToRect(form_.grd.GetBounds()), font_.font,
                                font_.scaleNum, font_.scaleDen));
    } else {
      peer->Create(window_, id++, font_.font);
    }
  }

  grid_.OnContextMenu = [this](POINT screen) { ShowPopup(screen); };
  grid_.SetAccessibleName(form_.grd.AccessibleName());
  if (const Control* first = TabKeyTarget(form_.Controls(), nullptr, 0)) focus_ = WindowOf(*first);
  controlsCreated_ = true;
}

// The frame keeps its own size at any client size: the window has no menu bar to wrap.
void FormHost::SetClientSize(Size client) {
  RECT outer{};
  RECT inner{};
  GetWindowRect(window_, &outer);
  GetClientRect(window_, &inner);
  SetWindowPos(window_, nullptr, 0, 0, client.width + (outer.right - outer.left) - inner.right,
               client.height + (outer.bottom - outer.top) - inner.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormHost::Show(int showCommand) {
  ShowWindow(window_, StartShowCommand(showCommand));
  UpdateWindow(window_);
}

HWND FormHost::WindowOf(const Control& control) const {
  for (const auto& peer : peers_) {
    if (&peer->Model() == &control) return peer->Handle();
  }
  return nullptr;
}

LRESULT CALLBACK FormHost::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = WindowObject<FormHost>(window, message, lParam);
  if (!host) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCCREATE) host->window_ = window;
  if (message == WM_NCDESTROY) {
    UnbindWindowObject(window);
    host->window_ = nullptr;
    host->form_.SetHandle(nullptr);
  }
  // The one boundary for every handler the window's messages run: nothing thrown may cross
  // into the system's message dispatch. The error box reports it and the window carries on.
  LRESULT result = 0;
  RunGuarded(window, [&] { result = host->HandleMessage(message, wParam, lParam); });
  return result;
}

LRESULT FormHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam) Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      if (CloseRequested()) break;
      return 0;
    case WM_SIZE:
      Resized(wParam, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_DPICHANGED:
      DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ACTIVATE:
      Activated(LOWORD(wParam));
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_SETCURSOR:
      if (!busy_) break;
      SetCursor(LoadCursorA(nullptr, IDC_WAIT));
      return TRUE;
    case WM_SETTINGCHANGE:
      form_.SettingsChanged();
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void FormHost::Command(HWND control, WORD code) {
  // Busy, only text edits pass, so the models stay in step with their boxes; every other
  // notification (a click sent by another program, say) would run a handler inside the work.
  if (busy_ && code != EN_CHANGE) return;
  for (const auto& peer : peers_) {
    if (peer->Handle() != control) continue;
    peer->Command(code);
    return;
  }
}

void FormHost::Resized(WPARAM type, int width, int height) {
  // A minimised window keeps its layout for when it is restored.
  if (!controlsCreated_ || type == SIZE_MINIMIZED) return;
  LayOut([this, width, height] { form_.ClientResized({width, height}); });
}

void FormHost::LayOut(const std::function<void()>& change) {
  for (const auto& peer : peers_) peer->HoldBounds();
  RunGuarded(window_, change);
  HDWP batch = BeginDeferWindowPos(static_cast<int>(peers_.size()));
  for (const auto& peer : peers_) batch = peer->MoveWithBatch(batch);
  if (batch) EndDeferWindowPos(batch);
}

// Moved to a monitor of another density: the font is made anew for it and every control scaled
// by how much the new font's "0" differs from the old one's; the window takes the place the
// system suggests, and the anchors fit the controls to its new client area.
void FormHost::DpiChanged(int dpi, const RECT& suggested) {
  ScreenFont font = CreateScreenFont(TForm1::kFontName, TForm1::kFontHeight, dpi);
  if (!font.font) return;
  LayOut([this, &font] {
    form_.ScaleControls(font.scaleNum * font_.scaleDen, font.scaleDen * font_.scaleNum);
  });
  for (const auto& peer : peers_) {
    if (peer->Handle() != grid_.Handle())
      SendMessageA(peer->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.font), TRUE);
  }
  grid_.Rescale(font.font, font.scaleNum, font.scaleDen);
  // The controls have the new font now, so the old one can go.
  font_ = std::move(font);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormHost::Activated(WORD state) {
  if (state == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focus_ = focus;
    return;
  }
  RestoreFocus();
}

void FormHost::RestoreFocus() {
  if (focus_ && IsWindow(focus_)) SetFocus(focus_);
}

bool FormHost::CloseRequested() {
  if (!busy_) return true;
  closePending_ = true;
  return false;
}

void FormHost::ShowPopup(POINT screen) {
  if (busy_) return;
  RunGuarded(window_, [this, screen] {
    if (const MenuItem* item = TrackPopupMenuModel(window_, form_.pop, screen)) item->Click();
  });
}

bool FormHost::PreTranslate(MSG& message) {
  if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return KeyDown(message);
    case WM_CHAR:
      return CharTyped(message);
    default:
      return false;
  }
}

bool FormHost::KeyDown(MSG& message) {
  const ShiftState shift = CurrentShiftState();
  auto key = static_cast<uint16_t>(message.wParam);
  RunGuarded(window_, [this, &key, shift] { form_.FormKeyDown(key, shift); });
  if (key == 0) return true;
  message.wParam = key;
  if (message.message != WM_KEYDOWN || (shift & (ssAlt | ssCtrl)) != 0) return false;

  const std::vector<Control*>& controls = form_.Controls();
  if (key == kKeyTab) return MoveFocus(TabKeyTarget(controls, FocusedControl(), shift));
  const Control* focused = FocusedControl();
  if (!focused) return false;
  Control* target = ArrowKeyTarget(controls, *focused, key);
  if (!MoveFocus(target)) return false;
  RunGuarded(window_, [target] { target->FocusedByArrowKey(); });
  return true;
}

bool FormHost::CharTyped(MSG& message) {
  if (message.hwnd != WindowOf(form_.edt_Search)) return false;
  auto key = static_cast<char>(message.wParam);
  RunGuarded(window_, [this, &key] { key = form_.edt_Search.KeyPress(key); });
  if (key == 0) return true;
  message.wParam = static_cast<unsigned char>(key);
  return false;
}

bool FormHost::MoveFocus(Control* target) {
  if (!target) return false;
  HWND window = WindowOf(*target);
  if (!window) return false;
  focus_ = window;
  SetFocus(window);
  return true;
}

Control* FormHost::FocusedControl() const {
  HWND focus = GetFocus();
  for (const auto& peer : peers_) {
    if (peer->Handle() == focus) return &peer->Model();
  }
  return nullptr;
}

void FormHost::BusyStarted() {
  busy_ = true;
  grid_.BlockInput(true);
  throttle_.Restart(clock_());
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void FormHost::ListingProgress(int rowsListed) {
  ShowProgress([&] { return ListingProgressText(rowsListed, form_.Separators()); });
}

void FormHost::DeletionProgress(int done, int total) {
  ShowProgress([&] { return DeletionProgressText(done, total, form_.Separators()); });
}

void FormHost::ShowProgress(const std::function<std::string()>& text) {
  const uint32_t now = clock_();
  const bool showNow =
      creating_ && now - createStart_ >= kFirstListingHiddenMs && !IsWindowVisible(window_);
  if (!throttle_.Due(now) && !showNow) return;
  form_.lbl_Status.SetCaption(text());
  if (showNow) Show(startShowCommand_);
  PaintDroppingInput();
}

void FormHost::BusyFinished() {
  busy_ = false;
  grid_.BlockInput(false);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  // Carried out from the message loop, once the work has left the stack.
  if (closePending_ && window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  closePending_ = false;
}

}  // namespace tarnwick
