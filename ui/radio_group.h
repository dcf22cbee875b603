#pragma once
// A framed group of radio buttons made from a list of texts (VCL TRadioGroup). The items fill the
// columns one after the other, each from the top down; the buttons are children of the group and
// are named after it ("RadioGroup1.Item0"), so that tools find them like any control.
#include <memory>
#include <string>
#include <vector>
#include "ui/controls.h"

namespace ui {

class RadioGroup : public Widget {
  public:
    RadioGroup(Widget* parent, std::string name);
    ~RadioGroup() override;

    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Replaces the buttons; nothing is selected afterwards.
    void SetItems(std::vector<std::string> items);
    void Clear() { SetItems({}); }
    int Columns() const { return columns_; }
    void SetColumns(int columns);

    int ItemIndex() const { return itemIndex_; }
    // Checks the item's button; a change runs OnClick, as a click would. -1 (or any position
    // outside the items) selects nothing and raises nothing.
    void SetItemIndex(int index);
    RadioButton* Button(int index) const;

    void SetBounds(int left, int top, int width, int height) override;
    // Text height of the caption that runs through the frame.
    static constexpr int kCaptionHeight = 13;

  private:
    void Arrange();
    void ButtonChecked(int index);

    std::vector<std::string> items_;
    std::vector<std::unique_ptr<RadioButton>> buttons_;
    int columns_ = 1;
    int itemIndex_ = -1;
};

}  // namespace ui
