#include "ui/controls.h"

#include <algorithm>
#include <charconv>
#include "ui/form.h"

namespace ui {

void Button::SetDefault(bool on) {
    if (default_ == on) return;
    default_ = on;
    Changed(Change::Default);
}

void Button::Click() {
    if (Form* form = OwnerForm(); form && modalResult_ != 0) form->SetModalResult(modalResult_);
    Widget::Click();
}

void SpeedButton::SetDown(bool down) {
    if (down_ == down) return;
    down_ = down;
    Changed(Change::State);
}

void SpeedButton::Click() {
    if (groupIndex != 0 && allowAllUp) SetDown(!down_);
    Widget::Click();
}

void CheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed(Change::State);
    Widget::Click();
}

void RadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed(Change::State);
    if (!checked) return;
    if (Widget* parent = Parent()) {
        for (Widget* sibling : parent->Children()) {
            if (sibling != this && sibling->kind() == Kind::RadioButton) {
                static_cast<RadioButton*>(sibling)->SetChecked(false);
            }
        }
    }
    Widget::Click();
}

void Edit::SetCaption(const std::string& caption) {
    if (caption == Caption()) return;
    Widget::SetCaption(caption);
    if (OnChange) OnChange();
}

void Edit::PeerClicked() {
    if (OnClick) OnClick();
}

void Edit::SelectAll() {
    selStart_ = 0;
    selLength_ = static_cast<int>(Text().size());
    Changed(Change::Selection);
}

void Edit::SetSelStart(int position) {
    selStart_ = std::clamp(position, 0, static_cast<int>(Text().size()));
    selLength_ = 0;
    Changed(Change::Selection);
}

int SpinEdit::Value() const {
    const std::string& text = Text();
    int value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
    if (begin != end && *begin == '+') ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc() || ptr != end) return minValue;
    return value;
}

void SpinEdit::SetValue(int value) {
    SetText(std::to_string(value));
}

void SpinEdit::PeerSpin(bool up) {
    if (readOnly) return;
    long long v = static_cast<long long>(Value()) + (up ? increment : -increment);
    if (maxValue != 0 || minValue != 0) v = std::clamp<long long>(v, minValue, maxValue);
    SetValue(static_cast<int>(v));
}

void ComboBox::SetItems(std::vector<std::string> items) {
    SetItems(std::move(items), {});
}

void ComboBox::SetItems(std::vector<std::string> items, std::vector<int> pictures) {
    if (!pictures.empty()) pictures.resize(items.size(), 0);
    pictures_ = std::move(pictures);
    items_ = std::move(items);
    itemIndex_ = -1;
    Changed(Change::Items);
}

int ComboBox::Picture(int index) const {
    return index >= 0 && index < static_cast<int>(pictures_.size()) ? pictures_[index] : 0;
}

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    if (!pictures_.empty()) pictures_.push_back(0);
    Changed(Change::Items);
    if (itemIndex_ >= 0) Changed(Change::State);
}

void ComboBox::DeleteItem(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    items_.erase(items_.begin() + index);
    if (!pictures_.empty()) pictures_.erase(pictures_.begin() + index);
    // The native list forgets the selection when the selected entry goes, and shifts it otherwise.
    if (itemIndex_ == index) {
        itemIndex_ = -1;
    } else if (itemIndex_ > index) {
        --itemIndex_;
    }
    Changed(Change::Items);
    Changed(Change::State);
}

void ComboBox::SetItem(int index, const std::string& text) {
    if (index < 0 || index >= static_cast<int>(items_.size()) || items_[index] == text) return;
    items_[index] = text;
    Changed(Change::Items);
    Changed(Change::State);
}

void ComboBox::Clear() {
    items_.clear();
    pictures_.clear();
    itemIndex_ = -1;
    Changed(Change::Items);
}

void ComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (itemIndex_ == index) return;
    itemIndex_ = index;
    Changed(Change::State);
}

std::string ComboBox::Text() const {
    return itemIndex_ >= 0 ? items_[itemIndex_] : std::string();
}

void ComboBox::PeerSelected(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) return;
    itemIndex_ = index;
    if (OnChange) OnChange();
}

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Changed(Change::State);
}

void ProgressBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position_ == position) return;
    position_ = position;
    Changed(Change::State);
}

void TrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Changed(Change::State);
}

void TrackBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position_ == position) return;
    position_ = position;
    Changed(Change::State);
}

void TrackBar::PeerPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position_ == position) return;
    position_ = position;
    if (OnChange) OnChange();
}

void UpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Changed(Change::State);
}

void UpDown::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    position_ = position;
    Changed(Change::State);
    if (associate) associate->SetText(std::to_string(position_));
}

void UpDown::PeerArrow(bool up) {
    bool allowChange = true;
    if (OnChanging) OnChanging(allowChange);
    if (!allowChange) return;
    int next = position_ + (up ? increment : -increment);
    if (next > max_) next = wrap ? min_ : max_;
    if (next < min_) next = wrap ? max_ : min_;
    SetPosition(next);
    if (OnClick) OnClick(up);
}

StatusBar::StatusBar(Widget* parent, std::string name) : Widget(Kind::StatusBar, parent, std::move(name)) {
    SetHeight(19);
    SetAlign(Align::Bottom);
}

void StatusBar::SetPanelWidths(const std::vector<int>& widths) {
    panels_.resize(widths.size());
    for (size_t i = 0; i < widths.size(); ++i)
        panels_[i].width = widths[i];
    Changed(Change::Items);
}

void StatusBar::SetPanelText(size_t index, const std::string& text) {
    if (index >= panels_.size() || panels_[index].text == text) return;
    panels_[index].text = text;
    Changed(Change::Items);
}

const std::string& StatusBar::PanelText(size_t index) const {
    static const std::string kNone;
    return index < panels_.size() ? panels_[index].text : kNone;
}

void StatusBar::SetPanelOwnerDraw(size_t index, bool ownerDraw) {
    if (index >= panels_.size()) return;
    panels_[index].ownerDraw = ownerDraw;
    Changed(Change::Items);
}

void StatusBar::SetPanelColors(size_t index, std::uint32_t textColor, std::uint32_t backColor) {
    if (index >= panels_.size()) return;
    panels_[index].textColor = textColor;
    panels_[index].backColor = backColor;
    Changed(Change::Items);
}

void StatusBar::SetPanelBevel(size_t index, PanelBevel bevel) {
    if (index >= panels_.size() || panels_[index].bevel == bevel) return;
    panels_[index].bevel = bevel;
    Changed(Change::Items);
}

void StatusBar::SetPanelTextLeft(size_t index, int textLeft) {
    if (index >= panels_.size() || panels_[index].textLeft == textLeft) return;
    panels_[index].textLeft = textLeft;
    Changed(Change::Items);
}

void CheckListBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    states_.assign(items_.size(), CheckState::Unchecked);
    pictures_.assign(items_.size(), 0);
    itemIndex_ = -1;
    Changed(Change::Items);
}

void CheckListBox::AddItem(const std::string& item) {
    items_.push_back(item);
    states_.push_back(CheckState::Unchecked);
    pictures_.push_back(0);
    Changed(Change::Items);
    if (itemIndex_ >= 0) Changed(Change::State);
}

void CheckListBox::Clear() {
    items_.clear();
    states_.clear();
    pictures_.clear();
    itemIndex_ = -1;
    Changed(Change::Items);
}

CheckState CheckListBox::State(int index) const {
    if (index < 0 || index >= Count()) return CheckState::Unchecked;
    return states_[index];
}

void CheckListBox::SetState(int index, CheckState state) {
    if (index < 0 || index >= Count() || states_[index] == state) return;
    states_[index] = state;
    Changed(Change::Items);
}

int CheckListBox::Picture(int index) const {
    return index >= 0 && index < Count() ? pictures_[index] : 0;
}

void CheckListBox::SetPicture(int index, int picture) {
    if (index < 0 || index >= Count() || pictures_[index] == picture) return;
    pictures_[index] = picture;
    Changed(Change::Items);
}

void CheckListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (itemIndex_ == index) return;
    itemIndex_ = index;
    Changed(Change::State);
}

void CheckListBox::PeerToggle(int index) {
    if (index < 0 || index >= Count()) return;
    CheckState& state = states_[index];
    switch (state) {
        case CheckState::Unchecked:
            state = allowGrayed ? CheckState::Grayed : CheckState::Checked;
            break;
        case CheckState::Grayed:
            state = CheckState::Checked;
            break;
        case CheckState::Checked:
            state = CheckState::Unchecked;
            break;
    }
    Changed(Change::Items);
    if (OnClickCheck) OnClickCheck();
}

void CheckListBox::PeerSelected(int index) {
    if (index < -1 || index >= Count()) return;
    itemIndex_ = index;
    if (OnClick) OnClick();
}

void CheckListBox::PeerDoubleClicked() {
    if (OnDblClick) OnDblClick();
}

