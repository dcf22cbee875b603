#include "tray/xk_tray95.h"

#include "lib/text.h"

namespace tray {

namespace {

// The first count characters of UTF-8 text; a character is never cut.
std::string FirstChars(const std::string& text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size() && chars < count; ++chars) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return text.substr(0, i);
}

}  // namespace

TXKTrayIcon95::TXKTrayIcon95(ui::Form& owner, port::Platform& os, ui::Application& application)
    : owner_(owner), os_(os), application_(application) {
    // Another component parked the application already: its button comes back to the taskbar
    // hidden, as this one expects to find it.
    if (os_.taskbar.HasParkingWindow()) {
        os_.taskbar.ShowWindow(AppWindow(), port::kSwHide);
        os_.taskbar.SetParent(AppWindow(), 0);
    }
    timers_ = std::make_unique<TXKTimerManager>(os_.loop);
    msgWindow_ = std::make_unique<TXKTrayIconMsgWindow>(*this);
    animation_ = std::make_unique<TXKTrayIconAnimation>(*this);
    animation_->item_ = &timers_->AddItem(false, 1000, [this] { animation_->Step(); });
    application_.OnMinimize = [this] { ApplicationMinimized(); };
    application_.OnRestore = [this] { ApplicationRestored(); };
}

TXKTrayIcon95::~TXKTrayIcon95() {
    timers_->SetEnabled(false);
    RemoveIcon();
    application_.OnMinimize = nullptr;
    application_.OnRestore = nullptr;
    closeLinks_.clear();
    for (port::IconId* picture : {&icon_, &disabledIcon_, &working_}) {
        if (*picture) os_.taskbar.DestroyIcon(*picture);
        *picture = 0;
    }
    msgWindow_.reset();
    animation_.reset();
}

void TXKTrayIcon95::SetPicture(port::IconId& slot, port::IconId picture) {
    const port::IconId previous = slot;
    slot = picture ? os_.taskbar.CopyIcon(picture) : 0;
    if (previous) os_.taskbar.DestroyIcon(previous);
    // Out of the tray there is no shown picture to keep up: AddIcon makes it from the slots.
    if (active_) RefreshIcon();
}

void TXKTrayIcon95::SetIcon(port::IconId picture) {
    SetPicture(icon_, picture);
}

void TXKTrayIcon95::SetDisabledIcon(port::IconId picture) {
    SetPicture(disabledIcon_, picture);
}

void TXKTrayIcon95::SetActive(bool on) {
    if (on) {
        AddIcon();
    } else {
        RemoveIcon();
    }
}

port::NotifyIconData TXKTrayIcon95::Record() const {
    return port::NotifyIconData{msgWindow_->Handle(), kTrayIconId, kTrayIconFlags,
                                kTrayCallbackMessage, working_,    tip_};
}

void TXKTrayIcon95::SendRecord(std::uint32_t message) {
    os_.taskbar.ShellNotifyIcon(message, Record());
}

void TXKTrayIcon95::AddIcon() {
    if (active_) return;
    RefreshIcon();
    // Active even when the shell refuses: a start before the taskbar exists gets its icon
    // when the taskbar announces itself.
    active_ = true;
    SendRecord(port::kNimAdd);
    if (state_ == tsAnimated) animation_->Start();
}

void TXKTrayIcon95::RemoveIcon() {
    if (!active_) return;
    active_ = false;
    if (state_ == tsAnimated) animation_->Stop();
    SendRecord(port::kNimDelete);
}

void TXKTrayIcon95::UpdateIcon() {
    SendRecord(port::kNimModify);
}

void TXKTrayIcon95::ShellRestarted() {
    // The new shell has no icons: this one goes back with its picture and tooltip.
    if (!active_) return;
    if (!os_.taskbar.ShellNotifyIcon(port::kNimAdd, Record())) SendRecord(port::kNimModify);
}

