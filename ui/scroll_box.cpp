#include "ui/scroll_box.h"

#include <algorithm>

namespace ui {

int ScrollBox::VertRange() const {
    int bottom = 0;
    for (const Widget* child : Children()) {
        if (child->Visible()) bottom = std::max(bottom, child->Top() + child->Height());
    }
    return std::max(0, bottom + kMargin - ClientHeight());
}

void ScrollBox::SetVertPosition(int position) {
    position = std::clamp(position, 0, VertRange());
    if (position_ == position) return;
    position_ = position;
    Changed(Change::State);
}

}  // namespace ui
