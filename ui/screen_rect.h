#pragma once
// Where a control of a window is on the screen, for animations that grow from or shrink to it.
#include "ui/form.h"
#include "ui/widget.h"

namespace ui {

// The widget's place on the screen, from the window's corner and each parent's client offset.
inline Rect ScreenRect(const Form& window, const Widget& widget) {
    int left = widget.Left(), top = widget.Top();
    for (const Widget* p = widget.Parent(); p && p != &window; p = p->Parent()) {
        left += p->Left() + p->ClientLeft();
        top += p->Top() + p->ClientTop();
    }
    const Extent frame = window.NonClient();
    return Rect{window.Left() + left + frame.width / 2, window.Top() + top + frame.height - frame.width / 2,
                widget.Width(), widget.Height()};
}

}  // namespace ui
