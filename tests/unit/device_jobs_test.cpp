// The device workers on real threads against the simulated machine. Their sleeps only move the
// virtual clock, so the tests assert what happened and in which order, never how long it took.
#include <gtest/gtest.h>
#include <system_error>
#include "app/device_view.h"
#include "devices/device_jobs.h"
#include "devices/device_table.h"
#include "devices/mci.h"
#include "program_fixture.h"

namespace {

using devices::kKeepField;

const char kCloseNoticeD[] =
    "Device:   >>> D: <<<\rwants to CLOSE its door! - Ready now? ...\r\r(This hint can be disabled on "
    "page no. 3 \"Tasks\"\rof the \"Controls\" Tab of the Settings-Notebook.";

class DeviceJobsTest : public program_test::PlainWindowTest {
  protected:
    app::ProgramState& State() { return program->State(); }
    devices::DeviceJobs& Jobs() { return State().deviceJobs; }
    // The help label's texts are recorded as the workers set them.
    void Observe() {
        devices::JobHost host = app::MakeJobHost(*form);
        auto show = host.ShowStatus;
        host.ShowStatus = [this, show](const std::string& text) {
            status.push_back(text);
            show(text);
        };
        Jobs().SetHost(host);
        status.clear();
    }
    void SetDevice(int index, int state, int onlyIfInserted = kKeepField, int delay = kKeepField) {
        devices::SetDeviceFields(State().DeviceTable, index, nullptr, state, onlyIfInserted, delay);
    }
    // Starts one job and lets the workers run to their end.
    void RunJob(const std::string& target, int index) {
        Jobs().StartDeviceJob(target, index);
        ASSERT_TRUE(machine.loop.ProcessUntil([this] { return !Jobs().AnyDeviceBusy(); }));
    }
    int MciDoorCommands(std::uint32_t flag) const {
        int n = 0;
        for (const auto& call : machine.devices.MciCalls())
            if (call.message == port::kMciSet && (call.flags & flag)) ++n;
        return n;
    }
    void ExpectAllOnMainThread() {
        for (const auto& call : machine.devices.MciCalls())
            EXPECT_TRUE(call.mainThread);
        for (const auto& box : machine.dialogs.boxes)
            EXPECT_TRUE(box.onMainThread) << box.text;
    }
    std::vector<std::string> status;
};

TEST_F(DeviceJobsTest, Windows98DoorsOpenWaitAndCloseWithTheirTexts) {
    machine.AddCdrom('D');
    Start(sim::Os::Win98);
    Observe();

    // Gray: the door opens and stays open; no countdown.
    SetDevice(1, devices::kStateEjectOnly);
    RunJob("D:", 1);
    EXPECT_TRUE(machine.devices.DoorOpen("D:"));
    EXPECT_EQ(MciDoorCommands(port::kMciSetDoorOpen), 1);
    EXPECT_EQ(MciDoorCommands(port::kMciSetDoorClosed), 0);
    EXPECT_EQ(status, (std::vector<std::string>{"Ejecting device:\rD: ...", "Device D:\rnow ejected!"}));
    EXPECT_EQ(machine.loop.TotalSleptMs(), 0u);

    // Black with the notice: the door closes right after OK, without a countdown.
    machine.devices.SetDoorOpen("D:", false);
    SetDevice(1, devices::kStateEjectRetract, 0, 20);
    int notices = 0;
    machine.dialogs.handler = [&](const sim::BoxRecord& box) {
        EXPECT_EQ(box.text, kCloseNoticeD);
        EXPECT_TRUE(machine.devices.DoorOpen("D:"));
        ++notices;
        return port::kIdOk;
    };
    status.clear();
    RunJob("D:", 1);
    EXPECT_EQ(notices, 1);
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    EXPECT_EQ(status.back(), "Device D:\rnow loaded!");
    EXPECT_EQ(machine.loop.TotalSleptMs(), 0u);

    // Black without it: one second per step of the delay, counted down while the list shows
    // this device, then closed.
    State().InfoBeforeRetract = false;
    SetDevice(1, devices::kStateEjectRetract, 0, 3);
    form->CheckListBox1.SetItemIndex(0);
    status.clear();
    RunJob("D:", 1);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(status, (std::vector<std::string>{"Ejecting device:\rD: ...", "Device D:\rnow ejected!",
                                                "Loading D:\rin: 3 sec.", "Loading D:\rin: 2 sec.",
                                                "Loading D:\rin: 1 sec.", "Device D:\rnow loaded!"}));
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    int workerSleeps = 0;
    for (const auto& sleep : machine.loop.Sleeps()) {
        EXPECT_FALSE(sleep.mainThread);
        EXPECT_EQ(sleep.ms, 1000u);
        ++workerSleeps;
    }
    EXPECT_EQ(workerSleeps, 3);
    EXPECT_EQ(form->DeviceOperationRunning, false);
    ExpectAllOnMainThread();
}

TEST_F(DeviceJobsTest, RefusalsAndABurstLeaveTheDefaultDriveAsItWas) {
    machine.AddCdrom('D');
    machine.AddCdrom('E');
    machine.SetMciDefaultDrive(0);
    Start(sim::Os::Win98);
    Observe();
    SetDevice(1, devices::kStateEjectOnly);
    SetDevice(2, devices::kStateEjectRetract);
    // While E:'s notice is up: E: again is refused, D: gets a worker of its own.
    bool nested = false;
    machine.dialogs.handler = [&](const sim::BoxRecord& box) {
        if (box.text.find("wants to CLOSE") != std::string::npos && !nested) {
            nested = true;
            EXPECT_TRUE(form->DeviceOperationRunning);
            EXPECT_EQ(Jobs().DeviceJobStatus(2), devices::kThisBusyOtherIdle);
            EXPECT_EQ(Jobs().DeviceJobStatus(1), devices::kThisIdleOtherBusy);
            Jobs().StartDeviceJob("E:", 2);
            Jobs().StartDeviceJob("D:", 1);
            EXPECT_EQ(Jobs().DeviceJobStatus(1), devices::kAllBusy);
            EXPECT_EQ(Jobs().CurrentSlot(), 2);
        }
        return port::kIdOk;
    };
    RunJob("E:", 2);
    ASSERT_TRUE(nested);
    const auto inUse = machine.dialogs.Containing("This device is already in use!");
    ASSERT_EQ(inUse.size(), 1u);
    EXPECT_EQ(
        inUse[0].text,
        "This device is already in use!\r\rPlease wait until the device has finnished\rits action (e.g. "
        "has close its door) and\rthen try to open this device again.");
    EXPECT_EQ(inUse[0].style, port::kMbOk);
    EXPECT_TRUE(machine.devices.DoorOpen("D:"));
    EXPECT_FALSE(machine.devices.DoorOpen("E:"));
    EXPECT_EQ(State().SavedMciDrive, "D:");
    EXPECT_EQ(machine.MciDefaultDrive(), 0);
    EXPECT_FALSE(Jobs().SlotInUse(1));
    EXPECT_FALSE(Jobs().SlotInUse(2));

    // A worker that cannot start: the memory box, and nothing stays busy.
    Jobs().startThread = [](std::function<void()>) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    };
    Jobs().StartDeviceJob("D:", 1);
    EXPECT_EQ(machine.dialogs.Last()->text,
              "Out of Memory!\r\rNot enough memory for to open this device!\rPlease close some open "
              "applications or buy some memory ...\rand try again.");
    EXPECT_FALSE(Jobs().AnyDeviceBusy());
    EXPECT_FALSE(Jobs().SlotInUse(1));
    ExpectAllOnMainThread();
}

