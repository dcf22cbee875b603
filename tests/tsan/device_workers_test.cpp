// The device workers on real threads while the main thread keeps rewriting what they read: the
// device records, the list's selection, the LED. Built with ThreadSanitizer, which reports any
// access the workers make without going through the main thread; the device table's own check
// (asserts stay on here) stops at any table access off the main thread.
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "app/program_state.h"
#include "devices/device_jobs.h"
#include "devices/device_table.h"
#include "devices/drives.h"
#include "sim/machine.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace {

using devices::kKeepField;

// The device page's controls on a form of their own: what the workers' view refers to.
struct Page {
    ui::Form form{"TForm1"};
    ui::CheckListBox list{&form, "CheckListBox1"};
    ui::Image red{&form, "Image1"}, green{&form, "Image2"};
    ui::CheckBox onlyIfInserted{&form, "CheckBox17"};
    ui::Label delayLabel{&form, "Label14"};
    ui::SpinEdit delay{&form, "SpinEdit2"};
    ui::Label seconds{&form, "Label2"};
    ui::SpeedButton test{&form, "SpeedButton8"};
    ui::Label help{&form, "Label15"};
    ui::StatusBar bar{&form, "StatusBar2"};
    ui::CheckBox ask{&form, "CheckBox19"}, inform{&form, "CheckBox18"};
};

class DeviceWorkersTest : public ::testing::Test {
  protected:
    void Start(sim::Os os, const std::vector<std::string>& records) {
        machine.SetOs(os);
        state = std::make_unique<app::ProgramState>(platform);
        devices::DetectDrives(*state);
        state->DeviceTable.Assign(records);
        for (const std::string& record : records)
            page.list.AddItem(devices::RecordName(record));
        page.list.SetItemIndex(0);
        devices::JobHost host;
        host.View = [this] {
            return devices::DeviceView{
                *state,
                page.list,
                page.red,
                page.green,
                page.onlyIfInserted,
                page.delayLabel,
                page.delay,
                page.seconds,
                page.test,
                page.help,
                page.bar,
                page.ask,
                page.inform,
                [] { return true; },
                [this] { Jobs().WaitForDevices(); },
                [] {},
                [this](const std::string& target, int index) { Jobs().StartDeviceJob(target, index); }};
        };
        host.ShowStatus = [this](const std::string& text) {
            EXPECT_TRUE(machine.loop.IsMainThread());
            status.push_back(text);
            page.help.SetCaption(text);
        };
        host.BusyChanged = [this](bool busy) { busyChanges.push_back(busy); };
        Jobs().SetHost(host);
    }
    devices::DeviceJobs& Jobs() { return state->deviceJobs; }
    // What a user does on the page meanwhile: the delays typed again, another row selected.
    void KeepEditing() {
        machine.loop.OnProcessMessages = [this] {
            ++edits;
            state->InfoBeforeRetract = false;
            for (int i = 1; i <= state->DeviceTable.DeviceCount(); ++i)
                devices::SetDeviceFields(state->DeviceTable, i, nullptr, kKeepField, kKeepField, 2);
            page.list.SetItemIndex(edits % 2);
        };
    }
    void Wait() {
        ASSERT_TRUE(machine.loop.ProcessUntil([this] { return !Jobs().AnyDeviceBusy(); }));
        machine.loop.OnProcessMessages = nullptr;
    }
    int Count(const std::string& text) const {
        return static_cast<int>(std::count(status.begin(), status.end(), text));
    }
    void ExpectBoxesAndMciOnTheMainThread() {
        for (const auto& call : machine.devices.MciCalls())
            EXPECT_TRUE(call.mainThread);
        for (const auto& box : machine.dialogs.boxes)
            EXPECT_TRUE(box.onMainThread) << box.text;
    }

    sim::Machine machine;
    port::Platform platform = machine.Platform();
    Page page;
    // Last: its workers are waited for before the page and the machine go.
    std::unique_ptr<app::ProgramState> state;
    std::vector<std::string> status;
    std::vector<bool> busyChanges;
    int edits = 0;
};

TEST_F(DeviceWorkersTest, TwoMciWorkersCountDownWhileThePageChanges) {
    machine.AddCdrom('D');
    machine.AddCdrom('E');
    Start(sim::Os::Win98, {"CD - D:,2,0,3,", "CD - E:,2,0,3,"});
    state->InfoBeforeRetract = false;
    KeepEditing();
    Jobs().StartDeviceJob("D:", 1);
    Jobs().StartDeviceJob("E:", 2);
    EXPECT_EQ(Jobs().DeviceJobStatus(1), devices::kAllBusy);
    Wait();
    EXPECT_GT(edits, 0);
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    EXPECT_FALSE(machine.devices.DoorOpen("E:"));
    EXPECT_EQ(Count("Device D:\rnow loaded!"), 1);
    EXPECT_EQ(Count("Device E:\rnow loaded!"), 1);
    EXPECT_TRUE(machine.devices.IoctlCalls().empty());
    EXPECT_FALSE(Jobs().SlotInUse(1) || Jobs().SlotInUse(2));
    ASSERT_FALSE(busyChanges.empty());
    EXPECT_FALSE(busyChanges.back());
    ExpectBoxesAndMciOnTheMainThread();
}

TEST_F(DeviceWorkersTest, NtWorkersEjectOnTheirThreadsAndExitWaitsForThem) {
    machine.AddCdrom('D');
    machine.AddScsiTape("Tape0", 0, 0, 0);
    Start(sim::Os::NT4, {"CD - D:,2,0,2,", "Tape0,1,0,"});
    state->InfoBeforeRetract = false;
    KeepEditing();
    Jobs().StartDeviceJob("D:", 1);
    Jobs().StartDeviceJob("Tape0", 2);
    // As Exit does: a message wait until every worker has ended.
    Jobs().WaitForDevices();
    machine.loop.OnProcessMessages = nullptr;
    EXPECT_FALSE(Jobs().AnyDeviceBusy());
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    EXPECT_EQ(Count("Device D:\rnow loaded!"), 1);
    EXPECT_EQ(Count("Device Tape0\rnow ejected!"), 1);
    EXPECT_GT(machine.loop.MessageWaits(), 0u);
    int workerIoctls = 0;
    for (const auto& call : machine.devices.IoctlCalls())
        if (!call.mainThread) ++workerIoctls;
    EXPECT_GE(workerIoctls, 3);  // D: out and in, the tape out
    ExpectBoxesAndMciOnTheMainThread();
}

TEST_F(DeviceWorkersTest, AnExitAskedForInsideAWorkersNoticeRunsAfterIt) {
    machine.AddCdrom('D');
    Start(sim::Os::Win98, {"CD - D:,2,0,5,"});
    state->InfoBeforeRetract = true;
    bool deferred = false, ran = false;
    machine.dialogs.handler = [&](const sim::BoxRecord& box) {
        EXPECT_NE(box.text.find("wants to CLOSE its door!"), std::string::npos);
        EXPECT_TRUE(machine.devices.DoorOpen("D:"));
        deferred = Jobs().DeferWhileInWorkerCall([&] {
            ran = true;
            Jobs().WaitForDevices();
        });
        return port::kIdOk;
    };
    Jobs().StartDeviceJob("D:", 1);
    ASSERT_TRUE(machine.loop.ProcessUntil([&] { return ran; }));
    EXPECT_TRUE(deferred);
    EXPECT_FALSE(Jobs().AnyDeviceBusy());
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    EXPECT_EQ(Jobs().DeferWhileInWorkerCall([] {}), false);
    ExpectBoxesAndMciOnTheMainThread();
}

}  // namespace
