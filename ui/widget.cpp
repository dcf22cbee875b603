#include "ui/widget.h"

#include <algorithm>
#include "ui/form.h"

namespace ui {

Widget::Widget(Kind kind, Widget* parent, std::string name)
    : kind_(kind), parent_(parent), name_(std::move(name)) {
    if (parent_) parent_->children_.push_back(this);
}

Widget::~Widget() {
    // Children may outlive us when they were declared first; they must not point back.
    for (Widget* child : children_) {
        child->DestroyPeers();
        child->parent_ = nullptr;
    }
    peer_.reset();
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        if (Form* form = parent_->OwnerForm(); form && form->ActiveControl() == this) {
            // The derived parts are gone already: a handler must not see this control.
            OnExit = nullptr;
            form->SetActiveControl(nullptr);
        }
    }
}

Form* Widget::OwnerForm() {
    Widget* w = this;
    while (w->parent_)
        w = w->parent_;
    return w->kind_ == Kind::Form ? static_cast<Form*>(w) : nullptr;
}

void Widget::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Changed(Change::Caption);
}

void Widget::SetBounds(int left, int top, int width, int height) {
    Rect r{left, top, std::max(0, width), std::max(0, height)};
    if (r == bounds_) return;
    bool resized = r.width != bounds_.width || r.height != bounds_.height;
    bounds_ = r;
    Changed(Change::Bounds);
    if (resized) Realign();
}

void Widget::SetAlign(Align align) {
    if (align_ == align) return;
    align_ = align;
    if (parent_) parent_->Realign();
}

void Widget::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Changed(Change::Visible);
    if (visible) CreateWaitingPeers();
    if (!visible) {
        if (Form* form = OwnerForm();
            form && form != this && form->ActiveControl() && !form->ActiveControl()->Showing()) {
            form->SetActiveControl(nullptr);
        }
    }
    if (parent_ && align_ != Align::None) parent_->Realign();
}

bool Widget::Showing() const {
    for (const Widget* w = this; w; w = w->parent_) {
        if (!w->visible_) return false;
    }
    return true;
}

void Widget::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed(Change::Enabled);
}

void Widget::SetHint(const std::string& hint) {
    if (hint_ == hint) return;
    hint_ = hint;
    Changed(Change::Hint);
}

void Widget::SetShowHint(bool on) {
    if (showHint_ == on) return;
    showHint_ = on;
    Changed(Change::Hint);
}

void Widget::SetColor(std::uint32_t color) {
    if (color_ == color) return;
    color_ = color;
    Changed(Change::Color);
}

bool Widget::CanFocus() const {
    if (!Showing()) return false;
    for (const Widget* w = this; w; w = w->parent_) {
        if (!w->enabled_) return false;
    }
    return true;
}

bool Widget::Focused() const {
    Form* form = const_cast<Widget*>(this)->OwnerForm();
    return form && form->ActiveControl() == this;
}

void Widget::SetFocus() {
    if (!CanFocus()) return;
    Form* form = OwnerForm();
    if (form && form != this) form->SetActiveControl(this);
    if (peer_) peer_->Focus();
}

void Widget::Click() {
    if (OnClick) OnClick();
}

void Widget::PeerFocused(bool gained) {
    Form* form = OwnerForm();
    if (gained) {
        if (form && form != this) form->SetActiveControl(this);
    } else if (OnExit) {
        OnExit();
    }
}

void Widget::PeerMoved(int left, int top, int width, int height) {
    bool resized = width != bounds_.width || height != bounds_.height;
    bounds_ = Rect{left, top, width, height};
    if (resized) Realign();
}

bool Widget::ShownOnForm() const {
    for (const Widget* w = this; w->parent_; w = w->parent_) {
        if (!w->visible_) return false;
    }
    return true;
}

void Widget::CreatePeers(Backend& backend) {
    peerWaiting_ = peerOnFirstShow_ && !ShownOnForm();
    if (peerWaiting_) return;
    if (!peer_) peer_ = backend.CreatePeer(*this);
    for (Widget* child : children_)
        child->CreatePeers(backend);
}

void Widget::CreateWaitingPeers() {
    Form* form = OwnerForm();
    Backend* backend = form ? form->GetBackend() : nullptr;
    if (!backend || !ShownOnForm()) return;
    // Down the visible branches only: a waiting widget under a hidden parent keeps waiting.
    std::vector<Widget*> pending{this};
    while (!pending.empty()) {
        Widget* w = pending.back();
        pending.pop_back();
        if (w != this && !w->visible_) continue;
        if (w->peerWaiting_) {
            w->CreatePeers(*backend);
            continue;
        }
        pending.insert(pending.end(), w->children_.begin(), w->children_.end());
    }
}

void Widget::DestroyPeers() {
    for (Widget* child : children_)
        child->DestroyPeers();
    peer_.reset();
}

void Widget::Realign() {
    int left = ClientLeft(), top = ClientTop(), right = left + ClientWidth(), bottom = top + ClientHeight();
    // Tops from the top down and bottoms from the bottom up, each in creation order; then the
    // sides, then whatever is left to the client-aligned child.
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Widget* c : children_) {
            if (c->align_ != pass || !c->visible_) continue;
            switch (pass) {
                case Align::Top:
                    c->SetBounds(left, top, right - left, c->Height());
                    top += c->Height();
                    break;
                case Align::Bottom:
                    bottom -= c->Height();
                    c->SetBounds(left, bottom, right - left, c->Height());
                    break;
                case Align::Left:
                    c->SetBounds(left, top, c->Width(), bottom - top);
                    left += c->Width();
                    break;
                case Align::Right:
                    right -= c->Width();
                    c->SetBounds(right, top, c->Width(), bottom - top);
                    break;
                default:
                    c->SetBounds(left, top, right - left, bottom - top);
                    break;
            }
        }
    }
}

void Widget::Changed(Change what) {
    if (peer_) peer_->Update(what);
}

}  // namespace ui
