#pragma once
// A container that scrolls its children vertically when they reach below its client area (VCL
// TScrollBox with its vertical scroll bar).
#include <string>
#include "ui/widget.h"

namespace ui {

class ScrollBox : public Widget {
  public:
    ScrollBox(Widget* parent, std::string name) : Widget(Kind::ScrollBox, parent, std::move(name)) {}

    int VertPosition() const { return position_; }
    // Clamped to 0..VertRange(); raises nothing.
    void SetVertPosition(int position);
    // How far the content can scroll: the lowest visible child's bottom plus the margin, less the
    // client height.
    int VertRange() const;
    // Space kept below the lowest child.
    static constexpr int kMargin = 4;
    // The user scrolled (the native control moved the children itself).
    void PeerScrolled(int position) { position_ = position; }

  private:
    int position_ = 0;
};

}  // namespace ui
