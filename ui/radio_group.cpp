#include "ui/radio_group.h"

#include <algorithm>
#include "ui/form.h"

namespace ui {

RadioGroup::RadioGroup(Widget* parent, std::string name) : Widget(Kind::RadioGroup, parent, std::move(name)) {
    SetTabStop(true);
}

RadioGroup::~RadioGroup() {
    // The buttons report to this group; they go first.
    buttons_.clear();
}

void RadioGroup::SetItems(std::vector<std::string> items) {
    buttons_.clear();
    itemIndex_ = -1;
    items_ = std::move(items);
    for (size_t i = 0; i < items_.size(); ++i) {
        auto button = std::make_unique<RadioButton>(this, Name() + ".Item" + std::to_string(i));
        button->SetCaption(items_[i]);
        button->SetHint(Hint());
        button->SetShowHint(ShowHint());
        button->SetHelpContext(HelpContext());
        button->SetEnabled(Enabled());
        const int index = static_cast<int>(i);
        button->OnClick = [this, index] { ButtonChecked(index); };
        buttons_.push_back(std::move(button));
    }
    Arrange();
    // Buttons made after the group's window exists get theirs now.
    if (GetPeer()) {
        if (Form* form = OwnerForm(); form && form->GetBackend()) {
            for (auto& button : buttons_)
                button->CreatePeers(*form->GetBackend());
        }
    }
    Changed(Change::Items);
}

void RadioGroup::SetColumns(int columns) {
    columns = std::max(1, columns);
    if (columns_ == columns) return;
    columns_ = columns;
    Arrange();
}

void RadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= Count()) {
        if (itemIndex_ >= 0) {
            // Unchecking raises nothing.
            buttons_[static_cast<size_t>(itemIndex_)]->SetChecked(false);
            itemIndex_ = -1;
        }
        return;
    }
    buttons_[static_cast<size_t>(index)]->SetChecked(true);
}

RadioButton* RadioGroup::Button(int index) const {
    return index >= 0 && index < Count() ? buttons_[static_cast<size_t>(index)].get() : nullptr;
}

void RadioGroup::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    Widget::SetBounds(left, top, width, height);
    if (resized) Arrange();
}

void RadioGroup::ButtonChecked(int index) {
    if (itemIndex_ == index) return;
    itemIndex_ = index;
    Widget::Click();
}

// As the VCL group does it: equal cells below the caption, the spare height split above and below.
void RadioGroup::Arrange() {
    if (buttons_.empty()) return;
    const int perColumn = (Count() + columns_ - 1) / columns_;
    const int cellWidth = std::max(0, (Width() - 10) / columns_);
    const int free = std::max(0, Height() - kCaptionHeight - 5);
    const int cellHeight = free / perColumn;
    const int topMargin = kCaptionHeight + 1 + (free % perColumn) / 2;
    for (int i = 0; i < Count(); ++i) {
        buttons_[static_cast<size_t>(i)]->SetBounds(
            (i / perColumn) * cellWidth + 8, (i % perColumn) * cellHeight + topMargin, cellWidth, cellHeight);
    }
}

}  // namespace ui
