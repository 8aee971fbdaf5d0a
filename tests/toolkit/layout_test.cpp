// Layout rules of the control models: anchoring on resize, scaling for the screen density, and
// keyboard focus movement over the tab order.
#include <gtest/gtest.h>

#include <vector>

#include "support/BoundsPrinting.h"
#include "toolkit/Anchoring.h"
#include "toolkit/AppTitle.h"
#include "toolkit/Buttons.h"
#include "toolkit/FocusOrder.h"
#include "toolkit/Scaling.h"
#include "toolkit/TextControls.h"

namespace tarnwick {

namespace {

constexpr Size kClient{617, 421};

TEST(Anchoring, EachAxisFollowsTheEdgesItIsAnchoredTo) {
  const Bounds grid{8, 32, 601, 225};
  EXPECT_EQ(AnchoredBounds(grid, kClient, {717, 521}, kAllAnchors), (Bounds{8, 32, 701, 325}));
  const Bounds clear{552, 8, 57, 17};
  EXPECT_EQ(AnchoredBounds(clear, kClient, {717, 521}, akTop | akRight), (Bounds{652, 8, 57, 17}));
  const Bounds memo{8, 280, 601, 137};
  EXPECT_EQ(AnchoredBounds(memo, kClient, {617, 500}, akLeft | akRight | akBottom),
            (Bounds{8, 359, 601, 137}));
  EXPECT_EQ(AnchoredBounds(memo, kClient, {900, 900}, kDefaultAnchors), memo);
}

TEST(Anchoring, UnanchoredAxisKeepsItsCentreShareAndStretchedSizesStopAtZero) {
  EXPECT_EQ(AnchoredBounds({90, 40, 20, 20}, {200, 100}, {400, 200}, kNoAnchors),
            (Bounds{190, 90, 20, 20}));
  EXPECT_EQ(AnchoredBounds({8, 32, 601, 225}, kClient, {10, 10}, kAllAnchors),
            (Bounds{8, 32, 0, 0}));
}

TEST(Anchoring, ShrinkingAndGrowingBackRestoresTheControl) {
  Button button;
  button.SetBounds({8, 32, 601, 225});
  button.SetAnchors(kAllAnchors);
  button.SetParentSize(kClient);
  button.ParentResized({10, 10});
  EXPECT_EQ(button.Width(), 0);
  button.ParentResized(kClient);
  EXPECT_EQ(button.GetBounds(), (Bounds{8, 32, 601, 225}));
}

TEST(Anchoring, PlacingFromCodeRebasesTheAnchors) {
  Button button;
  button.SetBounds({552, 8, 57, 17});
  button.SetAnchors(akTop | akRight);
  button.SetParentSize(kClient);
  button.ParentResized({717, 421});
  button.SetLeft(600);
  button.ParentResized({817, 421});
  EXPECT_EQ(button.Left(), 700);
}

TEST(Scaling, RoundsHalfAwayFromZeroAndScalesEdges) {
  EXPECT_EQ(MulDivRound(1, 1, 2), 1);
  EXPECT_EQ(MulDivRound(-1, 1, 2), -1);
  EXPECT_EQ(MulDivRound(5, 0, 0), 0);
  EXPECT_EQ(ScaledFontHeight(11, 96), 11);
  EXPECT_EQ(ScaledFontHeight(11, 120), 14);
  EXPECT_EQ(ScaledFontHeight(11, 144), 17);
  // Two controls that meet at x = 377 still meet after scaling by 16 / 13.
  const Bounds a = ScaledBounds({312, 8, 65, 17}, 16, 13);
  const Bounds b = ScaledBounds({377, 8, 7, 17}, 16, 13);
  EXPECT_EQ(a.Right(), b.left);
  EXPECT_EQ(a, (Bounds{384, 10, 80, 21}));
  EXPECT_EQ(ScaledBounds({312, 8, 65, 17}, 13, 13), (Bounds{312, 8, 65, 17}));
}

TEST(RadioGroup, ChoosingAButtonChecksItAloneAndReportsOnlyAChange) {
  RadioButton first, second;
  RadioGroup group;
  group.Add(first);
  group.Add(second);
  int clicks = 0;
  second.OnClick = [&] { ++clicks; };
  first.SetChecked(true);
  EXPECT_TRUE(first.TabStop());
  EXPECT_FALSE(second.TabStop());

  second.Click();
  second.Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(second.Checked());
  EXPECT_FALSE(first.Checked());
  EXPECT_TRUE(second.TabStop());
  EXPECT_FALSE(first.TabStop());
}

class FocusOrderTest : public testing::Test {
 protected:
  FocusOrderTest() {
    group.Add(radioA);
    group.Add(radioB);
    radioA.SetChecked(true);
    button.SetTabStop(true);
    edit.SetTabStop(true);
  }

  RadioButton radioA, radioB;
  RadioGroup group;
  Button button;
  Edit edit;
  Label label;
  // In tab order, as a layout lists its members; the label never takes the focus.
  std::vector<Control*> controls{&radioA, &radioB, &button, &label, &edit};
};

TEST_F(FocusOrderTest, TabVisitsTabStopsOnlyAndWraps) {
  EXPECT_EQ(TabKeyTarget(controls, &radioA, 0), &button);
  EXPECT_EQ(TabKeyTarget(controls, &edit, 0), &radioA);
  EXPECT_EQ(TabKeyTarget(controls, &radioA, ssShift), &edit);
  EXPECT_EQ(TabKeyTarget(controls, nullptr, 0), &radioA);
  radioB.Click();
  EXPECT_EQ(TabKeyTarget(controls, &button, ssShift), &radioB);
}

TEST_F(FocusOrderTest, ArrowsMoveFromButtonsOverEveryControlAndWrap) {
  EXPECT_EQ(ArrowKeyTarget(controls, radioA, kKeyRight), &radioB);
  EXPECT_EQ(ArrowKeyTarget(controls, radioA, kKeyUp), &edit);
  EXPECT_EQ(ArrowKeyTarget(controls, button, kKeyLeft), &radioB);
  EXPECT_EQ(ArrowKeyTarget(controls, button, kKeyDown), &edit);
  EXPECT_EQ(ArrowKeyTarget(controls, button, kKeyF3), nullptr);
  EXPECT_EQ(ArrowKeyTarget(controls, edit, kKeyRight), nullptr);
}

TEST_F(FocusOrderTest, ArrowOntoAnUncheckedRadioButtonChoosesIt) {
  int clicks = 0;
  radioB.OnClick = [&] { ++clicks; };
  Control* target = ArrowKeyTarget(controls, radioA, kKeyRight);
  target->FocusedByArrowKey();
  EXPECT_TRUE(radioB.Checked());
  EXPECT_EQ(clicks, 1);
  target->FocusedByArrowKey();
  EXPECT_EQ(clicks, 1);
}

TEST(ApplicationTitle, StemIsTheFileNameUpToItsFirstDot) {
  EXPECT_EQ(ApplicationTitleStem("C:\\Program Files\\Tools\\Tarnwick.v2.exe"), "Tarnwick");
  EXPECT_EQ(ApplicationTitleStem("Z:/build/tarnwick.exe"), "tarnwick");
  EXPECT_EQ(ApplicationTitleStem("C:noext"), "noext");
}

}  // namespace
}  // namespace tarnwick