void Image::SetPicture(int id) {
    if (picture_ == id) return;
    picture_ = id;
    Changed(Change::State);
}

int PageControl::ClientWidth() const {
    return std::max(0, Width() - 2 * kFrameWidth);
}

int PageControl::ClientHeight() const {
    return std::max(0, Height() - kTabRowHeight - kFrameWidth);
}

std::vector<TabSheet*> PageControl::Pages() const {
    std::vector<TabSheet*> pages;
    for (Widget* child : Children()) {
        if (child->kind() == Kind::TabSheet) pages.push_back(static_cast<TabSheet*>(child));
    }
    return pages;
}

void PageControl::SetActivePageIndex(int index) {
    auto pages = Pages();
    if (index < 0 || index >= static_cast<int>(pages.size()) || index == active_) return;
    active_ = index;
    ShowActiveOnly();
    Changed(Change::State);
}

void PageControl::PeerSelected(int index) {
    auto pages = Pages();
    if (index < 0 || index >= static_cast<int>(pages.size()) || index == active_) return;
    active_ = index;
    ShowActiveOnly();
    if (OnChange) OnChange();
}

void PageControl::ShowActiveOnly() {
    auto pages = Pages();
    for (int i = 0; i < static_cast<int>(pages.size()); ++i)
        pages[i]->SetVisible(i == active_);
}

}  // namespace ui

namespace ui {

void ListBox::AddItem(const std::string& item, int picture) {
    items_.push_back(item);
    rows_.push_back(Row{picture, false});
    Changed(Change::Items);
}

void ListBox::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    rows_.erase(rows_.begin() + index);
    if (topIndex_ >= Count()) topIndex_ = Count() > 0 ? Count() - 1 : 0;
    Changed(Change::Items);
}

void ListBox::Clear() {
    items_.clear();
    rows_.clear();
    topIndex_ = 0;
    Changed(Change::Items);
}

bool ListBox::Selected(int index) const {
    return index >= 0 && index < Count() && rows_[index].selected;
}

void ListBox::SetSelected(int index, bool selected) {
    if (index < 0 || index >= Count() || rows_[index].selected == selected) return;
    rows_[index].selected = selected;
    Changed(Change::State);
}

int ListBox::Picture(int index) const {
    return index >= 0 && index < Count() ? rows_[index].picture : 0;
}

void ListBox::SetTopIndex(int index) {
    topIndex_ = index < 0 ? 0 : index;
    Changed(Change::State);
}

void ListBox::PeerToggled(int index, bool selected) {
    if (index < 0 || index >= Count()) return;
    rows_[index].selected = selected;
    if (OnClick) OnClick();
}

int TreeView::AddNode(int parent, const std::string& text) {
    Node node;
    node.text = text;
    node.parent = Valid(parent) ? parent : 0;
    nodes_.push_back(std::move(node));
    const int id = Count();
    if (Valid(parent)) NodeAt(parent).children.push_back(id);
    Changed(Change::Items);
    return id;
}

void TreeView::Clear() {
    nodes_.clear();
    selected_ = 0;
    Changed(Change::Items);
}

void TreeView::SetSelected(int id) {
    selected_ = Valid(id) ? id : 0;
    Changed(Change::State);
}

void TreeView::PeerExpanding(int id) {
    if (!Valid(id) || NodeAt(id).populated) return;
    NodeAt(id).populated = true;
    if (OnExpanding) OnExpanding(id);
}

void TreeView::PeerExpanded(int id, bool expanded) {
    if (!Valid(id)) return;
    NodeAt(id).expanded = expanded;
    if (expanded && OnExpanded) OnExpanded(id);
}

void TreeView::Expand(int id) {
    if (!Valid(id)) return;
    PeerExpanding(id);
    NodeAt(id).expanded = true;
    Changed(Change::State);
    if (OnExpanded) OnExpanded(id);
}

void TreeView::Collapse(int id) {
    if (!Valid(id) || !NodeAt(id).expanded) return;
    NodeAt(id).expanded = false;
    Changed(Change::State);
}

std::string TreeView::PathOf(int id, const std::string& separator) const {
    std::vector<int> chain;
    for (int node = id; Valid(node); node = At(node).parent)
        chain.push_back(node);
    std::string path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const bool joined =
            path.empty() || (path.size() >= separator.size() &&
                             path.compare(path.size() - separator.size(), separator.size(), separator) == 0);
        if (!joined) path += separator;
        path += At(*it).text;
    }
    return path;
}

}  // namespace ui
