#include <gtest/gtest.h>

#include <stdexcept>

#include "sim/machine.h"
#include "tray/xk_tray95.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace {

using tray::TXKTrayIcon95;

constexpr std::uint32_t kLDown = 0x201, kLDbl = 0x203, kRDown = 0x204, kRDbl = 0x206, kMove = 0x200;

class TrayIconTest : public ::testing::Test {
  protected:
    TrayIconTest() : platform(m.Platform()), app(m.loop, m.ui), form("TForm1"), icon(form, platform, app) {}

    void Mouse(std::uint32_t message) { ASSERT_TRUE(m.taskbar.SendIconMouse(icon.Handle(), 42, message)); }
    const port::NotifyIconData* Shown() const { return m.taskbar.TrayIcon(icon.Handle(), 42); }
    port::WindowId App() { return m.windows.ApplicationWindow(); }

    sim::Machine m;
    port::Platform platform;
    ui::Application app;
    ui::Form form;
    TXKTrayIcon95 icon;
};

// Clicks come out the same whether or not the tick count wraps while the click timer runs.
class TrayClickTest : public TrayIconTest, public ::testing::WithParamInterface<bool> {
  protected:
    void SetUp() override {
        if (GetParam()) m.loop.SetTickCount(0xFFFFFF00u);
        icon.OnClick = [this] { ++clicks; };
        icon.OnDblClick = [this] { ++doubleClicks; };
        icon.SetActive(true);
    }
    int clicks = 0, doubleClicks = 0;
};

TEST_P(TrayClickTest, PressFiresClickAfterTheDoubleClickTimeUnlessADoubleClickCame) {
    Mouse(kLDown);
    m.loop.RunFor(499);
    EXPECT_EQ(clicks, 0);
    m.loop.RunFor(200);
    EXPECT_EQ(clicks, 1);
    m.loop.RunFor(5000);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(m.loop.ActiveTimers(), 0u) << "no timer after the click";

    Mouse(kLDown);
    m.loop.RunFor(200);
    Mouse(kLDbl);
    EXPECT_EQ(doubleClicks, 1);
    m.loop.RunFor(2000);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);

    Mouse(kRDbl);
    EXPECT_EQ(doubleClicks, 2);
}

TEST_P(TrayClickTest, WithoutDoubleClickHandlerThePressClicksThroughThePostedCall) {
    icon.OnDblClick = nullptr;
    Mouse(kLDown);
    Mouse(kLDown);
    EXPECT_EQ(clicks, 0) << "deferred, not inside the shell's notification";
    m.loop.ProcessMessages();
    EXPECT_EQ(clicks, 1) << "a second post replaces the first";
    EXPECT_EQ(m.loop.ActiveTimers(), 0u);
}

TEST_P(TrayClickTest, RightPressPopsTheMenuUpAtTheStoredCursorInsteadOfClicking) {
    ui::PopupMenu menu("PopupMenu1");
    ui::MenuItem open(&menu, "Open1", "&Open...");
    int opened = 0;
    open.OnClick = [&] { ++opened; };
    icon.PopupMenu = &menu;
    icon.AutoPopup = true;
    m.ui.cursorX = 1000;
    m.ui.cursorY = 760;
    Mouse(kMove);
    m.ui.cursorX = 10;
    m.ui.ChooseInPopup("Open1");
    Mouse(kRDown);
    ASSERT_EQ(m.ui.popups.size(), 1u);
    EXPECT_EQ(m.ui.popups[0].x, 1000);
    EXPECT_EQ(m.ui.popups[0].y, 760);
    EXPECT_EQ(opened, 1);
    m.loop.RunFor(1000);
    EXPECT_EQ(clicks + doubleClicks, 0);
    // The owner takes the foreground for the menu, and gives it away after it.
    ASSERT_GE(m.windows.foregroundCalls.size(), 2u);
    EXPECT_EQ(m.windows.foregroundCalls.front(), App());
    EXPECT_EQ(m.windows.foregroundCalls.back(), m.windows.DesktopWindow());
    Mouse(kRDbl);
    EXPECT_EQ(doubleClicks, 1);
}

INSTANTIATE_TEST_SUITE_P(TickCount, TrayClickTest, ::testing::Bool());

