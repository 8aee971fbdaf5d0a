// The main window's creation, its controls, and its density.
#include "window/win32/FormHost.h"

#include "toolkit/FocusOrder.h"
#include "toolkit/win32/ErrorBox.h"
#include "toolkit/win32/WindowClass.h"
#include "window/win32/PeerFactory.h"

namespace tarnwick {
namespace {

constexpr char kClassName[] = "TarnwickForm";
// Child control identifiers, in tab order, well above the dialog box commands.
constexpr int kFirstControlId = 100;
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

}  // namespace

FormHost::FormHost(TForm1& form, Clock clock, Density density)
    : form_(form), clock_(std::move(clock)), density_(std::move(density)) {
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

  // The window's own density: a per-monitor aware window may open on a monitor whose density is
  // not the system's, and no WM_DPICHANGED tells it so until it is moved.
  font_ = CreateScreenFont(TForm1::kFontName, TForm1::kFontHeight, TForm1::kFontZeroHeight,
                           density_(window_));
  if (font_.scale.num != font_.scale.den) {
    form_.ScaleControls(font_.scale);
    SetClientSize({font_.scale.Of(TForm1::kDesignClient.width),
                   font_.scale.Of(TForm1::kDesignClient.height)});
  }
  CreateControls();
  RECT client{};
  GetClientRect(window_, &client);
  Resized(SIZE_RESTORED, client.right, client.bottom);

  startShowCommand_ = showCommand;
  creating_ = true;
  RunGuarded(window_, [this] { form_.FormCreate(); });
  creating_ = false;
  return true;
}

void FormHost::CreateControls() {
  int id = kFirstControlId;
  for (const auto& peer : peers_) peer->Create(window_, id++, font_.font, font_.scale);
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
  if (ShowFrame(showCommand)) UpdateWindow(window_);
}

bool FormHost::ShowFrame(int showCommand) {
  if (closing_) return false;
  // A window a long first listing has shown keeps the state the user gave it meanwhile:
  // maximised, minimised, moved or sized.
  if (!IsWindowVisible(window_)) ShowWindow(window_, StartShowCommand(showCommand));
  return true;
}

HWND FormHost::WindowOf(const Control& control) const {
  for (const auto& peer : peers_) {
    if (&peer->Model() == &control) return peer->Handle();
  }
  return nullptr;
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

// Moved to a monitor of another density: the font is made anew for it and every control drawn at
// the scale the new font's "0" gives; the window takes the place the system suggests, and the
// anchors fit the controls to its new client area.
void FormHost::DpiChanged(int dpi, const RECT& suggested) {
  ScreenFont font =
      CreateScreenFont(TForm1::kFontName, TForm1::kFontHeight, TForm1::kFontZeroHeight, dpi);
  if (!font.font) return;
  LayOut([this, &font] { form_.ScaleControls(font.scale); });
  for (const auto& peer : peers_) peer->Rescale(font.font, font.scale);
  // The controls have the new font now, so the old one can go.
  font_ = std::move(font);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tarnwick
