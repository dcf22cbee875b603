#include "shutdown/watchdog_page.h"

#include <cstdlib>

namespace shutdown {
namespace {

constexpr int kWaitOffset = 32768;
constexpr std::uint32_t kLeftRepeatMs = 1000;
constexpr std::uint32_t kRightRepeatMs = 100;
constexpr int kLeftStep = 100;
constexpr int kRightStep = 1000;

}  // namespace

WatchdogPage::WatchdogPage(WatchdogPageView view) : v_(view) {
    v_.CheckBox5.OnClick = [this] { CheckBox5Click(); };
    v_.CheckBox13.OnClick = [this] { CheckBox13Click(); };
    v_.CheckBox6.OnClick = [this] { CheckBox6Click(); };
    v_.Edit1.OnChange = [this] { Edit1Change(); };
    v_.UpDown1.OnClick = [this](bool) { UpDown1Click(); };
    v_.UpDown1.OnChanging = [this](bool&) { UpDown1Changing(); };
    v_.UpDown1.OnMouseDown = [this](ui::MouseButton button) { UpDown1MouseDown(button); };
    v_.UpDown1.OnMouseUp = [this](ui::MouseButton button) { UpDown1MouseUp(button); };
    v_.Timer3.OnTimer = [this] { Timer3Timer(); };
}

std::string WatchdogPage::WaitText(int position) {
    const int wait = position + kWaitOffset;
    return wait == 0 ? "00" : std::to_string(wait);
}

void WatchdogPage::CheckBox5Click() {
    if (v_.CheckBox5.Checked() && v_.Edit1.Text().empty()) {
        std::string path;
        bool chosen = false;
        // While the settings load a stored "on" without a command simply goes off.
        if (!v_.LoadingSettings) {
            port::OpenFileRequest request;
            request.title = "Search executable file ...";
            request.filter = "Programs (*.exe)|*.exe|All files (*.*)|*.*";
            request.defaultExtension = "EXE";
            request.fileMustExist = true;
            chosen = v_.os.dialogs.OpenFile(request, path) && !path.empty();
        }
        if (!chosen) {
            v_.Edit1.SetText("");
            v_.CheckBox5.SetChecked(false);  // its click disables the page
            return;
        }
        v_.Edit1.SetText(path);
    }
    const bool on = v_.CheckBox5.Checked();
    v_.CheckBox13.SetEnabled(on);
    v_.Label9.SetEnabled(on);
    v_.Edit1.SetEnabled(on);
    CheckBox13Click();
    v_.StatusBar1.SetPanelText(2, on ? "EX" : "");
}

void WatchdogPage::CheckBox13Click() {
    const bool waits = v_.CheckBox13.Enabled() && v_.CheckBox13.Checked();
    v_.UpDown1.SetEnabled(waits);
    v_.Label10.SetEnabled(waits);
    if (v_.LoadingSettings) {
        // The stored choice, or /NOMESSAGE on the command line.
        v_.run.noWarning = v_.run.noWarning || v_.CheckBox13.Checked();
    } else if (v_.CheckBox13.Enabled()) {
        v_.run.noWarning = v_.CheckBox13.Checked();
    }
}

void WatchdogPage::CheckBox6Click() {
    v_.StatusBar1.SetPanelText(3, v_.CheckBox6.Checked() ? "IN" : "");
}

void WatchdogPage::Edit1Change() {
    if (v_.Edit1.Text().empty()) v_.CheckBox5.SetChecked(false);
}

void WatchdogPage::UpDown1Click() {
    v_.Label10.SetCaption(WaitText(v_.UpDown1.Position()));
}

void WatchdogPage::UpDown1Changing() {
    rememberedWait_ = ShownWait();
}

void WatchdogPage::UpDown1MouseDown(ui::MouseButton button) {
    if (button == ui::MouseButton::Middle) return;
    heldButton_ = button;
    // The right button steps the wait; the window's menu must not open over it.
    v_.UpDown1.suppressContextMenu = true;
    v_.Timer3.SetInterval(button == ui::MouseButton::Left ? kLeftRepeatMs : kRightRepeatMs);
    v_.Timer3.SetEnabled(true);
}

void WatchdogPage::UpDown1MouseUp(ui::MouseButton) {
    v_.Timer3.SetEnabled(false);
}

void WatchdogPage::Timer3Timer() {
    const int position = v_.UpDown1.Position();
    const int top = v_.UpDown1.Max(), bottom = v_.UpDown1.Min();
    if (heldButton_ == ui::MouseButton::Left) {
        const bool up = ShownWait() > rememberedWait_;
        const int next = position + (up ? kLeftStep : -kLeftStep);
        // The arrows alone reach the last hundred of either end.
        if (up ? top - next < kLeftStep : next - bottom < kLeftStep) return;
        ShowPosition(next);
    } else {
        // Past the top the wait starts again from the bottom, keeping the distance it had.
        ShowPosition(top - position < kRightStep ? bottom + (top - position) : position + kRightStep);
    }
}

void WatchdogPage::ShowPosition(int position) {
    v_.UpDown1.SetPosition(position);
    v_.Label10.SetCaption(WaitText(v_.UpDown1.Position()));
}

int WatchdogPage::ShownWait() const {
    return std::atoi(v_.Label10.Caption().c_str());
}

}  // namespace shutdown
