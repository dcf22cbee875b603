// The countdown and the time-of-day timer in the running program, on the virtual clock.
#include <gtest/gtest.h>
#include <string>
#include "app/form1.h"
#include "app/program.h"
#include "ports/dialog_port.h"
#include "timers/countdown.h"
#include "tests/unit/program_fixture.h"

namespace {

constexpr const char* kUser = "Software\\QAV\\Ravelin\\LocalUser\\";
constexpr std::uint32_t kTick = 989;

class CountdownTest : public program_test::PlainWindowTest {
  protected:
    void Set(const std::string& section, const char* name, std::uint32_t value) {
        machine.registry.SetDword(port::RegRoot::CurrentUser, kUser + section, name, value);
    }
    // The timer enabled in "in" mode with the given length, for the method at position.
    void Preset(std::uint32_t seconds, std::uint32_t position = 0) {
        Set("Timer1", "Enabled", 1);
        Set("Timer1", "Edit1", seconds);
        Set("Objects", "ComboBox1", position);
    }
    // The timer enabled in "at" mode for the time of day.
    void PresetAt(int h, int m, int s, std::uint32_t position = 0) {
        Set("Timer1", "Enabled", 1);
        Set("Timer1", "Radio1", 1);
        Set("Timer1", "UpDown1", h);
        Set("Timer1", "UpDown2", m);
        Set("Timer1", "UpDown3", s);
        Set("Objects", "ComboBox1", position);
    }
    std::string Panel() const { return form->StatusBar1.PanelText(1); }
    std::size_t Exits() const { return machine.session.exitCalls.size(); }
    void Tick(std::uint32_t ticks = 1) { machine.loop.RunFor(ticks * kTick); }
    // Counting, paused, stopped or off: no tick is armed and none arrives.
    void ExpectNoTick() {
        EXPECT_FALSE(form->Timer1.Enabled());
        const std::uint64_t firings = machine.loop.TimerFirings();
        machine.loop.RunFor(10 * 60 * 1000);
        EXPECT_EQ(machine.loop.TimerFirings(), firings);
        EXPECT_EQ(Exits(), 0u);
    }
};

TEST_F(CountdownTest, SixtySecondsCallTheEngineAtTheSixtiethTick) {
    Preset(60);
    Start();
    ExpectNoTick();
    form->Button1.Click();
    EXPECT_TRUE(form->Timer1.Enabled());
    EXPECT_EQ(form->Timer1.Interval(), kTick);
    EXPECT_FALSE(form->Button1.Enabled());
    EXPECT_TRUE(form->SpeedButton2.Enabled());
    EXPECT_TRUE(form->SpeedButton1.Enabled());
    const std::uint64_t armed = machine.loop.NowMs();

    Tick();
    EXPECT_EQ(Panel(), "00:00:59");
    EXPECT_EQ(program->State().application.Title(), "00:00:59");
    EXPECT_EQ(form->Caption(), "Ravelin");
    EXPECT_EQ(form->ProgressBar1.Max(), 59);
    EXPECT_EQ(form->ProgressBar1.Position(), 1);
    Tick(58);
    EXPECT_EQ(Panel(), "00:00:01");
    EXPECT_EQ(form->ProgressBar1.Position(), 59);
    EXPECT_EQ(Exits(), 0u);
    Tick();
    ASSERT_EQ(Exits(), 1u);
    EXPECT_EQ(machine.loop.NowMs() - armed, 60u * kTick);
    EXPECT_FALSE(form->Timer1.Enabled());
    EXPECT_TRUE(program->State().ended);
}

TEST_F(CountdownTest, PauseFreezesAndResumeGoesOnFromThere) {
    Preset(60);
    Start();
    form->Button1.Click();
    Tick(10);
    EXPECT_EQ(Panel(), "00:00:50");
    EXPECT_TRUE(Press('P'));
    EXPECT_TRUE(form->SpeedButton2.Down());
    EXPECT_EQ(form->SpeedButton2.Hint(), "Resume timer");
    EXPECT_FALSE(form->Button1.Enabled());
    ExpectNoTick();
    machine.loop.RunFor(3600 * 1000);
    EXPECT_EQ(Panel(), "00:00:50");

    form->SpeedButton2.Click();
    EXPECT_FALSE(form->SpeedButton2.Down());
    EXPECT_EQ(form->SpeedButton2.Hint(), "Pause timer");
    Tick();
    EXPECT_EQ(Panel(), "00:00:49");
    Tick(48);
    EXPECT_EQ(Exits(), 0u);
    Tick();
    EXPECT_EQ(Exits(), 1u);
}

TEST_F(CountdownTest, StopResetsEverythingAndTheNextStartIsFullLength) {
    Preset(60);
    Start();
    form->Button1.Click();
    Tick(5);
    form->SetState(ui::WindowState::Minimized);
    Tick();
    EXPECT_EQ(form->Caption(), "00:00:54");
    form->SetState(ui::WindowState::Normal);
    Tick();
    EXPECT_EQ(form->Caption(), "Ravelin");
    EXPECT_TRUE(Press(ui::kVkEscape));
    EXPECT_EQ(Panel(), "");
    EXPECT_FALSE(form->CountdownRunning);
    EXPECT_EQ(form->PendingMethodCode, 0);
    EXPECT_FALSE(form->SpeedButton1.Enabled());
    EXPECT_FALSE(form->SpeedButton2.Enabled());
    EXPECT_TRUE(form->Button1.Enabled());
    EXPECT_EQ(form->ProgressBar1.Position(), 0);
    EXPECT_EQ(program->State().application.Title(), "Ravelin v3.31");
    ExpectNoTick();
    // Stopping twice changes nothing.
    timers::StopCountdown(form->TimersView());
    EXPECT_EQ(form->Caption(), "Ravelin");

    form->Button1.Click();
    Tick();
    EXPECT_EQ(Panel(), "00:00:59");
    EXPECT_TRUE(Press('S'));
    ExpectNoTick();
}

TEST_F(CountdownTest, OpeningTheNotebookStopsTheCountdown) {
    Preset(60);
    Start();
    form->Button1.Click();
    Tick(3);
    form->BitBtn1.Click();
    EXPECT_FALSE(form->CountdownRunning);
    ExpectNoTick();
}

TEST_F(CountdownTest, SecondsFieldsThatAreNoLengthRunSixtySeconds) {
    Preset(60);
    Start();
    for (const char* text : {"", "0", "abc", "-5"}) {
        form->Edit2.SetText(text);
        form->Button1.Click();
        Tick();
        EXPECT_EQ(Panel(), "00:00:59") << text;
        timers::StopCountdown(form->TimersView());
    }
    // Leaving the field writes the length it stands for.
    form->Edit2.SetText("0");
    form->Edit2.OnExit();
    EXPECT_EQ(form->Edit2.Text(), "60");
}

TEST_F(CountdownTest, TimeOfDayOneSecondEarlierRunsAlmostADay) {
    PresetAt(9, 59, 59);
    machine.loop.SetDateTime(2026, 12, 8, 10, 0, 0);
    Start();
    form->Button1.Click();
    EXPECT_FALSE(form->SpeedButton2.Enabled());
    Press('P');
    EXPECT_FALSE(form->SpeedButton2.Down());
    EXPECT_TRUE(form->Timer1.Enabled());
    EXPECT_EQ(form->ProgressBar1.Max(), 86'398 / 87);
    Tick();
    EXPECT_EQ(Panel(), "23:59:58");
    form->SpeedButton2.Click();
    EXPECT_FALSE(form->SpeedButton2.Down());
    EXPECT_TRUE(form->Timer1.Enabled());
    machine.loop.RunFor(86'398 * 1000);
    EXPECT_EQ(Exits(), 0u);
    machine.loop.RunFor(1000);
    ASSERT_EQ(Exits(), 1u);
}

TEST_F(CountdownTest, TimeOfDayMidnightAndNow) {
    PresetAt(0, 0, 0);
    machine.loop.SetDateTime(2026, 12, 8, 23, 0, 0);
    Start();
    EXPECT_EQ(form->TrackBar1.Position(), 288);
    form->Button1.Click();
    Tick();
    EXPECT_EQ(Panel(), "00:59:59");
    timers::StopCountdown(form->TimersView());

    // The current second: due at the first tick.
    machine.loop.SetDateTime(2026, 12, 8, 14, 5, 30);
    form->UpDown2.SetPosition(14);
    form->Label5.SetCaption("14");
    form->UpDown3.SetPosition(5);
    form->Label6.SetCaption("5");
    form->UpDown4.SetPosition(30);
    form->Label7.SetCaption("30");
    form->Button1.Click();
    EXPECT_EQ(Exits(), 0u);
    Tick();
    EXPECT_EQ(Exits(), 1u);
}

TEST_F(CountdownTest, BeeperAndFlashesOverTheLastMinute) {
    Preset(70);
    Set("Controls", "BeeperEnabled", 1);
    Set("Controls", "FlashEnabled", 1);
    Set("Controls", "BeeperValue", 59);
    Start();
    form->Button1.Click();
    Tick(70);
    ASSERT_EQ(Exits(), 1u);
    // 16 double flashes with a pause between, then one flash a second from 9 to 0.
    EXPECT_EQ(machine.feedback.beeps.size(), 26u);
    for (const sim::Beep& beep : machine.feedback.beeps)
        EXPECT_EQ(beep.type, 0u);
    EXPECT_EQ(machine.feedback.flashes.size(), 42u);
    std::size_t pauses = 0;
    for (const sim::SleepRecord& sleep : machine.loop.Sleeps())
        pauses += sleep.ms == 150;
    EXPECT_EQ(pauses, 16u);
    // The first signal comes at 59 seconds left, the eleventh tick.
    const std::uint64_t first = machine.feedback.flashes[0].atMs;
    EXPECT_EQ(machine.feedback.flashes[1].atMs - first, 150u);
    EXPECT_EQ(machine.feedback.beeps[0].atMs, first + 150);
}

TEST_F(CountdownTest, ShortCountdownShortensTheBeeperLead) {
    Preset(60);
    Set("Controls", "BeeperEnabled", 1);
    Start();
    form->Edit2.SetText("10");
    form->Edit2.OnExit();
    EXPECT_EQ(form->SpinEdit4.Text(), "10");
    EXPECT_EQ(form->SpinEdit4.maxValue, 10);
    form->SpinEdit4.OnExit();
    EXPECT_EQ(form->SpinEdit4.maxValue, 10);
    form->Edit2.SetText("30");
    form->Edit2.OnExit();
    EXPECT_EQ(form->SpinEdit4.maxValue, 59);
}

TEST_F(CountdownTest, OffNoTimerAndTheMainButtonActsAtOnce) {
    Set("Objects", "ComboBox1", 0);
    Start();
    ExpectNoTick();
    form->Button1.Click();
    EXPECT_EQ(Exits(), 1u);
}

TEST_F(CountdownTest, SliderSetsTimeAndSeconds) {
    Preset(60);
    Start();
    form->RadioButton1.SetChecked(true);
    EXPECT_EQ(form->TrackBar1.Max(), 288);
    form->TrackBar1.PeerPosition(150);
    EXPECT_EQ(form->Label5.Caption(), "12");
    EXPECT_EQ(form->Label6.Caption(), "30");
    EXPECT_EQ(form->Label7.Caption(), "00");
    EXPECT_EQ(form->UpDown3.Position(), 30);

    form->RadioButton2.SetChecked(true);
    EXPECT_EQ(form->TrackBar1.Max(), 24);
    form->TrackBar1.PeerPosition(5);
    EXPECT_EQ(form->Edit2.Text(), "18000");
    form->Edit2.SetText("5000");
    EXPECT_EQ(form->TrackBar1.Position(), 1);
    EXPECT_EQ(form->Edit2.Text(), "5000");
    // An arrow of the time selects "at".
    form->UpDown2.PeerArrow(true);
    EXPECT_TRUE(form->RadioButton1.Checked());
    EXPECT_EQ(form->Label5.Caption(), "13");
}

using StartupSafetyTest = CountdownTest;

TEST_F(StartupSafetyTest, LoadingAsksNothingAndTheStartUpCountdownIsLogged) {
    // The test box after 5 seconds would warn if the user set it up now.
    Preset(5, 7);
    Set("Timer1", "StartUp", 1);
    Set("Controls", "InvisibleWindow", 0);
    Start();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(form->CountdownRunning);
    EXPECT_TRUE(form->Visible());
    Tick(4);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    Tick();
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_NE(machine.dialogs.boxes[0].text.find("This is a message"), std::string::npos);
    EXPECT_EQ(program->State().engine.state.currentLogCode, 7);
    EXPECT_EQ(program->State().engine.state.triggerKind, 0);
    EXPECT_TRUE(machine.files.Exists("C:\\RAVELIN\\RVLN.LOG"));
}

TEST_F(StartupSafetyTest, InvisibleStartKeepsTheWindowHidden) {
    Preset(600, 1);
    Set("Timer1", "StartUp", 1);
    Start();
    EXPECT_TRUE(form->CountdownRunning);
    EXPECT_FALSE(form->Visible());
}

TEST_F(StartupSafetyTest, EachTriggerAsksAndNoRevertsIt) {
    Preset(60, 0);
    Start();
    form->CheckBox12.SetChecked(true);
    form->CheckBox10.SetChecked(true);
    ASSERT_TRUE(machine.dialogs.boxes.empty());

    // The seconds field.
    machine.dialogs.Answer(port::kIdNo);
    form->Edit2.SetText("10");
    form->Edit2.OnExit();
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "W A R N I N G !\r\rThis configuration may prevent your system\rfrom starting, because the chosen "
        "timer in-\rterval (< 20 sec) in combination with the\rother parameters, might be too short to\rstop "
        "the timer at startup!\r\rDo you still want this setting to be enabled?");
    EXPECT_EQ(form->Edit2.Text(), "20");

    // "&Always start in System Tray".
    form->Edit2.SetText("10");
    form->CheckBox10.SetChecked(false);
    machine.dialogs.Answer(port::kIdNo);
    form->CheckBox10.SetChecked(true);
    EXPECT_FALSE(form->CheckBox10.Checked());
    machine.dialogs.Answer(port::kIdYes);
    form->CheckBox10.SetChecked(true);
    EXPECT_TRUE(form->CheckBox10.Checked());

    // "&Run at Start".
    form->CheckBox12.SetChecked(false);
    machine.dialogs.Answer(port::kIdNo);
    form->CheckBox12.SetChecked(true);
    EXPECT_FALSE(form->CheckBox12.Checked());

    // The timer itself.
    machine.dialogs.Answer(port::kIdYes);
    form->CheckBox12.SetChecked(true);
    form->CheckBox4.SetChecked(false);
    machine.dialogs.Answer(port::kIdNo);
    form->CheckBox4.SetChecked(true);
    EXPECT_FALSE(form->CheckBox4.Checked());
    EXPECT_FALSE(form->CheckBox12.Checked());
    EXPECT_FALSE(form->CheckBox12.Enabled());
    EXPECT_EQ(form->StatusBar1.PanelText(0), "");
    EXPECT_EQ(machine.dialogs.unscriptedBoxes, 0);
}

TEST_F(StartupSafetyTest, MsDosModeAndRestartWarnTooAndTheTestBoxHasItsOwnWarning) {
    Preset(10, 0);
    Start();
    form->CheckBox12.SetChecked(true);
    machine.dialogs.Answer(port::kIdYes);
    form->CheckBox10.SetChecked(true);
    for (int position : {8, 10}) {
        machine.dialogs.Answer(port::kIdNo);
        form->ComboBox1.PeerSelected(position);
        EXPECT_FALSE(form->CheckBox12.Checked()) << position;
        machine.dialogs.Answer(port::kIdYes);
        form->CheckBox12.SetChecked(true);
    }
    EXPECT_EQ(machine.dialogs.Containing("(< 20 sec)").size(), 5u);
    // The ask dialog waits for the user: no warning.
    form->ComboBox1.PeerSelected(9);
    EXPECT_EQ(machine.dialogs.Containing("(< 20 sec)").size(), 5u);

    form->CheckBox10.SetChecked(false);
    form->ComboBox1.PeerSelected(7);
    form->Edit2.SetText("5");
    machine.dialogs.Answer(port::kIdNo);
    form->Edit2.OnExit();
    ASSERT_EQ(machine.dialogs.Containing("(< 10 sec)").size(), 1u);
    EXPECT_EQ(
        machine.dialogs.Containing("(< 10 sec)")[0].text,
        "W A R N I N G !\r\rThis configuration may set your system to an inoperable\rstate, because the "
        "timer interval (< 10 sec) in combination\rwith the \"MessageBox ...\" option might be too short "
        "to stop\rthe timer, if it is running as soon as Ravelin starts!\r\rDo you still want this "
        "setting to be enabled?");
    EXPECT_EQ(form->Edit2.Text(), "20");
    EXPECT_EQ(machine.dialogs.unscriptedBoxes, 0);
}

}  // namespace
