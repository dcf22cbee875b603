#pragma once
// The retained widget model. Widgets hold the state the program reads and writes (captions,
// checks, positions); a peer, when there is one, mirrors it in a native control and reports the
// user's actions back through the Peer* entry points.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "ui/backend.h"

namespace ui {

class Form;

enum class Kind {
    Form,
    Panel,
    GroupBox,
    ToolBar,
    BitBtn,
    Button,
    SpeedButton,
    CheckBox,
    RadioButton,
    Label,
    Edit,
    SpinEdit,
    ComboBox,
    ProgressBar,
    TrackBar,
    UpDown,
    StatusBar,
    PageControl,
    TabSheet,
    CheckListBox,
    Image,
    ListBox,
    TreeView,
    RadioGroup,
    ScrollBox,
};

enum class Align { None, Top, Bottom, Left, Right, Client };

constexpr std::uint32_t kDefaultColor = 0xFF000000u;  // the control's system colour
constexpr std::uint32_t Rgb(int r, int g, int b) {
    return std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16;
}
constexpr std::uint32_t kAqua = Rgb(0, 255, 255);
constexpr std::uint32_t kLime = Rgb(0, 255, 0);
constexpr std::uint32_t kRed = Rgb(255, 0, 0);
constexpr std::uint32_t kBlack = Rgb(0, 0, 0);

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

class Widget {
  public:
    Widget(Kind kind, Widget* parent, std::string name);
    virtual ~Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    Kind kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    Widget* Parent() const { return parent_; }
    const std::vector<Widget*>& Children() const { return children_; }
    Form* OwnerForm();

    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption);

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    const Rect& Bounds() const { return bounds_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }

    Align GetAlign() const { return align_; }
    void SetAlign(Align align);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and in every ancestor, form included.
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);

    std::uint32_t Color() const { return color_; }
    void SetColor(std::uint32_t color);

    // The menu a right click on this control (or on a child without its own) opens; the form's
    // context menu when none up to the form has one.
    PopupMenu* popupMenu = nullptr;

    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on) { tabStop_ = on; }
    bool CanFocus() const;
    bool Focused() const;
    void SetFocus();

    // The program's own click (VCL Click): behaves as the user's.
    virtual void Click();

    std::function<void()> OnClick;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;
    std::function<void(int x, int y)> OnMouseMove;

    // Entry points for the peer (the user acted on the native control). A disabled control
    // takes no click, not even one another program posts to it (BM_CLICK).
    virtual void PeerClicked() {
        if (Enabled()) Click();
    }
    void PeerMouseMove(int x, int y) {
        if (OnMouseMove) OnMouseMove(x, y);
    }
    void PeerFocused(bool gained);
    void PeerMoved(int left, int top, int width, int height);

    Peer* GetPeer() const { return peer_.get(); }
    // Creates peers for this widget and its children (parents first). A widget that waits for its
    // first show and is not shown on its form yet is left out, with its children.
    void CreatePeers(Backend& backend);
    void DestroyPeers();
    // The native control of this widget and of its children is made only when the widget first
    // shows on its form (visible itself and in every parent below the form), not with the form:
    // a page that is never opened costs no windows. The model holds their state meanwhile and the
    // peer takes it over when it is made.
    void SetPeerOnFirstShow(bool on) { peerOnFirstShow_ = on; }
    // Left out by CreatePeers: the peers wait for the widget to show.
    bool PeerWaiting() const { return peerWaiting_; }
    // Visible itself and in every parent below the form; the form's own visibility does not count.
    bool ShownOnForm() const;

    // Lays out the children that have an alignment inside this widget's client area.
    void Realign();
    // Where aligned children go: a page control keeps its tab row and frame for itself.
    virtual int ClientLeft() const { return 0; }
    virtual int ClientTop() const { return 0; }
    virtual int ClientWidth() const { return bounds_.width; }
    virtual int ClientHeight() const { return bounds_.height; }

  protected:
    void Changed(Change what);
    // Makes the peers that waited for this widget or a child to show, once they do.
    void CreateWaitingPeers();

  private:
    Kind kind_;
    Widget* parent_;
    std::vector<Widget*> children_;
    std::string name_;
    std::string caption_;
    Rect bounds_;
    Align align_ = Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = false;
    std::string hint_;
    bool showHint_ = true;
    std::uint32_t color_ = kDefaultColor;
    int helpContext_ = 0;
    bool peerOnFirstShow_ = false;
    bool peerWaiting_ = false;
    std::unique_ptr<Peer> peer_;
};

}  // namespace ui
