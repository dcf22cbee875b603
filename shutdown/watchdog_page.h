#pragma once
// The "Run & Init" page of the notebook: the application to start, the warning or the wait, and
// the drive initialisation, with the wait's auto-repeating arrows.
#include <cstdint>
#include "ports/platform.h"
#include "shutdown/watchdog.h"
#include "ui/controls.h"
#include "ui/timer.h"

namespace shutdown {

struct WatchdogPageView {
    port::Platform& os;
    WatchdogRunState& run;
    const bool& LoadingSettings;
    ui::CheckBox& CheckBox5;
    ui::CheckBox& CheckBox13;
    ui::CheckBox& CheckBox6;
    ui::Edit& Edit1;
    ui::Label& Label9;
    ui::Label& Label10;
    ui::UpDown& UpDown1;
    ui::StatusBar& StatusBar1;
    ui::Timer& Timer3;
};

// Binds itself to the controls when made; the controls must outlive it.
class WatchdogPage {
  public:
    explicit WatchdogPage(WatchdogPageView view);
    WatchdogPage(const WatchdogPage&) = delete;
    WatchdogPage& operator=(const WatchdogPage&) = delete;

    void CheckBox5Click();
    void CheckBox13Click();
    void CheckBox6Click();
    void Edit1Change();
    void UpDown1Click();
    void UpDown1Changing();
    void UpDown1MouseDown(ui::MouseButton button);
    void UpDown1MouseUp(ui::MouseButton button);
    void Timer3Timer();

    // Label10 shows the wait: the up-down's position plus 32768, "00" for none.
    static std::string WaitText(int position);

  private:
    void ShowPosition(int position);
    int ShownWait() const;

    WatchdogPageView v_;
    int rememberedWait_ = 0;  // the shown wait before the last arrow click
    ui::MouseButton heldButton_ = ui::MouseButton::Left;
};

}  // namespace shutdown
