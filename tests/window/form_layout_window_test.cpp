// The main window's layout in this process: at its design, at this density, on a move to
// another density and as the window is resized.
#include <algorithm>
#include <string>
#include <vector>

#include "FormWindowTest.h"

namespace tarnwick {
namespace {

using testing::BoundsInParent;
using testing::FormWindowTest;
using testing::TextOf;

// The window's pixels as they are on the screen, one 32-bit value each.
std::vector<uint32_t> ScreenPixels(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(first, first + static_cast<size_t>(width * height));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The layout is designed for a client area of 617 x 421, which the outer size of 625 x 455 gives
// with the platform's classic frame; Wine's caption is lower, and the anchors absorb the rest.
Size ClientGrowth(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right - TForm1::kDesignClient.width, client.bottom - TForm1::kDesignClient.height};
}

// Every control's window where its model is, after the model's own layout for the client area.
void ExpectWindowsWhereTheModelsAre(const TForm1& form, const FormHost& host) {
  for (const Control* control : form.Controls()) {
    EXPECT_EQ(BoundsInParent(host.WindowOf(*control)), control->GetBounds())
        << TextOf(host.WindowOf(*control));
  }
  EXPECT_EQ(form.lbl_Status.Top(), form.grd.GetBounds().Bottom() + TForm1::kStatusGap);
}

TEST_F(FormWindowTest, OpensListedAtItsDesignGeometry) {
  EXPECT_EQ(TextOf(host.Handle()), TForm1::kCaption);
  EXPECT_EQ(BoundsInParent(host.Handle()), TForm1::kBounds);
  // Wine's lower caption leaves the client area taller: the anchors absorb the difference.
  ASSERT_EQ(ClientGrowth(host.Handle()).width, 0);
  ExpectWindowsWhereTheModelsAre(form, host);

  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Window(form.Memo1), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -11);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");

  EXPECT_EQ(SendMessageA(Window(form.rdo_Content), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "3 entries in 30 bytes (0.00 MB)");
  EXPECT_EQ(GetFocus(), Window(form.rdo_Content));
}

// Run at 96, 120, 144 and 192 dots per inch (scripts/wine-exec-dpi): the designed layout,
// scaled with the font, fits the window whole.
TEST_F(FormWindowTest, LayoutFitsWholeAtThisDensity) {
  HDC dc = GetDC(Window(form.Memo1));
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Window(form.Memo1), WM_GETFONT, 0, 0)));
  SIZE zero{};
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  const int scale = zero.cy;
  const int design = 13;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  RecordProperty("dpi", dpi);

  RECT outer{};
  RECT client{};
  GetWindowRect(host.Handle(), &outer);
  GetClientRect(host.Handle(), &client);
  EXPECT_EQ(outer.left, TForm1::kBounds.left);
  EXPECT_EQ(outer.top, TForm1::kBounds.top);
  if (scale != design) {
    EXPECT_EQ(client.right, MulDiv(TForm1::kDesignClient.width, scale, design)) << dpi;
    EXPECT_EQ(client.bottom, MulDiv(TForm1::kDesignClient.height, scale, design)) << dpi;
  }

  std::vector<Control*> controls = form.Controls();
  for (Control* control : controls) {
    const Bounds b = BoundsInParent(Window(*control));
    EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.Right() <= client.right &&
                b.Bottom() <= client.bottom)
        << TextOf(Window(*control)) << " at " << dpi << " dpi";
    // The caption's text, beside a radio button's circle, fits inside its control.
    const std::string caption = TextOf(Window(*control));
    if (caption.empty() || control == &form.grd) continue;
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const bool radio = control->Kind() == ControlKind::kRadioButton;
    const int room = b.width - (radio ? GetSystemMetrics(SM_CXMENUCHECK) : 4);
    EXPECT_LE(extent.cx, room) << caption << " at " << dpi << " dpi";
    EXPECT_LE(extent.cy, b.height) << caption << " at " << dpi << " dpi";
  }
  SelectObject(dc, previous);
  ReleaseDC(Window(form.Memo1), dc);

  // No two controls overlap more than the design has them overlap, scaled (Cookies reaches
  // into History by a pixel).
  const auto scaled = [&](int design96) { return MulDiv(design96, scale, design); };
  for (size_t i = 0; i < controls.size(); ++i) {
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const Bounds a = BoundsInParent(Window(*controls[i]));
      const Bounds b = BoundsInParent(Window(*controls[j]));
      const Bounds da = form.DesignBoundsOf(*controls[i]);
      const Bounds db = form.DesignBoundsOf(*controls[j]);
      const int overlapX = std::min(a.Right(), b.Right()) - std::max(a.left, b.left);
      const int overlapY = std::min(a.Bottom(), b.Bottom()) - std::max(a.top, b.top);
      const int designedX = std::min(scaled(da.Right()), scaled(db.Right())) -
                            std::max(scaled(da.left), scaled(db.left));
      const int designedY = std::min(da.Bottom(), db.Bottom()) - std::max(da.top, db.top);
      if (overlapX <= 0 || overlapY <= 0) continue;
      EXPECT_TRUE(designedY > 0 && overlapX <= designedX)
          << TextOf(Window(*controls[i])) << " and " << TextOf(Window(*controls[j])) << " at "
          << dpi << " dpi";
    }
  }

  // The grid keeps its share of the height against the detail box.
  const double proportion = static_cast<double>(BoundsInParent(Window(form.grd)).height) /
                            BoundsInParent(Window(form.Memo1)).height;
  const double designed = static_cast<double>(form.DesignBoundsOf(form.grd).height) /
                          form.DesignBoundsOf(form.Memo1).height;
  EXPECT_NEAR(proportion, designed, 0.1 * designed) << dpi << " dpi";
}

