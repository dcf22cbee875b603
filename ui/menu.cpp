#include "ui/menu.h"

#include <algorithm>

namespace ui {

MenuItem::MenuItem(MenuItem* parent, std::string name, std::string caption_, ShortCut shortCut_)
    : caption(std::move(caption_)), shortCut(shortCut_), name_(std::move(name)), parent_(parent) {
    if (parent_) parent_->items_.push_back(this);
}

MenuItem::~MenuItem() {
    for (MenuItem* item : items_)
        item->parent_ = nullptr;
    if (parent_) {
        auto& siblings = parent_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

MenuItem* MenuItem::FindShortCut(ShortCut key) {
    for (MenuItem* item : items_) {
        if (!item->visible || !item->enabled) continue;
        if (item->shortCut.key != 0 && item->shortCut == key) return item;
        if (MenuItem* found = item->FindShortCut(key)) return found;
    }
    return nullptr;
}

std::string ShortCutText(ShortCut shortCut) {
    if (shortCut.key == 0) return {};
    std::string text;
    if (shortCut.shift & kShift) text += "Shift+";
    if (shortCut.shift & kCtrl) text += "Ctrl+";
    if (shortCut.shift & kAlt) text += "Alt+";
    Key k = shortCut.key;
    if ((k >= kVkA && k <= kVkZ) || (k >= kVk0 && k <= kVk9)) {
        text += static_cast<char>(k);
    } else if (k >= kVkF1 && k < kVkF1 + 24) {
        text += "F" + std::to_string(k - kVkF1 + 1);
    } else if (k == kVkEscape) {
        text += "Esc";
    } else {
        text += "#" + std::to_string(k);
    }
    return text;
}

}  // namespace ui