void TXKTrayIcon95::ReplaceWorkingIcon(port::IconId icon) {
    // The shell keeps its own copy of the picture; the old one goes once the shell has the new
    // one, so that a long animation holds exactly one icon.
    const port::IconId previous = working_;
    working_ = icon;
    if (active_) UpdateIcon();
    if (previous && previous != icon) os_.taskbar.DestroyIcon(previous);
}

void TXKTrayIcon95::RefreshIcon() {
    switch (state_) {
        case tsEnabled:
            ReplaceWorkingIcon(icon_ ? os_.taskbar.CopyIcon(icon_) : 0);
            return;
        case tsDisabled:
            ReplaceWorkingIcon(disabledIcon_ ? os_.taskbar.CopyIcon(disabledIcon_) : 0);
            return;
        case tsAnimated: {
            const TXKTrayIconAnimation& animation = *animation_;
            port::IconId frame = 0;
            if (animation.index_ < animation.icons_.size()) {
                const std::string& name = animation.icons_[animation.index_];
                frame = animation.Options == aoIconsAreFiles
                            ? os_.taskbar.LoadIconFile(name)
                            : os_.taskbar.LoadIconResource(lib::AsciiUpper(name));
            }
            // A frame that cannot be loaded leaves the previous picture.
            if (frame) {
                ReplaceWorkingIcon(frame);
            } else if (active_) {
                UpdateIcon();
            }
            return;
        }
    }
}

void TXKTrayIcon95::SetHint(const std::string& text) {
    if (hint_ == text) return;
    hint_ = text;
    if (showHint_) SetShowHint(true);
}

void TXKTrayIcon95::SetShowHint(bool on) {
    showHint_ = on;
    tip_ = on ? FirstChars(hint_, kTrayTipChars) : std::string();
    if (active_) UpdateIcon();
}

void TXKTrayIcon95::SetState(TXKTrayIconState state) {
    if (inStateChanging_)
        throw EInvalidOperation("You cannot modify the state property in the OnStateChanging event !!!");
    if (!active_) {
        state_ = state;
        return;
    }
    if (state == state_) return;
    if (OnStateChanging) {
        struct Guard {
            bool& flag;
            ~Guard() { flag = false; }
        } guard{inStateChanging_};
        inStateChanging_ = true;
        OnStateChanging(state);
    }
    if (state == state_) return;
    if (state_ == tsAnimated) animation_->Stop();
    state_ = state;
    RefreshIcon();
    if (state_ == tsAnimated) animation_->Start();
}

void TXKTrayIcon95::PostDeferred(std::function<void()> call) {
    deferred_ = std::move(call);
    os_.taskbar.PostTrayMessage(msgWindow_->Handle(), kTrayDeferredMessage, 0, 0);
}

void TXKTrayIcon95::RunDeferred() {
    if (!deferred_) return;
    std::function<void()> call = std::move(deferred_);
    deferred_ = nullptr;
    try {
        call();
    } catch (...) {
        // A handler's failure must not leave the shell's message unanswered; the slot stays empty.
    }
}

// Animation.

void TXKTrayIconAnimation::SetInterval(std::uint32_t ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    if (icon_.Active() && icon_.State() == tsAnimated) Start();
}

void TXKTrayIconAnimation::SetIcons(std::vector<std::string> names) {
    icons_ = std::move(names);
    if (icon_.Active() && icon_.State() == tsAnimated) index_ = 0;
}

void TXKTrayIconAnimation::Start() {
    item_->SetEnabled(false);
    index_ = 0;
    Step();
    if (icon_.State() == tsAnimated) {
        item_->SetInterval(interval_);
        item_->SetEnabled(true);
    }
}

void TXKTrayIconAnimation::Stop() {
    item_->SetEnabled(false);
}

void TXKTrayIconAnimation::Step() {
    if (icon_.OnAnimation) icon_.OnAnimation();
    icon_.RefreshIcon();
    ++index_;
    if (index_ >= icons_.size()) index_ = 0;
}

}  // namespace tray
