#pragma once
// The notification-area icon component: puts an icon with a tooltip into the tray, animates it
// from a list of icons, turns the shell's mouse notifications into click, double-click, enter,
// move and exit events, pops up a menu on the right button, and hides the application from the
// taskbar and brings it back. It knows nothing of the program: all of that comes in through its
// properties and events.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>
#include "ports/platform.h"
#include "tray/xk_timers.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace tray {

// An operation that is not allowed in the component's present state.
class EInvalidOperation : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

enum TXKTrayIconState { tsEnabled, tsDisabled, tsAnimated };

enum TXKTrayIconOption : std::uint8_t {
    toMinimizeToTray = 1,
    toUnclutterAppTaskBar = 2,  // kept for the program's settings; no behaviour of its own
    toCloseFormsOnHideApp = 4,
    toHideTaskBarIconOnShowApp = 8,
};
using TXKTrayIconOptions = std::uint8_t;
constexpr TXKTrayIconOptions kDefaultTrayIconOptions =
    toMinimizeToTray | toUnclutterAppTaskBar | toCloseFormsOnHideApp;

enum TXKTrayIconAnimationOptions { aoIconsInExe, aoIconsAreFiles };

// Keys and buttons held while the mouse event came.
enum TShiftStateFlag : std::uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32
};
using TShiftState = std::uint8_t;

using TXKMouseEvent = std::function<void(TShiftState shift, int x, int y)>;
using TXKTrayIconStateChangingEvent = std::function<void(TXKTrayIconState& newState)>;

// The shell's notification record of this component, and its own messages.
constexpr std::uint32_t kTrayIconId = 42;
constexpr std::uint32_t kTrayIconFlags = 7;           // message, icon, tip
constexpr std::uint32_t kTrayCallbackMessage = 1124;  // WM_USER + 100
constexpr std::uint32_t kTrayDeferredMessage = 1125;  // WM_USER + 101
constexpr std::size_t kTrayTipChars = 63;

class TXKTrayIcon95;

class TXKTrayIconAnimation {
  public:
    explicit TXKTrayIconAnimation(TXKTrayIcon95& icon) : icon_(icon) {}
    TXKTrayIconAnimation(const TXKTrayIconAnimation&) = delete;
    TXKTrayIconAnimation& operator=(const TXKTrayIconAnimation&) = delete;

    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t ms);
    const std::vector<std::string>& Icons() const { return icons_; }
    void SetIcons(std::vector<std::string> names);
    TXKTrayIconAnimationOptions Options = aoIconsAreFiles;
    std::size_t FrameIndex() const { return index_; }

  private:
    friend class TXKTrayIcon95;
    void Start();
    void Stop();
    void Step();

    TXKTrayIcon95& icon_;
    std::uint32_t interval_ = 1000;
    std::vector<std::string> icons_;
    std::size_t index_ = 0;
    TXKTimerItem* item_ = nullptr;
};

// Receives the shell's notifications and the component's own messages.
class TXKTrayIconMsgWindow {
  public:
    explicit TXKTrayIconMsgWindow(TXKTrayIcon95& icon);
    ~TXKTrayIconMsgWindow();
    TXKTrayIconMsgWindow(const TXKTrayIconMsgWindow&) = delete;
    TXKTrayIconMsgWindow& operator=(const TXKTrayIconMsgWindow&) = delete;

    port::WindowId Handle() const { return handle_; }
    bool MouseInside() const { return mouseInside_; }
    bool ClickTimerRunning() const { return clickTimer_->Enabled(); }

  private:
    std::intptr_t WindowProc(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam, bool& handled);
    void ShellNotification(std::uint32_t mouseMessage);
    void Popup();
    void FireClick();
    void PollExit();
    TShiftState Shift() const;

    TXKTrayIcon95& icon_;
    port::WindowId handle_ = 0;
    std::uint32_t taskbarCreated_ = 0;
    int cursorX_ = 0, cursorY_ = 0;
    bool mouseInside_ = false;
    bool doubleClickSeen_ = false;
    TXKTimerItem* clickTimer_ = nullptr;
    TXKTimerItem* exitPoll_ = nullptr;
};

// Chains a handler into a form's close event, ahead of the form's own handler.
class TXKNotifyOnFormClose {
  public:
    // Once per form: a form that already has one keeps it. The list owns the chain links.
    static void Attach(std::vector<std::unique_ptr<TXKNotifyOnFormClose>>& links, ui::Form& form,
                       std::function<void(ui::Form&)> handler);
    TXKNotifyOnFormClose(ui::Form& form, std::function<void(ui::Form&)> handler);
    // Gives the form its own handler back.
    ~TXKNotifyOnFormClose();
    TXKNotifyOnFormClose(const TXKNotifyOnFormClose&) = delete;
    TXKNotifyOnFormClose& operator=(const TXKNotifyOnFormClose&) = delete;

