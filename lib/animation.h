#pragma once
// The zoom animation of the program's windows: a window shrinks to a small rectangle (an icon
// beyond the screen corner, or the tray) and grows back to its place, one MoveWindow a step.
// One animation at a time: the animator remembers the full bounds of the window it shrank.
#include <functional>
#include <vector>
#include "ui/form.h"

namespace lib {

class WindowAnimator {
  public:
    // Each step is one move of the window; the program lets the window repaint in between.
    std::function<void()> afterStep;

    // Remembers the window's bounds and gives it the small rectangle, unless an animation is pending.
    void ShrinkToRect(ui::Form& window, int left, int top, int width, int height);
    // Puts the window back at the small rectangle's corner with its remembered size.
    void RestoreFromRect(ui::Form& window, bool hide);
    // Grows the visible window from the small rectangle to its remembered size at the target.
    void AnimateGrow(ui::Form& window, int targetLeft, int targetTop, int steps);
    // Shrinks the window from its current bounds to finalWidth x finalHeight at the target.
    void AnimateShrink(ui::Form& window, int targetLeft, int targetTop, int steps, int finalHeight,
                       int finalWidth);

    bool Pending() const { return pending_; }
    const ui::Rect& Remembered() const { return full_; }
    const ui::Rect& SmallRect() const { return rect_; }

    // Step count for a distance when the caller gives none: 14 steps per 2880 pixels, at least 1.
    static int StepsFor(int fromLeft, int fromTop, int toLeft, int toTop);
    // Width and height added (grow) or taken (shrink) per step.
    static int GrowWidthStep(double ratio, int steps);
    static int GrowHeightStep(double ratio, int steps);
    static int ShrinkWidthStep(double ratio, int steps);
    static double Ratio(int width, int height);

  private:
    void HideChildren(ui::Form& window);
    void ShowChildren();

    bool pending_ = false;
    ui::Rect full_;
    ui::Rect rect_;
    std::vector<ui::Widget*> hiddenChildren_;
};

}  // namespace lib