TEST_F(TrayIconTest, MouseEnterAndExitPollOnlyWhileInside) {
    std::vector<std::string> events;
    icon.OnMouseEnter = [&](tray::TShiftState shift, int x, int) {
        events.push_back("enter " + std::to_string(x) + " " + std::to_string(shift));
    };
    icon.OnMouseExit = [&](tray::TShiftState, int x, int) { events.push_back("exit " + std::to_string(x)); };
    icon.SetActive(true);
    m.taskbar.keysDown = {0x10, 0x02};
    m.ui.cursorX = 900;
    Mouse(kMove);
    m.ui.cursorX = 902;
    m.loop.RunFor(1000);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], "enter 900 17");
    m.ui.cursorX = 903;
    m.loop.RunFor(80);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1], "exit 900");
    EXPECT_EQ(m.loop.ActiveTimers(), 0u);
}

TEST_F(TrayIconTest, StaticIconArmsNoTimer) {
    icon.SetIcon(m.taskbar.ApplicationIcon());
    icon.SetActive(true);
    m.loop.RunFor(3'600'000);
    EXPECT_EQ(m.loop.ActiveTimers(), 0u);
    EXPECT_EQ(m.loop.TimerFirings(), 0u);
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->icon, icon.WorkingIcon());
    EXPECT_NE(icon.WorkingIcon(), 0u);
}

TEST_F(TrayIconTest, PicturesAreCopiedForTheTrayOnlyWhileTheIconIsThere) {
    const std::size_t before = m.taskbar.LiveIcons();
    icon.SetIcon(m.taskbar.ApplicationIcon());
    icon.SetDisabledIcon(m.taskbar.ApplicationIcon());
    EXPECT_EQ(icon.WorkingIcon(), 0u);
    EXPECT_EQ(m.taskbar.LiveIcons(), before + 2) << "the two slots, no shown copy";

    icon.SetActive(true);
    ASSERT_NE(Shown(), nullptr);
    const port::IconId first = icon.WorkingIcon();
    EXPECT_NE(first, 0u);
    EXPECT_EQ(Shown()->icon, first);
    // In the tray a new picture shows at once, and the copy it replaces goes.
    icon.SetIcon(m.taskbar.ApplicationIcon());
    EXPECT_NE(icon.WorkingIcon(), first);
    EXPECT_EQ(Shown()->icon, icon.WorkingIcon());
    EXPECT_EQ(m.taskbar.LiveIcons(), before + 3);
    EXPECT_EQ(m.taskbar.badIconDestroys, 0);
}

TEST_F(TrayIconTest, AnimationShowsTheFramesInTurnAndHoldsOneWorkingIcon) {
    for (const char* name : {"C:\\A.ICO", "C:\\B.ICO", "C:\\C.ICO"})
        m.files.AddFile(name, "icon");
    icon.SetIcon(m.taskbar.ApplicationIcon());
    icon.Animation().SetIcons({"C:\\A.ICO", "C:\\B.ICO", "C:\\C.ICO"});
    icon.Animation().SetInterval(150);
    icon.SetState(tray::tsAnimated);  // inactive: only stored
    EXPECT_TRUE(m.taskbar.loadedIconFiles.empty());
    icon.SetActive(true);
    ASSERT_FALSE(m.taskbar.loadedIconFiles.empty());
    EXPECT_EQ(m.taskbar.loadedIconFiles.back(), "C:\\A.ICO");
    m.taskbar.loadedIconFiles.clear();
    m.loop.RunFor(449);
    EXPECT_EQ(m.taskbar.loadedIconFiles, (std::vector<std::string>{"C:\\B.ICO", "C:\\C.ICO"}));
    m.loop.RunFor(1);
    EXPECT_EQ(m.taskbar.loadedIconFiles.back(), "C:\\A.ICO");
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->icon, icon.WorkingIcon());
    const std::size_t live = m.taskbar.LiveIcons();
    m.loop.RunFor(150 * 1000);
    EXPECT_EQ(m.taskbar.loadedIconFiles.size(), 1003u);
    EXPECT_EQ(m.taskbar.LiveIcons(), live);
    EXPECT_EQ(m.taskbar.badIconDestroys, 0);

    icon.SetState(tray::tsEnabled);
    EXPECT_EQ(m.loop.ActiveTimers(), 0u);
    icon.SetActive(false);
    EXPECT_FALSE(m.taskbar.TrayIconPresent(icon.Handle(), 42));
}

TEST_F(TrayIconTest, AnimationWithoutFramesKeepsThePicture) {
    icon.SetIcon(m.taskbar.ApplicationIcon());
    icon.SetActive(true);
    const port::IconId before = Shown()->icon;
    int steps = 0;
    icon.OnAnimation = [&] { ++steps; };
    icon.SetState(tray::tsAnimated);
    m.loop.RunFor(3000);
    EXPECT_EQ(steps, 3) << "one at the start, then every 1000 ms on the 150 ms ticks";
    EXPECT_EQ(Shown()->icon, before);
    EXPECT_EQ(icon.WorkingIcon(), before);
}