TEST_F(DeviceJobsTest, WindowsNtEjectsOnWorkersAndFallsBackToMci) {
    machine.AddCdrom('D');
    machine.AddScsiTape("Tape0", 0, 0, 0);
    Start(sim::Os::NT4);
    Observe();
    ASSERT_EQ(devices::GetDeviceName(State().DeviceTable, 2), "Tape0");
    State().InfoBeforeRetract = false;

    // Black CD: eject and load on the worker, a countdown between.
    SetDevice(1, devices::kStateEjectRetract, 0, 2);
    RunJob("D:", 1);
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    std::vector<std::uint32_t> workerCodes;
    for (const auto& call : machine.devices.IoctlCalls())
        if (!call.mainThread) workerCodes.push_back(call.code);
    EXPECT_EQ(workerCodes,
              (std::vector<std::uint32_t>{port::kIoctlDiskEjectMedia, port::kIoctlDiskLoadMedia}));
    EXPECT_EQ(machine.devices.MciCalls().size(), 0u);
    EXPECT_EQ(status.back(), "Device D:\rnow loaded!");

    // A CD that refuses the command is opened through MCI.
    SetDevice(1, devices::kStateEjectOnly);
    machine.devices.ScriptIoctl("D:", port::kIoctlDiskEjectMedia, {false});
    RunJob("D:", 1);
    EXPECT_TRUE(machine.devices.DoorOpen("D:"));
    EXPECT_EQ(MciDoorCommands(port::kMciSetDoorOpen), 1);

    // A tape: a second try silently; failing twice, its box and the end of the job.
    SetDevice(2, devices::kStateEjectOnly);
    const size_t boxes = machine.dialogs.boxes.size();
    machine.devices.ScriptIoctl("TAPE0", port::kIoctlDiskEjectMedia, {false, true});
    RunJob("Tape0", 2);
    EXPECT_EQ(machine.dialogs.boxes.size(), boxes);
    machine.devices.ScriptIoctl("TAPE0", port::kIoctlDiskEjectMedia, {false, false});
    RunJob("Tape0", 2);
    ASSERT_EQ(machine.dialogs.boxes.size(), boxes + 1);
    EXPECT_EQ(machine.dialogs.Last()->text.rfind("ERROR: Cannot eject media in device: \\\\.\\Tape0", 0), 0u);
    EXPECT_EQ(MciDoorCommands(port::kMciSetDoorOpen), 1);
    ExpectAllOnMainThread();
}

