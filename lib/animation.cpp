#include "lib/animation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lib {
namespace {

int RoundHalfUp(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}

// A safety net: a step never moves less than a pixel, but a broken size must not spin forever.
constexpr int kMaxSteps = 10000;

}  // namespace

int WindowAnimator::StepsFor(int fromLeft, int fromTop, int toLeft, int toTop) {
    double distance = std::abs(fromLeft - toLeft) + std::abs(fromTop - toTop);
    return std::max(1, RoundHalfUp(distance * 14.0 / 2880.0));
}

double WindowAnimator::Ratio(int width, int height) {
    int larger = std::max(width, height), smaller = std::min(width, height);
    return smaller > 0 ? static_cast<double>(larger) / smaller : 1.0;
}

int WindowAnimator::GrowWidthStep(double ratio, int steps) {
    return RoundHalfUp(ratio + steps / ratio);
}
int WindowAnimator::GrowHeightStep(double ratio, int steps) {
    return RoundHalfUp(steps / ratio);
}
int WindowAnimator::ShrinkWidthStep(double ratio, int steps) {
    return RoundHalfUp(ratio + steps);
}

void WindowAnimator::ShrinkToRect(ui::Form& window, int left, int top, int width, int height) {
    if (pending_) return;
    pending_ = true;
    full_ = window.Bounds();
    rect_ = ui::Rect{left, top, width, height};
    window.SetBounds(left, top, width, height);
}

void WindowAnimator::RestoreFromRect(ui::Form& window, bool hide) {
    if (!pending_) return;
    if (hide) window.SetVisible(false);
    window.SetBounds(rect_.left, rect_.top, full_.width, full_.height);
    ShowChildren();
    if (hide) window.SetVisible(true);
    pending_ = false;
}

void WindowAnimator::HideChildren(ui::Form& window) {
    hiddenChildren_.clear();
    for (ui::Widget* child : window.Children()) {
        if (child->Visible()) {
            hiddenChildren_.push_back(child);
            child->SetVisible(false);
        }
    }
}

void WindowAnimator::ShowChildren() {
    for (ui::Widget* child : hiddenChildren_)
        child->SetVisible(true);
    hiddenChildren_.clear();
}

void WindowAnimator::AnimateGrow(ui::Form& window, int targetLeft, int targetTop, int steps) {
    if (!window.Visible()) return;
    if (!pending_) {
        // Nothing shrunk: the window already has its size; just put it in place.
        window.SetBounds(targetLeft, targetTop, window.Width(), window.Height());
        return;
    }
    window.SetEnabled(false);
    HideChildren(window);
    const ui::Rect start = window.Bounds();
    if (steps <= 0) steps = StepsFor(start.left, start.top, targetLeft, targetTop);
    const double ratio = Ratio(full_.width, full_.height);
    const int dw = GrowWidthStep(ratio, steps), dh = GrowHeightStep(ratio, steps);
    // Positions along the way are rounded from the exact line, so each step moves whole pixels
    // and the last one lands on the target.
    const double stepX = static_cast<double>(targetLeft - start.left) / steps;
    const double stepY = static_cast<double>(targetTop - start.top) / steps;
    int width = start.width, height = start.height;
    for (int i = 1; i <= kMaxSteps; ++i) {
        width += dw;
        height += dh;
        int k = std::min(i, steps);
        window.SetBounds(start.left + RoundHalfUp(stepX * k), start.top + RoundHalfUp(stepY * k), width,
                         height);
        if (afterStep) afterStep();
        if (width >= full_.width - dw || height >= full_.height - dh) break;
    }
    window.SetBounds(targetLeft, targetTop, full_.width, full_.height);
    ShowChildren();
    window.SetEnabled(true);
    pending_ = false;
}

void WindowAnimator::AnimateShrink(ui::Form& window, int targetLeft, int targetTop, int steps,
                                   int finalHeight, int finalWidth) {
    if (!window.Visible()) return;
    const ui::Rect start = window.Bounds();
    if (!pending_) {
        pending_ = true;
        full_ = start;
    }
    window.SetEnabled(false);
    HideChildren(window);
    if (steps <= 0) steps = StepsFor(start.left, start.top, targetLeft, targetTop);
    const double ratio = Ratio(start.width, start.height);
    const int dw = ShrinkWidthStep(ratio, steps), dh = GrowHeightStep(ratio, steps);
    const double stepX = static_cast<double>(targetLeft - start.left) / steps;
    const double stepY = static_cast<double>(targetTop - start.top) / steps;
    int width = start.width, height = start.height;
    for (int i = 1; i <= kMaxSteps; ++i) {
        if (width - dw < finalWidth + dw || height - dh < finalHeight + dh) break;
        width -= dw;
        height -= dh;
        int k = std::min(i, steps);
        window.SetBounds(start.left + RoundHalfUp(stepX * k), start.top + RoundHalfUp(stepY * k), width,
                         height);
        if (afterStep) afterStep();
    }
    rect_ = ui::Rect{targetLeft, targetTop, finalWidth, finalHeight};
    window.SetBounds(targetLeft, targetTop, finalWidth, finalHeight);
    window.SetEnabled(true);
}

}  // namespace lib
