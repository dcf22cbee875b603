#include "ui/form.h"

#include "ui/controls.h"

namespace ui {

Form::Form(std::string className) : Widget(Kind::Form, nullptr, std::move(className)) {
    Widget::SetVisible(false);
}

void Form::Realize(Backend& backend) {
    RealizeOnFirstShow(backend);
    CreateDeferredPeers();
}

void Form::RealizeOnFirstShow(Backend& backend) {
    if (backend_) return;
    backend_ = &backend;
    nonClient_ = backend.NonClientExtent(*this);
    Widget::SetBounds(Left(), Top(), clientWidth_ + nonClient_.width, clientHeight_ + nonClient_.height);
    peersDeferred_ = true;
}

void Form::CreateDeferredPeers() {
    if (!peersDeferred_) return;
    peersDeferred_ = false;
    CreatePeers(*backend_);
}

void Form::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    Widget::SetBounds(Left(), Top(), width + nonClient_.width, height + nonClient_.height);
    Realign();
}

void Form::SetBounds(int left, int top, int width, int height) {
    bool resized = width - nonClient_.width != clientWidth_ || height - nonClient_.height != clientHeight_;
    clientWidth_ = width - nonClient_.width;
    clientHeight_ = height - nonClient_.height;
    Widget::SetBounds(left, top, width, height);
    if (resized) Realign();
}

void Form::SetState(WindowState state) {
    if (state_ == state) return;
    state_ = state;
    Changed(Change::Style);
}

void Form::SetIcon(port::IconId icon) {
    if (icon_ == icon) return;
    icon_ = icon;
    Changed(Change::Icon);
}

void Form::SetActiveControl(Widget* control) {
    if (activeControl_ == control) return;
    Widget* previous = activeControl_;
    activeControl_ = control;
    if (previous && previous->OnExit) previous->OnExit();
    if (control && control->OnEnter) control->OnEnter();
}

void Form::SetVisible(bool visible) {
    if (visible == Visible()) return;
    if (visible) CreateDeferredPeers();
    if (visible && OnShow) OnShow();
    Widget::SetVisible(visible);
    if (!visible && OnHide) OnHide();
}

void Form::Close() {
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(action);
    if (action == CloseAction::Hide || action == CloseAction::Free) SetVisible(false);
    if (action == CloseAction::Free && OnRelease) OnRelease();
}

namespace {
// Modal runs nest on the main thread only.
Form* topModal = nullptr;
}  // namespace

int Form::ShowModal() {
    modalResult_ = 0;
    if (!backend_) return 0;
    CreateDeferredPeers();
    Form* outer = topModal;
    topModal = this;
    const int result = backend_->RunModal(*this);
    topModal = outer;
    return result;
}

Form* Form::TopModal() {
    return topModal;
}

void Form::PeerHelp(Widget* control) {
    Widget* w = control ? control : this;
    while (w && w->HelpContext() == 0)
        w = w->Parent();
    if (w && OnHelp) OnHelp(w->HelpContext());
}

bool Form::PeerKeyDown(Key key, ShiftState shift) {
    for (MenuItem* menu : shortCutMenus_) {
        if (MenuItem* item = menu->FindShortCut(ShortCut{key, shift})) {
            item->Click();
            return false;
        }
    }
    if (keyPreview_ && OnKeyDown) {
        OnKeyDown(key, shift);
        return key != 0;
    }
    return true;
}

void Form::PeerActivated(bool active) {
    if (active_ == active) return;
    active_ = active;
    if (active && OnActivate) OnActivate();
    if (!active && OnDeactivate) OnDeactivate();
}

void Form::PeerStateChanged(WindowState state) {
    if (state_ == state) return;
    state_ = state;
    if (OnStateChange) OnStateChange(state);
}

}  // namespace ui