TEST_F(DeviceJobsTest, AllIfInsertedQualifiesByMediumAndFlagAndWaits) {
    machine.AddCdrom('D', true);
    machine.AddCdrom('E', false);
    Start(sim::Os::Win98);
    Observe();
    SetDevice(1, devices::kStateEjectOnly, 1);
    SetDevice(2, devices::kStateEjectOnly, 1);
    Jobs().EjectAllIfInserted();
    EXPECT_FALSE(Jobs().AnyDeviceBusy());
    EXPECT_TRUE(machine.devices.DoorOpen("D:"));
    EXPECT_FALSE(machine.devices.DoorOpen("E:"));

    machine.devices.SetDoorOpen("D:", false);
    SetDevice(1, devices::kStateEjectOnly, 0);
    SetDevice(2, devices::kStateEjectOnly, 0);
    Jobs().EjectAllIfInserted();
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    EXPECT_TRUE(machine.devices.DoorOpen("E:"));

    // Asked first: No starts nothing.
    machine.devices.SetDoorOpen("E:", false);
    State().AskBeforeEject = true;
    machine.dialogs.Answer(port::kIdNo);
    Jobs().EjectAllIfInserted();
    EXPECT_EQ(machine.dialogs.Last()->text.rfind("Device:   >>> CD - E: <<<\rwants to OPEN its door!", 0),
              0u);
    EXPECT_FALSE(machine.devices.DoorOpen("E:"));
    EXPECT_EQ(Jobs().OpenPromptCount, 0);
    EXPECT_EQ(MciDoorCommands(port::kMciSetDoorOpen), 2);
}

TEST_F(DeviceJobsTest, ExitDuringACountdownWaitsForTheWorker) {
    machine.AddCdrom('D');
    machine.SetMciDefaultDrive(0);
    Start(sim::Os::Win98);
    Observe();
    State().InfoBeforeRetract = false;
    SetDevice(1, devices::kStateEjectRetract, 0, 20);
    Jobs().StartDeviceJob("D:", 1);
    form->Exit1Click();
    EXPECT_TRUE(machine.loop.Terminated());
    EXPECT_FALSE(Jobs().AnyDeviceBusy());
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    EXPECT_EQ(status.back(), "Device D:\rnow loaded!");
    EXPECT_EQ(machine.loop.Sleeps().size(), 20u);
    EXPECT_EQ(machine.MciDefaultDrive(), 0);
}

TEST_F(DeviceJobsTest, ExitInsideTheCloseNoticeRunsOnceItIsAnswered) {
    machine.AddCdrom('D');
    machine.AddCdrom('E');
    machine.SetMciDefaultDrive(1);
    Start(sim::Os::Win98);
    Observe();
    SetDevice(1, devices::kStateEjectRetract, 0, 20);
    bool exitedInside = false;
    machine.dialogs.handler = [&](const sim::BoxRecord& box) {
        if (box.text == kCloseNoticeD) {
            form->Exit1Click();
            exitedInside = machine.loop.Terminated();
        }
        return port::kIdOk;
    };
    Jobs().StartDeviceJob("D:", 1);
    ASSERT_TRUE(machine.loop.ProcessUntil([this] { return machine.loop.Terminated(); }));
    EXPECT_FALSE(exitedInside);
    EXPECT_FALSE(Jobs().AnyDeviceBusy());
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    EXPECT_EQ(machine.MciDefaultDrive(), 1);
}

// A worker's end hides the application's taskbar button only behind a visible, minimised window.
TEST_F(DeviceJobsTest, TaskbarButtonIsHiddenOnlyForAVisibleMinimisedWindow) {
    Start(sim::Os::Win98);
    const devices::JobHost host = app::MakeJobHost(*form);
    const port::WindowId application = form->program.application.Handle();
    machine.taskbar.showCalls.clear();
    host.HideTaskbarButtonIfMinimized();
    EXPECT_TRUE(machine.taskbar.showCalls.empty());
    form->SetState(ui::WindowState::Minimized);
    form->SetVisible(false);
    machine.taskbar.showCalls.clear();
    host.HideTaskbarButtonIfMinimized();
    EXPECT_TRUE(machine.taskbar.showCalls.empty());
    form->SetVisible(true);
    form->SetState(ui::WindowState::Minimized);
    machine.taskbar.showCalls.clear();
    host.HideTaskbarButtonIfMinimized();
    ASSERT_EQ(machine.taskbar.showCalls.size(), 1u);
    EXPECT_EQ(machine.taskbar.showCalls[0].window, application);
    EXPECT_EQ(machine.taskbar.showCalls[0].command, port::kSwHide);
    EXPECT_FALSE(machine.taskbar.IsWindowVisible(application));
}

}  // namespace
