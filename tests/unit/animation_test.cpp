#include "lib/animation.h"

#include <gtest/gtest.h>
#include "ui/controls.h"

namespace {

using lib::WindowAnimator;

class AnimationTest : public ::testing::Test {
  protected:
    AnimationTest() : button(&form, "Button"), hidden(&form, "Hidden") {
        form.SetClientSize(235, 218);  // 241 x 243 with the default frame
        form.SetBounds(391, 262, form.Width(), form.Height());
        hidden.SetVisible(false);
        form.SetVisible(true);
    }
    ui::Form form{"TTest"};
    ui::Button button;
    ui::Button hidden;
    WindowAnimator animator;
};

TEST(AnimationSteps, StepCountFromDistance) {
    EXPECT_EQ(WindowAnimator::StepsFor(1056, 800, 391, 262), 6);  // 1203 px: 5.85 steps
    EXPECT_EQ(WindowAnimator::StepsFor(0, 0, 0, 0), 1);           // at least one
    EXPECT_EQ(WindowAnimator::StepsFor(0, 0, 2880, 0), 14);
    EXPECT_EQ(WindowAnimator::StepsFor(0, 0, 103, 0), 1);  // 0.50069 rounds up
    EXPECT_EQ(WindowAnimator::StepsFor(0, 0, 102, 0), 1);  // 0.496 rounds to 0, then at least 1
    EXPECT_EQ(WindowAnimator::StepsFor(0, 0, 308, 0), 1);  // 1.497
    EXPECT_EQ(WindowAnimator::StepsFor(0, 0, 309, 0), 2);  // 1.502
}

TEST(AnimationSteps, SizeSteps) {
    const double ratio = WindowAnimator::Ratio(241, 243);
    EXPECT_NEAR(ratio, 243.0 / 241.0, 1e-12);
    EXPECT_EQ(WindowAnimator::GrowWidthStep(ratio, 6), 7);   // 1.008 + 5.950
    EXPECT_EQ(WindowAnimator::GrowHeightStep(ratio, 6), 6);  // 5.950
    EXPECT_EQ(WindowAnimator::ShrinkWidthStep(ratio, 14), 15);
    EXPECT_EQ(WindowAnimator::Ratio(100, 50), 2.0);
    EXPECT_EQ(WindowAnimator::Ratio(50, 100), 2.0);
    EXPECT_EQ(WindowAnimator::Ratio(0, 100), 1.0);        // no division by zero
    EXPECT_EQ(WindowAnimator::GrowWidthStep(2.0, 1), 3);  // 2 + 0.5 rounds up
}

TEST_F(AnimationTest, ShrinkToRectRemembersOnce) {
    animator.ShrinkToRect(form, 1056, 800, 32, 32);
    EXPECT_TRUE(animator.Pending());
    EXPECT_EQ(form.Bounds(), (ui::Rect{1056, 800, 32, 32}));
    animator.ShrinkToRect(form, 0, 0, 10, 10);  // pending: ignored
    EXPECT_EQ(form.Bounds(), (ui::Rect{1056, 800, 32, 32}));
    EXPECT_EQ(animator.Remembered(), (ui::Rect{391, 262, 241, 243}));
}

TEST_F(AnimationTest, GrowRunsStepByStepToTheTarget) {
    animator.ShrinkToRect(form, 1056, 800, 32, 32);
    std::vector<ui::Rect> steps;
    animator.afterStep = [&] {
        steps.push_back(form.Bounds());
        EXPECT_FALSE(form.Enabled());
        EXPECT_FALSE(button.Visible());
    };
    animator.AnimateGrow(form, 391, 262, 0);
    // Width grows 7 a step from 32 until it reaches 241 - 7: 29 steps.
    ASSERT_EQ(steps.size(), 29u);
    EXPECT_EQ(steps[0].width, 39);
    EXPECT_EQ(steps[0].height, 38);
    EXPECT_EQ(steps[5].left, 391);  // six steps cover the distance
    EXPECT_EQ(steps[5].top, 262);
    EXPECT_EQ(steps[28].left, 391);
    for (size_t i = 1; i < steps.size(); ++i)
        EXPECT_LE(steps[i].left, steps[i - 1].left);
    EXPECT_EQ(form.Bounds(), (ui::Rect{391, 262, 241, 243}));
    EXPECT_TRUE(form.Enabled());
    EXPECT_TRUE(button.Visible());
    EXPECT_FALSE(hidden.Visible());  // was hidden before: stays hidden
    EXPECT_FALSE(animator.Pending());
}

TEST_F(AnimationTest, GrowDoesNothingForAHiddenWindow) {
    animator.ShrinkToRect(form, 1056, 800, 32, 32);
    form.SetVisible(false);
    animator.AnimateGrow(form, 391, 262, 0);
    EXPECT_TRUE(animator.Pending());
    EXPECT_EQ(form.Width(), 32);
}

TEST_F(AnimationTest, RestoreFromRectPutsTheSizeBack) {
    animator.ShrinkToRect(form, 1056, 800, 32, 32);
    animator.RestoreFromRect(form, true);
    EXPECT_EQ(form.Bounds(), (ui::Rect{1056, 800, 241, 243}));
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(animator.Pending());
    animator.RestoreFromRect(form, false);  // nothing pending: nothing happens
    EXPECT_EQ(form.Left(), 1056);
}

TEST_F(AnimationTest, ShrinkEndsAtTheFinalSizeWithChildrenHidden) {
    int count = 0;
    animator.afterStep = [&] { ++count; };
    animator.AnimateShrink(form, 1024 + 32, 768 + 32, 14, 32, 32);
    EXPECT_EQ(form.Bounds(), (ui::Rect{1056, 800, 32, 32}));
    EXPECT_TRUE(form.Enabled());
    EXPECT_FALSE(button.Visible());
    EXPECT_GT(count, 0);
    // Width shrinks 15 a step; it stops before passing 32 + 15.
    EXPECT_EQ(count, (241 - 47) / 15);
    animator.RestoreFromRect(form, false);
    EXPECT_TRUE(button.Visible());
    EXPECT_EQ(form.Width(), 241);
}

}  // namespace