TEST_F(TrayIconTest, HintIsCutTo63CharactersAndHiddenWithShowHint) {
    icon.SetActive(true);
    std::string hint;
    for (int i = 0; i < 100; ++i)
        hint += "\xC3\xA9";  // é
    icon.SetHint(hint);
    EXPECT_EQ(m.taskbar.notifyCalls.back().data.tip, hint.substr(0, 126));
    icon.SetHint(std::string(100, 'x'));
    EXPECT_EQ(Shown()->tip, std::string(63, 'x'));
    icon.SetShowHint(false);
    EXPECT_EQ(m.taskbar.notifyCalls.back().message, port::kNimModify);
    EXPECT_EQ(Shown()->tip, "");
    const port::NotifyIconData& record = m.taskbar.notifyCalls.back().data;
    EXPECT_EQ(record.id, 42u);
    EXPECT_EQ(record.flags, 7u);
    EXPECT_EQ(record.callbackMessage, 1124u);
}

TEST_F(TrayIconTest, StateChangingHandlerMayRedirectButNotReenter) {
    icon.SetIcon(m.taskbar.ApplicationIcon());
    icon.SetActive(true);
    bool threw = false;
    icon.OnStateChanging = [&](tray::TXKTrayIconState& state) {
        try {
            icon.SetState(tray::tsEnabled);
        } catch (const tray::EInvalidOperation& e) {
            threw = std::string(e.what()) ==
                    "You cannot modify the state property in the OnStateChanging event !!!";
        }
        state = tray::tsDisabled;
    };
    icon.SetState(tray::tsAnimated);
    EXPECT_TRUE(threw);
    EXPECT_EQ(icon.State(), tray::tsDisabled);
    EXPECT_EQ(Shown()->icon, 0u) << "the empty disabled picture";
    icon.OnStateChanging = [](tray::TXKTrayIconState&) { throw std::runtime_error("handler"); };
    EXPECT_THROW(icon.SetState(tray::tsEnabled), std::runtime_error);
    icon.OnStateChanging = nullptr;
    icon.SetState(tray::tsEnabled);
    EXPECT_EQ(icon.State(), tray::tsEnabled);
}

TEST_F(TrayIconTest, EndOfSessionAndDestructionTakeTheIconAway) {
    icon.SetActive(true);
    m.taskbar.BroadcastToTrayWindows(0x11, 0, 0);
    EXPECT_TRUE(icon.Active());
    m.taskbar.BroadcastToTrayWindows(0x16, 0, 0);
    EXPECT_TRUE(icon.Active()) << "the session goes on";
    m.taskbar.BroadcastToTrayWindows(0x16, 1, 0);
    EXPECT_FALSE(icon.Active());
    EXPECT_EQ(m.taskbar.TrayIconCount(), 0u);

    auto other = std::make_unique<TXKTrayIcon95>(form, platform, app);
    other->SetIcon(m.taskbar.ApplicationIcon());
    other->SetActive(true);
    EXPECT_EQ(m.taskbar.TrayIconCount(), 1u);
    other.reset();
    EXPECT_EQ(m.taskbar.TrayIconCount(), 0u);
    EXPECT_EQ(m.taskbar.TrayWindowCount(), 1u);
    EXPECT_EQ(m.taskbar.badIconDestroys, 0);
}

TEST_F(TrayIconTest, ShellRestartBringsAnActiveIconBack) {
    icon.SetHint("DoubleClick = ShutDown");
    icon.SetIcon(m.taskbar.ApplicationIcon());
    m.taskbar.RestartShell();
    EXPECT_EQ(m.taskbar.TrayIconCount(), 0u) << "inactive: nothing";

    icon.SetActive(true);
    const port::IconId picture = Shown()->icon;
    m.taskbar.RestartShell();
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->tip, "DoubleClick = ShutDown");
    EXPECT_EQ(Shown()->icon, picture);
    EXPECT_EQ(Shown()->callbackMessage, 1124u);

    // Started before the taskbar: the add fails, the icon stays active and comes with the shell.
    icon.SetActive(false);
    m.taskbar.failNextNotifies = 1;
    icon.SetActive(true);
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_TRUE(icon.Active());
    m.taskbar.RestartShell();
    EXPECT_NE(Shown(), nullptr);
}

