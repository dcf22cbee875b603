#pragma once
// The controls of the program's forms, with the event rules of their VCL counterparts: a check
// box or radio button set by code clicks as the user does; a list selection, a track bar or a
// progress position set by code raises nothing; an edit's text set by code raises OnChange.
#include <functional>
#include <string>
#include <vector>
#include "ui/widget.h"

namespace ui {

class Panel : public Widget {
  public:
    Panel(Widget* parent, std::string name, Kind kind = Kind::Panel)
        : Widget(kind, parent, std::move(name)) {}
};

class GroupBox : public Widget {
  public:
    GroupBox(Widget* parent, std::string name) : Widget(Kind::GroupBox, parent, std::move(name)) {}
    // The caption runs through the frame's top line; controls go below it and inside the frame.
    static constexpr int kCaptionHeight = 14;
    static constexpr int kFrameWidth = 2;
};

class ToolBar : public Widget {
  public:
    ToolBar(Widget* parent, std::string name) : Widget(Kind::ToolBar, parent, std::move(name)) {}
};

class Button : public Widget {
  public:
    Button(Widget* parent, std::string name, Kind kind = Kind::Button)
        : Widget(kind, parent, std::move(name)) {
        SetTabStop(true);
    }
    bool Default() const { return default_; }
    void SetDefault(bool on);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    // Resource ids of the pictures: normal, disabled, pressed (0 = none).
    int picture[3] = {0, 0, 0};
    void Click() override;

  private:
    bool default_ = false;
    int modalResult_ = 0;
};

// A picture button of a tool bar.
class BitBtn : public Button {
  public:
    BitBtn(Widget* parent, std::string name) : Button(parent, std::move(name), Kind::BitBtn) {}
};

class SpeedButton : public Widget {
  public:
    SpeedButton(Widget* parent, std::string name) : Widget(Kind::SpeedButton, parent, std::move(name)) {}
    bool Down() const { return down_; }
    void SetDown(bool down);  // raises nothing
    int groupIndex = 0;
    bool allowAllUp = false;
    bool flat = false;
    // A click flips Down when the button is a toggle (group index and all-up allowed).
    void Click() override;

  private:
    bool down_ = false;
};

class CheckBox : public Widget {
  public:
    CheckBox(Widget* parent, std::string name) : Widget(Kind::CheckBox, parent, std::move(name)) {
        SetTabStop(true);
    }
    bool Checked() const { return checked_; }
    // Runs OnClick when the state changes, as a user's click would.
    void SetChecked(bool checked);
    void Click() override { SetChecked(!checked_); }

  private:
    bool checked_ = false;
};

class RadioButton : public Widget {
  public:
    RadioButton(Widget* parent, std::string name) : Widget(Kind::RadioButton, parent, std::move(name)) {
        SetTabStop(true);
    }
    bool Checked() const { return checked_; }
    // Checking unchecks the radio buttons of the same parent and runs OnClick; unchecking raises nothing.
    void SetChecked(bool checked);
    void Click() override { SetChecked(true); }

  private:
    bool checked_ = false;
};

enum class TextAlign { Left, Center, Right };

class Label : public Widget {
  public:
    Label(Widget* parent, std::string name) : Widget(Kind::Label, parent, std::move(name)) {}
    TextAlign alignment = TextAlign::Left;
    bool transparent = false;
    // A sunken frame around the text, for a label that reports rather than names.
    bool sunken = false;
};

class Edit : public Widget {
  public:
    Edit(Widget* parent, std::string name, Kind kind = Kind::Edit) : Widget(kind, parent, std::move(name)) {
        SetTabStop(true);
    }
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    // OnChange follows every change of the text, by code or by the user.
    void SetCaption(const std::string& caption) override;
    int maxLength = 0;
    bool readOnly = false;
    std::function<void()> OnChange;
    void PeerTextChanged(const std::string& text) { SetCaption(text); }
    void Click() override {}
    // The user clicked into the field (VCL OnClick of an edit).
    void PeerClicked() override;

    // The selection as the program last set it: the caret at SelStart() with SelLength()
    // characters selected after it.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SelectAll();
    // Puts the caret before character `position` (clamped to the text) and selects nothing.
    void SetSelStart(int position);