LOGFONTA FontOf(HWND window) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

TEST_F(FormWindowTest, ADensityChangeRescalesFontAndControlsAndTakesTheSuggestedPlace) {
  std::vector<Bounds> before;
  for (Control* control : form.Controls()) before.push_back(BoundsInParent(Window(*control)));
  RECT outer{};
  GetWindowRect(host.Handle(), &outer);

  RECT suggested{300, 150, 300 + 959, 150 + 686};
  SendMessageA(host.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  Pump();
  EXPECT_EQ(BoundsInParent(host.Handle()), (Bounds{300, 150, 959, 686}));
  EXPECT_EQ(FontOf(Window(form.Memo1)).lfHeight, -17);
  EXPECT_EQ(FontOf(Window(form.bnt_Clear)).lfHeight, -17);
  // Every control by the new font's "0" over the old one's: 20 / 13 with Wine's fonts.
  const Control* const leftTopAnchored[] = {&form.rdo_Content, &form.edt_Search};
  for (const Control* control : leftTopAnchored) {
    EXPECT_EQ(BoundsInParent(Window(*control)),
              ScaledBounds(form.DesignBoundsOf(*control), 20, 13));
  }
  RECT client{};
  GetClientRect(host.Handle(), &client);
  const int clearMargin = TForm1::kDesignClient.width - form.DesignBoundsOf(form.bnt_Clear).Right();
  EXPECT_EQ(BoundsInParent(Window(form.bnt_Clear)).Right(),
            client.right - MulDiv(clearMargin, 20, 13));

  // And back: the layout it started with.
  SendMessageA(host.Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&outer));
  Pump();
  EXPECT_EQ(FontOf(Window(form.Memo1)).lfHeight, -11);
  std::vector<Bounds> after;
  for (Control* control : form.Controls()) after.push_back(BoundsInParent(Window(*control)));
  EXPECT_EQ(after, before);
}

// A window that opens on a monitor of 144 dots per inch, whatever the system's density is.
class OnA144DpiMonitorTest : public FormWindowTest {
 protected:
  OnA144DpiMonitorTest() { windowDpi = 144; }
};

TEST_F(OnA144DpiMonitorTest, OpensWithTheLayoutOfItsMonitor) {
  EXPECT_EQ(FontOf(Window(form.Memo1)).lfHeight, -17);
  RECT client{};
  GetClientRect(host.Handle(), &client);
  // 20 / 13: the 144-dpi font's "0" over the design font's, with Wine's fonts.
  EXPECT_EQ(client.right, MulDiv(TForm1::kDesignClient.width, 20, 13));
  EXPECT_EQ(client.bottom, MulDiv(TForm1::kDesignClient.height, 20, 13));
  EXPECT_EQ(BoundsInParent(Window(form.rdo_Content)),
            ScaledBounds(form.DesignBoundsOf(form.rdo_Content), 20, 13));
}

TEST_F(FormWindowTest, ResizingStretchesAnchoredControlsAndKeepsTheStatusUnderTheGrid) {
  SetWindowPos(host.Handle(), nullptr, 0, 0, 725, 515, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  ASSERT_EQ(ClientGrowth(host.Handle()).width, 100);
  EXPECT_EQ(form.grd.Width(), form.DesignBoundsOf(form.grd).width + 100);
  ExpectWindowsWhereTheModelsAre(form, host);
}

TEST_F(FormWindowTest, ResizingToAndFroLeavesNoPixelDifferentOnceBack) {
  const std::vector<uint32_t> before = ScreenPixels(host.Handle());
  for (const Size size : {Size{725, 555}, Size{625, 455}, Size{900, 300}, Size{520, 640},
                          Size{700, 500}, Size{625, 455}}) {
    SetWindowPos(host.Handle(), nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
  }
  const std::vector<uint32_t> after = ScreenPixels(host.Handle());
  ASSERT_EQ(after.size(), before.size());
  size_t differing = 0;
  for (size_t at = 0; at < after.size(); ++at) differing += after[at] != before[at];
  EXPECT_EQ(differing, 0u);
}

}  // namespace
}  // namespace tarnwick