TEST_F(TrayIconTest, HideTaskBarButtonParksAndReturnsTheApplicationWindow) {
    icon.HideTaskBarButton();
    EXPECT_FALSE(m.taskbar.IsWindowVisible(App()));
    EXPECT_EQ(m.taskbar.Parent(App()), 0u);
    ASSERT_EQ(m.taskbar.parentCalls.size(), 2u);
    EXPECT_EQ(m.windows.ClassName(m.taskbar.parentCalls[0].newParent, 64), "TXKApplication");
    EXPECT_EQ(m.taskbar.Locked(), 0u);
    EXPECT_EQ(m.taskbar.lockCalls, (std::vector<port::WindowId>{m.windows.DesktopWindow(), 0}));

    // A form whose close handler fails leaves no lock behind.
    ui::Form dialog("TForm3");
    dialog.Show();
    dialog.OnClose = [](ui::CloseAction&) { throw std::runtime_error("close"); };
    m.taskbar.SetVisible(App(), true);
    EXPECT_THROW(icon.HideForm(dialog), std::runtime_error);
    EXPECT_EQ(m.taskbar.Locked(), 0u);
    dialog.OnClose = nullptr;
    icon.HideForm(dialog);
    EXPECT_EQ(m.taskbar.Locked(), 0u);
}

TEST_F(TrayIconTest, ShowApplicationShowsTheFormAloneAndChainsIntoItsCloseOnce) {
    icon.Options = tray::toHideTaskBarIconOnShowApp;
    int ownCloses = 0;
    form.OnClose = [&](ui::CloseAction&) { ++ownCloses; };
    form.SetState(ui::WindowState::Minimized);
    icon.ShowApplication();
    EXPECT_FALSE(form.Visible()) << "deferred";
    m.loop.ProcessMessages();
    icon.ShowApplication();
    m.loop.ProcessMessages();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.State(), ui::WindowState::Normal);
    EXPECT_FALSE(m.taskbar.IsWindowVisible(App()));
    EXPECT_EQ(m.taskbar.Parent(App()), 0u);
    EXPECT_EQ(m.taskbar.Locked(), 0u);

    m.taskbar.SetVisible(App(), true);
    form.Close();
    EXPECT_EQ(ownCloses, 1);
    EXPECT_FALSE(m.taskbar.IsWindowVisible(App())) << "the close handler of the component ran first";
    m.taskbar.SetVisible(App(), true);
    m.loop.ProcessMessages();
    EXPECT_FALSE(m.taskbar.IsWindowVisible(App())) << "and posted the button's hiding";
}

TEST_F(TrayIconTest, MinimisingTheApplicationGoesToTheTrayWithoutAnimation) {
    icon.Options = tray::toMinimizeToTray;
    int minimized = 0, restored = 0;
    icon.OnAppMinimize = [&] { ++minimized; };
    icon.OnAppRestore = [&] { ++restored; };
    m.ui.MinimizeApplication();
    m.loop.ProcessMessages();
    EXPECT_EQ(minimized, 1) << "inactive: the event only";
    EXPECT_TRUE(m.taskbar.showCalls.empty());

    icon.SetActive(true);
    form.Show();
    m.ui.MinimizeApplication();
    m.loop.ProcessMessages();
    EXPECT_EQ(minimized, 3);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(m.taskbar.IsWindowVisible(App()));
    EXPECT_EQ(m.taskbar.animationSets, (std::vector<bool>{false, true}));
    bool minimizeSeen = false;
    for (const sim::ShowCall& call : m.taskbar.showCalls) {
        if (call.command == port::kSwMinimize) {
            minimizeSeen = true;
            EXPECT_FALSE(call.animationOn);
        }
    }
    EXPECT_TRUE(minimizeSeen);
    EXPECT_TRUE(m.taskbar.minimizeAnimation);
    EXPECT_EQ(m.taskbar.Locked(), 0u);

    m.ui.RestoreApplication();
    m.loop.ProcessMessages();
    EXPECT_EQ(restored, 1);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(m.taskbar.IsWindowVisible(App()));
}

TEST_F(TrayIconTest, ParkingWindowThatCannotBeMadeIsReported) {
    m.taskbar.parkingClassFails = true;
    icon.HideTaskBarButton();
    ASSERT_EQ(m.dialogs.boxes.size(), 1u);
    EXPECT_EQ(m.dialogs.boxes[0].text, "Couldnt register window class: TXKApplication");
    EXPECT_EQ(m.taskbar.Locked(), 0u);
}

}  // namespace
