// Hiding the application from the taskbar and bringing it back. A window owned by a hidden
// window has no taskbar button: parking the application window under the hidden parking
// window takes its button away, putting it back under the desktop lets it return.
#include "lib/messages.h"
#include "tray/xk_tray95.h"

namespace tray {

// Holds the desktop's window-update lock for one operation, released on every way out: a lock
// left behind would freeze the whole screen.
class TXKTrayIcon95::UpdateLock {
  public:
    explicit UpdateLock(TXKTrayIcon95& icon) : icon_(icon) { icon_.LockUpdates(true); }
    ~UpdateLock() { icon_.LockUpdates(false); }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

  private:
    TXKTrayIcon95& icon_;
};

void TXKTrayIcon95::LockUpdates(bool lock) {
    port::TaskbarPort& taskbar = os_.taskbar;
    if (lock) {
        if (++lockCount_ == 1) taskbar.LockWindowUpdate(taskbar.DesktopWindow());
    } else if (lockCount_ > 0) {
        if (--lockCount_ == 0) taskbar.LockWindowUpdate(0);
    }
}

bool TXKTrayIcon95::ParkApplication() {
    const port::WindowId parking = os_.taskbar.ParkingWindow();
    if (!parking) {
        lib::ShowError(os_.dialogs, "Couldnt register window class: TXKApplication");
        return false;
    }
    os_.taskbar.SetParent(AppWindow(), parking);
    return true;
}

void TXKTrayIcon95::UnparkApplication() {
    os_.taskbar.SetParent(AppWindow(), 0);
}

port::WindowId TXKTrayIcon95::FormWindow(ui::Form& form) const {
    return form.GetPeer() ? form.GetPeer()->Native() : 0;
}

std::vector<ui::Form*> TXKTrayIcon95::Forms() const {
    if (ScreenForms) return ScreenForms();
    return {&owner_};
}

void TXKTrayIcon95::ApplicationMinimized() {
    if (active_ && (Options & toMinimizeToTray)) HideApplication();
    if (OnAppMinimize) OnAppMinimize();
}

void TXKTrayIcon95::ApplicationRestored() {
    if (active_) ShowApplication();
    if (OnAppRestore) OnAppRestore();
}

void TXKTrayIcon95::ShowApplication() {
    PostDeferred([this] { ShowDeferred(); });
}

void TXKTrayIcon95::ShowDeferred() {
    UpdateLock lock(*this);
    if (!ParkApplication()) return;
    port::TaskbarPort& taskbar = os_.taskbar;
    const port::WindowId app = AppWindow();
    os_.windows.SetForegroundWindow(app);
    if (taskbar.IsIconic(app)) taskbar.ShowWindow(app, port::kSwRestore);
    if (!owner_.Visible()) owner_.Show();
    if (Options & toHideTaskBarIconOnShowApp) {
        taskbar.ShowWindow(app, port::kSwHide);
        owner_.SetState(ui::WindowState::Normal);
        if (port::WindowId window = FormWindow(owner_)) taskbar.ShowWindow(window, port::kSwShowNormal);
        TXKNotifyOnFormClose::Attach(closeLinks_, owner_, [this](ui::Form& form) { FormClosed(form); });
    } else {
        taskbar.ShowWindow(app, port::kSwShowNormal);
    }
    UnparkApplication();
}

void TXKTrayIcon95::HideApplication() {
    if (!(Options & toCloseFormsOnHideApp)) {
        PostDeferred([this] { MinimizeToTray(); });
        return;
    }
    UpdateLock lock(*this);
    if (!ParkApplication()) return;
    std::vector<ui::Form*> forms = Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        if ((*it)->Visible()) HideForm(**it);
    }
    HideTaskBarButton();
    ParkApplication();
}

void TXKTrayIcon95::MinimizeToTray() {
    port::TaskbarPort& taskbar = os_.taskbar;
    {
        UpdateLock lock(*this);
        if (!ParkApplication()) return;
        const port::WindowId app = AppWindow();
        os_.windows.SetForegroundWindow(app);
        // The system's minimise animation would fly the window to a taskbar button it no
        // longer has; it is off for this one call only.
        const bool animation = taskbar.GetMinimizeAnimation();
        if (animation) taskbar.SetMinimizeAnimation(false);
        taskbar.ShowWindow(app, port::kSwMinimize);
        if (animation) taskbar.SetMinimizeAnimation(true);
        if (OnAppMinimize) OnAppMinimize();
        taskbar.ShowWindow(app, port::kSwHide);
        owner_.Hide();
    }
    HideTaskBarButton();
}

void TXKTrayIcon95::HideForm(ui::Form& form) {
    UpdateLock lock(*this);
    port::TaskbarPort& taskbar = os_.taskbar;
    const port::WindowId app = AppWindow();
    const bool appVisible = taskbar.IsWindowVisible(app);
    if (appVisible) {
        if (!ParkApplication()) return;
        taskbar.ShowWindow(app, port::kSwHide);
    }
    const bool isMain = &form == &owner_;
    if (isMain) {
        form.Hide();
    } else {
        form.Close();
    }
    if (appVisible || isMain) PostDeferred([this] { HideTaskBarButton(); });
}

void TXKTrayIcon95::HideTaskBarButton() {
    UpdateLock lock(*this);
    if (!ParkApplication()) return;
    os_.taskbar.ShowWindow(AppWindow(), port::kSwHide);
    UnparkApplication();
}

void TXKTrayIcon95::FormClosed(ui::Form&) {
    port::TaskbarPort& taskbar = os_.taskbar;
    const port::WindowId app = AppWindow();
    if (!taskbar.IsWindowVisible(app)) return;
    UpdateLock lock(*this);
    if (!ParkApplication()) return;
    taskbar.ShowWindow(app, port::kSwHide);
    PostDeferred([this] { HideTaskBarButton(); });
}

void TXKNotifyOnFormClose::Attach(std::vector<std::unique_ptr<TXKNotifyOnFormClose>>& links, ui::Form& form,
                                  std::function<void(ui::Form&)> handler) {
    for (const auto& link : links) {
        if (&link->form_ == &form) return;
    }
    links.push_back(std::make_unique<TXKNotifyOnFormClose>(form, std::move(handler)));
}

TXKNotifyOnFormClose::TXKNotifyOnFormClose(ui::Form& form, std::function<void(ui::Form&)> handler)
    : form_(form), handler_(std::move(handler)), previous_(form.OnClose) {
    form_.OnClose = [this](ui::CloseAction& action) {
        handler_(form_);
        if (previous_) previous_(action);
    };
}

TXKNotifyOnFormClose::~TXKNotifyOnFormClose() {
    form_.OnClose = previous_;
}

}  // namespace tray