  private:
    int selStart_ = 0;
    int selLength_ = 0;
};

// An edit with spin buttons holding a whole number.
class SpinEdit : public Edit {
  public:
    SpinEdit(Widget* parent, std::string name) : Edit(parent, std::move(name), Kind::SpinEdit) {}
    int minValue = 0, maxValue = 100, increment = 1;
    // The text as a number; minValue when it is none.
    int Value() const;
    void SetValue(int value);
    // A spin button: value plus or minus the increment, within the range.
    void PeerSpin(bool up);
};

class ComboBox : public Widget {
  public:
    ComboBox(Widget* parent, std::string name) : Widget(Kind::ComboBox, parent, std::move(name)) {
        SetTabStop(true);
    }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    // Entries with a picture each (resource ids of ui/pictures.h), drawn before the text.
    void SetItems(std::vector<std::string> items, std::vector<int> pictures);
    int Picture(int index) const;  // 0: none
    bool HasPictures() const { return !pictures_.empty(); }
    void AddItem(const std::string& item);
    void DeleteItem(int index);
    void SetItem(int index, const std::string& text);
    void Clear();
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);  // raises nothing
    std::string Text() const;      // the selected entry, or empty
    int dropDownCount = 8;
    bool dropDownList = true;
    std::function<void()> OnChange;
    void PeerSelected(int index);

  private:
    std::vector<std::string> items_;
    std::vector<int> pictures_;
    int itemIndex_ = -1;
};

class ProgressBar : public Widget {
  public:
    ProgressBar(Widget* parent, std::string name) : Widget(Kind::ProgressBar, parent, std::move(name)) {}
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    void SetPosition(int position);

  private:
    int min_ = 0, max_ = 100, position_ = 0;
};

class TrackBar : public Widget {
  public:
    TrackBar(Widget* parent, std::string name) : Widget(Kind::TrackBar, parent, std::move(name)) {
        SetTabStop(true);
    }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    void SetPosition(int position);  // raises nothing
    int frequency = 1;
    std::function<void()> OnChange;
    void PeerPosition(int position);

  private:
    int min_ = 0, max_ = 10, position_ = 0;
};

enum class MouseButton { Left, Right, Middle };

class UpDown : public Widget {
  public:
    UpDown(Widget* parent, std::string name) : Widget(Kind::UpDown, parent, std::move(name)) {}
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    // Moves the position and writes it into the associated edit (whose OnChange runs); no OnClick.
    void SetPosition(int position);
    int increment = 1;
    bool wrap = false;
    Edit* associate = nullptr;
    // Before an arrow moves the position (VCL OnChanging); clearing allowChange keeps it.
    std::function<void(bool& allowChange)> OnChanging;
    std::function<void(bool up)> OnClick;
    std::function<void(MouseButton button)> OnMouseDown;
    std::function<void(MouseButton button)> OnMouseUp;
    // While set, a right click on the control does not open the form's context menu.
    bool suppressContextMenu = false;
    void PeerArrow(bool up);
    void PeerMouseDown(MouseButton button) {
        if (OnMouseDown) OnMouseDown(button);
    }
    void PeerMouseUp(MouseButton button) {
        if (OnMouseUp) OnMouseUp(button);
    }
    // The user asked for a context menu over the control; false when none may open.
    bool PeerContextMenu() const { return !suppressContextMenu; }

  private:
    int min_ = 0, max_ = 100, position_ = 0;
};

enum class PanelBevel { Lowered, Raised };

struct StatusPanel {
    std::string text;
    int width = 50;
    bool ownerDraw = false;
    std::uint32_t textColor = kDefaultColor;
    std::uint32_t backColor = kDefaultColor;
    PanelBevel bevel = PanelBevel::Lowered;
    // Owner-drawn text starts this many pixels from the panel's left edge; -1 centres it.
    int textLeft = -1;
};

class StatusBar : public Widget {
  public:
    StatusBar(Widget* parent, std::string name);
    const std::vector<StatusPanel>& Panels() const { return panels_; }
    void SetPanelWidths(const std::vector<int>& widths);
    void SetPanelText(size_t index, const std::string& text);
    const std::string& PanelText(size_t index) const;
    void SetPanelOwnerDraw(size_t index, bool ownerDraw);
    void SetPanelColors(size_t index, std::uint32_t textColor, std::uint32_t backColor);
    void SetPanelBevel(size_t index, PanelBevel bevel);
    void SetPanelTextLeft(size_t index, int textLeft);
    // Without panels the bar is one simple panel that shows the caption; italic draws it slanted.
    bool italic = false;

  private:
    std::vector<StatusPanel> panels_;
};

// A list whose rows carry a three-state check box (VCL TCheckListBox with AllowGrayed).
enum class CheckState { Unchecked, Checked, Grayed };

class CheckListBox : public Widget {
  public:
    CheckListBox(Widget* parent, std::string name) : Widget(Kind::CheckListBox, parent, std::move(name)) {
        SetTabStop(true);
    }
    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    void SetItems(std::vector<std::string> items);
    void AddItem(const std::string& item);
    void Clear();
    // Out of range reads as unchecked and writes nothing; setting raises nothing, as in VCL.
    CheckState State(int index) const;
    void SetState(int index, CheckState state);
    bool Checked(int index) const { return State(index) == CheckState::Checked; }
    // A picture resource drawn between an item's check box and its text; 0 for none (the
    // default of every added item).
    int Picture(int index) const;
    void SetPicture(int index, int picture);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);  // raises nothing
    int itemHeight = 16;
    bool allowGrayed = true;
    // The user changed an item's check: unchecked, grayed, checked, unchecked again.
    std::function<void()> OnClickCheck;
    // The user selected an item.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    void PeerToggle(int index);
    void PeerSelected(int index);
    void PeerDoubleClicked();

  private:
    std::vector<std::string> items_;
    std::vector<CheckState> states_;
    std::vector<int> pictures_;
    int itemIndex_ = -1;
};