  private:
    ui::Form& form_;
    std::function<void(ui::Form&)> handler_;
    std::function<void(ui::CloseAction&)> previous_;
};

class TXKTrayIcon95 {
  public:
    // owner: the main form; it is the form the application's hiding and showing work on.
    TXKTrayIcon95(ui::Form& owner, port::Platform& os, ui::Application& application);
    virtual ~TXKTrayIcon95();
    TXKTrayIcon95(const TXKTrayIcon95&) = delete;
    TXKTrayIcon95& operator=(const TXKTrayIcon95&) = delete;

    // Pictures: the component keeps copies of its own; 0 is the empty picture.
    port::IconId Icon() const { return icon_; }
    void SetIcon(port::IconId picture);
    port::IconId DisabledIcon() const { return disabledIcon_; }
    void SetDisabledIcon(port::IconId picture);
    TXKTrayIconAnimation& Animation() { return *animation_; }
    bool Active() const { return active_; }
    // For views that read the state as a flag.
    const bool& ActiveFlag() const { return active_; }
    void SetActive(bool on);
    bool AutoPopup = false;
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& text);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    TXKTrayIconState State() const { return state_; }
    void SetState(TXKTrayIconState state);
    TXKTrayIconOptions Options = kDefaultTrayIconOptions;
    ui::PopupMenu* PopupMenu = nullptr;

    std::function<void()> OnAnimation;
    std::function<void()> OnAppMinimize;
    std::function<void()> OnAppRestore;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    TXKMouseEvent OnMouseMove;
    TXKMouseEvent OnMouseEnter;
    TXKMouseEvent OnMouseExit;
    TXKTrayIconStateChangingEvent OnStateChanging;

    // The program's forms in the screen's order, for hiding all of them; the owner alone when
    // unset.
    std::function<std::vector<ui::Form*>()> ScreenForms;

    virtual void ShowApplication();
    virtual void HideApplication();
    virtual void LockUpdates(bool lock);

    void AddIcon();
    void RemoveIcon();
    void UpdateIcon();
    void RefreshIcon();
    void HideForm(ui::Form& form);
    void HideTaskBarButton();
    void FormClosed(ui::Form& form);

    // The picture the shell shows, the tooltip sent with it, and the message window.
    port::IconId WorkingIcon() const { return working_; }
    const std::string& Tip() const { return tip_; }
    port::WindowId Handle() const { return msgWindow_->Handle(); }
    const TXKTrayIconMsgWindow& MsgWindow() const { return *msgWindow_; }
    TXKTimerManager& TimerManager() { return *timers_; }

  private:
    friend class TXKTrayIconAnimation;
    friend class TXKTrayIconMsgWindow;
    class UpdateLock;

    // One call waits in the slot; a later post replaces a call not yet run.
    void PostDeferred(std::function<void()> call);
    void RunDeferred();
    void ShellRestarted();
    void SetPicture(port::IconId& slot, port::IconId picture);
    void ReplaceWorkingIcon(port::IconId icon);
    void SendRecord(std::uint32_t message);
    port::NotifyIconData Record() const;
    // Parks the application window under the hidden parking window, off the taskbar.
    bool ParkApplication();
    void UnparkApplication();
    port::WindowId AppWindow() { return os_.windows.ApplicationWindow(); }
    port::WindowId FormWindow(ui::Form& form) const;
    std::vector<ui::Form*> Forms() const;
    void ShowDeferred();
    void MinimizeToTray();
    void ApplicationMinimized();
    void ApplicationRestored();

    ui::Form& owner_;
    port::Platform& os_;
    ui::Application& application_;
    std::unique_ptr<TXKTimerManager> timers_;
    std::unique_ptr<TXKTrayIconMsgWindow> msgWindow_;
    std::unique_ptr<TXKTrayIconAnimation> animation_;
    port::IconId icon_ = 0, disabledIcon_ = 0, working_ = 0;
    bool active_ = false;
    std::string hint_;
    std::string tip_;
    bool showHint_ = true;
    TXKTrayIconState state_ = tsEnabled;
    bool inStateChanging_ = false;
    std::function<void()> deferred_;
    int lockCount_ = 0;
    std::vector<std::unique_ptr<TXKNotifyOnFormClose>> closeLinks_;
};

}  // namespace tray
