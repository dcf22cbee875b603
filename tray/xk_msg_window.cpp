#include <cstdlib>

#include "tray/xk_tray95.h"

namespace tray {

namespace {

enum : std::uint32_t {
    kWmQueryEndSession = 0x0011,
    kWmEndSession = 0x0016,
    kWmUser = 0x0400,
    kWmMouseMove = 0x0200,
    kWmLButtonDown = 0x0201,
    kWmLButtonDblClk = 0x0203,
    kWmRButtonDown = 0x0204,
    kWmRButtonDblClk = 0x0206,
    kWmMButtonDown = 0x0207,
    kWmMButtonDblClk = 0x0209,
};
enum : int {
    kVkLButton = 1,
    kVkRButton = 2,
    kVkMButton = 4,
    kVkShift = 0x10,
    kVkControl = 0x11,
    kVkMenu = 0x12
};

constexpr std::uint32_t kClickDelayMs = 500;
constexpr std::uint32_t kExitPollMs = 70;
constexpr int kExitDistance = 3;

}  // namespace

TXKTrayIconMsgWindow::TXKTrayIconMsgWindow(TXKTrayIcon95& icon) : icon_(icon) {
    TXKTimerManager& timers = *icon_.timers_;
    clickTimer_ = &timers.AddItem(false, kClickDelayMs, [this] { FireClick(); });
    exitPoll_ = &timers.AddItem(false, kExitPollMs, [this] { PollExit(); });
    port::TaskbarPort& taskbar = icon_.os_.taskbar;
    // Sent to every top-level window when the shell starts again (Explorer restarted).
    taskbarCreated_ = taskbar.RegisterMessage("TaskbarCreated");
    handle_ =
        taskbar.CreateTrayWindow([this](std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam,
                                        bool& handled) { return WindowProc(msg, wparam, lparam, handled); });
}

TXKTrayIconMsgWindow::~TXKTrayIconMsgWindow() {
    if (handle_) icon_.os_.taskbar.DestroyTrayWindow(handle_);
}

std::intptr_t TXKTrayIconMsgWindow::WindowProc(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam,
                                               bool& handled) {
    handled = true;
    try {
        if (msg == kWmQueryEndSession) return 1;
        if (msg == kWmEndSession) {
            if (wparam) icon_.RemoveIcon();
            return 0;
        }
        if (msg == kTrayCallbackMessage) {
            ShellNotification(static_cast<std::uint32_t>(lparam));
            return 0;
        }
        if (msg == kTrayDeferredMessage) {
            icon_.RunDeferred();
            return 0;
        }
        if (taskbarCreated_ != 0 && msg == taskbarCreated_) {
            icon_.ShellRestarted();
            return 0;
        }
    } catch (...) {
        // An event handler's failure ends here: the shell and the window system wait for the answer.
        return 0;
    }
    handled = false;
    return 0;
}

void TXKTrayIconMsgWindow::ShellNotification(std::uint32_t mouseMessage) {
    switch (mouseMessage) {
        case kWmMouseMove: {
            icon_.os_.ui.CursorPos(cursorX_, cursorY_);
            if ((icon_.OnMouseEnter || icon_.OnMouseExit) && !mouseInside_) {
                mouseInside_ = true;
                exitPoll_->SetEnabled(true);
                if (icon_.OnMouseEnter) icon_.OnMouseEnter(Shift(), cursorX_, cursorY_);
                return;
            }
            if (!icon_.OnMouseEnter && !icon_.OnMouseExit) mouseInside_ = true;
            if (icon_.OnMouseMove && mouseInside_ && !clickTimer_->Enabled())
                icon_.OnMouseMove(Shift(), cursorX_, cursorY_);
            return;
        }
        case kWmLButtonDown:
        case kWmRButtonDown:
        case kWmMButtonDown:
            if (mouseMessage == kWmRButtonDown && icon_.AutoPopup && icon_.PopupMenu) {
                Popup();
            } else if (icon_.OnDblClick) {
                doubleClickSeen_ = false;
                clickTimer_->SetInterval(kClickDelayMs);
                clickTimer_->SetEnabled(true);
            } else {
                icon_.PostDeferred([this] {
                    if (icon_.OnClick) icon_.OnClick();
                });
            }
            return;
        case kWmLButtonDblClk:
        case kWmRButtonDblClk:
        case kWmMButtonDblClk:
            doubleClickSeen_ = true;
            FireClick();
            return;
        default:
            return;
    }
}

void TXKTrayIconMsgWindow::FireClick() {
    clickTimer_->SetEnabled(false);
    if (doubleClickSeen_) {
        if (icon_.OnDblClick) icon_.OnDblClick();
    } else if (icon_.OnClick) {
        icon_.OnClick();
    }
}

void TXKTrayIconMsgWindow::Popup() {
    port::Platform& os = icon_.os_;
    const port::WindowId app = os.windows.ApplicationWindow();
    // The menu closes properly only when its owner is the foreground window; the message
    // posted after it makes the next click outside close a menu that stays open.
    os.windows.SetForegroundWindow(app);
    os.loop.ProcessMessages();
    os.ui.Popup(*icon_.PopupMenu, cursorX_, cursorY_);
    os.windows.PostMessage(app, kWmUser, 0, 0);
    bool formVisible = false;
    for (ui::Form* form : icon_.Forms())
        formVisible = formVisible || form->Visible();
    const bool appHidden = !os.taskbar.IsWindowVisible(app) && !os.taskbar.IsIconic(app);
    if (!(appHidden && formVisible)) os.windows.SetForegroundWindow(os.taskbar.DesktopWindow());
}

void TXKTrayIconMsgWindow::PollExit() {
    try {
        int x = 0, y = 0;
        icon_.os_.ui.CursorPos(x, y);
        if (std::abs(x - cursorX_) < kExitDistance && std::abs(y - cursorY_) < kExitDistance) return;
        mouseInside_ = false;
        exitPoll_->SetEnabled(false);
        if (icon_.OnMouseExit) icon_.OnMouseExit(Shift(), cursorX_, cursorY_);
    } catch (...) {
        // The poll runs from the timer; nobody could take the failure.
    }
}

TShiftState TXKTrayIconMsgWindow::Shift() const {
    port::TaskbarPort& taskbar = icon_.os_.taskbar;
    TShiftState shift = 0;
    const std::pair<int, TShiftStateFlag> keys[] = {{kVkShift, ssShift},   {kVkMenu, ssAlt},
                                                    {kVkControl, ssCtrl},  {kVkLButton, ssLeft},
                                                    {kVkRButton, ssRight}, {kVkMButton, ssMiddle}};
    for (const auto& [key, flag] : keys) {
        if (taskbar.KeyDown(key)) shift |= flag;
    }
    return shift;
}

}  // namespace tray