// A multi-selection list whose owner-drawn rows show a picture before their text (VCL TListBox
// with MultiSelect, lbOwnerDrawFixed). Clicking a row toggles its selection.
class ListBox : public Widget {
  public:
    ListBox(Widget* parent, std::string name) : Widget(Kind::ListBox, parent, std::move(name)) {
        SetTabStop(true);
    }
    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    void AddItem(const std::string& item, int picture);
    void Delete(int index);
    void Clear();
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);  // raises nothing
    int Picture(int index) const;
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    int itemHeight = 16;
    // The user toggled a row.
    std::function<void()> OnClick;
    void PeerToggled(int index, bool selected);
    void PeerScrolled(int topIndex) { topIndex_ = topIndex; }

  private:
    struct Row {
        int picture = 0;
        bool selected = false;
    };
    std::vector<std::string> items_;
    std::vector<Row> rows_;
    int topIndex_ = 0;
};

// A tree whose nodes are filled when they are first expanded (a directory outline). Node 0 does
// not exist; nodes are numbered from 1 in the order they were added and stay until Clear.
class TreeView : public Widget {
  public:
    struct Node {
        std::string text;
        int parent = 0;
        std::vector<int> children;
        bool populated = false;  // OnExpanding has filled its children
        bool expanded = false;
    };
    TreeView(Widget* parent, std::string name) : Widget(Kind::TreeView, parent, std::move(name)) {
        SetTabStop(true);
    }
    int AddNode(int parent, const std::string& text);
    void Clear();
    int Count() const { return static_cast<int>(nodes_.size()); }
    const Node& At(int id) const { return nodes_[static_cast<size_t>(id - 1)]; }
    bool Valid(int id) const { return id >= 1 && id <= Count(); }
    int Selected() const { return selected_; }
    void SetSelected(int id);  // raises nothing
    // Fills the node's children on its first expansion (OnExpanding), then shows them and raises
    // OnExpanded.
    void Expand(int id);
    void Collapse(int id);
    // The texts from the top node down to this one, joined by separator.
    std::string PathOf(int id, const std::string& separator) const;
    // First expansion of a node: add its children here.
    std::function<void(int id)> OnExpanding;
    std::function<void(int id)> OnExpanded;
    std::function<void()> OnDblClick;
    // The native tree expanded or collapsed a node, or the user selected one.
    void PeerExpanding(int id);
    void PeerExpanded(int id, bool expanded);
    void PeerSelected(int id) { selected_ = Valid(id) ? id : 0; }
    void PeerDoubleClicked() {
        if (OnDblClick) OnDblClick();
    }

  private:
    Node& NodeAt(int id) { return nodes_[static_cast<size_t>(id - 1)]; }
    std::vector<Node> nodes_;
    int selected_ = 0;
};

// A picture of the program's resources (VCL TImage); it never takes the focus.
class Image : public Widget {
  public:
    Image(Widget* parent, std::string name) : Widget(Kind::Image, parent, std::move(name)) {}
    int Picture() const { return picture_; }
    void SetPicture(int id);

  private:
    int picture_ = 0;
};

class TabSheet : public Widget {
  public:
    TabSheet(Widget* parent, std::string name) : Widget(Kind::TabSheet, parent, std::move(name)) {}
};

class PageControl : public Widget {
  public:
    PageControl(Widget* parent, std::string name) : Widget(Kind::PageControl, parent, std::move(name)) {
        SetTabStop(true);
    }
    std::vector<TabSheet*> Pages() const;
    int ActivePageIndex() const { return active_; }
    // Raises nothing, as in VCL.
    void SetActivePageIndex(int index);
    std::function<void()> OnChange;
    void PeerSelected(int index);
    // The tab captions changed (a sheet's caption is its tab's).
    void TabsChanged() { Changed(Change::Items); }

    // The sheets fill the display area under the one row of tabs, inside the frame; the native
    // control reports its own area when it has one.
    static constexpr int kTabRowHeight = 21;
    static constexpr int kFrameWidth = 4;
    int ClientLeft() const override { return kFrameWidth; }
    int ClientTop() const override { return kTabRowHeight; }
    int ClientWidth() const override;
    int ClientHeight() const override;

  private:
    void ShowActiveOnly();
    int active_ = -1;
};

}  // namespace ui
