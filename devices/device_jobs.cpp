#include "devices/device_jobs.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <system_error>
#include "app/program_state.h"
#include "devices/device_table.h"
#include "devices/drives.h"
#include "devices/mci.h"
#include "devices/medium.h"
#include "devices/prompts.h"
#include "devices/scsi.h"
#include "lib/messages.h"
#include "lib/text.h"
#include "ui/controls.h"

namespace devices {
namespace {

constexpr std::uint32_t kMciType = port::kMciDevtypeCdAudio;
// How long a wait for the workers blocks at most before it looks again.
constexpr std::uint32_t kWaitSliceMs = 250;
constexpr int kNtLoadTries = 20;
constexpr std::uint32_t kNtLoadPauseMs = 350;

const char kTooMany[] =
    "There are too many devices in use now!\r\rPlease wait until one device has finnished\r"
    "its action (e.g. has close its door) and\rthen try to open this device again.";
const char kInUse[] =
    "This device is already in use!\r\rPlease wait until the device has finnished\r"
    "its action (e.g. has close its door) and\rthen try to open this device again.";
const char kAllInUse[] = "All devices are in use!\rPlease wait until one has finnished its action.";
const char kOutOfMemory[] =
    "Out of Memory!\r\rNot enough memory for to open this device!\r"
    "Please close some open applications or buy some memory ...\rand try again.";

// A CD-ROM drive letter and no tape: the multimedia CD device can serve it.
bool IsCdTarget(const app::ProgramState& program, const std::string& target) {
    if (target.empty()) return false;
    const char letter = lib::AsciiUpper(target.substr(0, 1))[0];
    return program.CdromLetters.find(letter) != std::string::npos &&
           lib::AsciiUpper(target).find("TAPE") == std::string::npos;
}

std::uint64_t FreeMemory(app::ProgramState& program) {
    const port::MemoryStatus status = program.os.system.GlobalMemoryStatus();
    return std::min<std::uint64_t>(status.availPhys + status.availPageFile, 0x7FFFFFFF);
}

}  // namespace

DeviceJobs::~DeviceJobs() {
    WaitForDevices();
}

int DeviceJobs::DeviceJobStatus(int index) const {
    const int count = program_.DeviceTable.DeviceCount();
    if (count == 0 || index < 1 || index > kMaxSlots) return kNoDevices;
    bool otherBusy = false, allBusy = true;
    for (int i = 1; i <= count; ++i) {
        if (busy_[i] == 1) {
            if (i != index) otherBusy = true;
        } else {
            allBusy = false;
        }
    }
    switch (busy_[index]) {
        case 1:
            return allBusy ? kAllBusy : kThisBusyOtherIdle;
        case 0:
            return otherBusy ? kThisIdleOtherBusy : kNothingBusy;
        default:
            return kNoDevices;
    }
}

bool DeviceJobs::AnyDeviceBusy() const {
    const int count = program_.DeviceTable.DeviceCount();
    if (count == 0) return UsedSlots() > 0;
    for (int p = 1; p <= count; ++p) {
        const int status = DeviceJobStatus(p);
        if (status != kNothingBusy && status != kNoDevices) return true;
    }
    return UsedSlots() > 0;
}

int DeviceJobs::UsedSlots() const {
    return static_cast<int>(std::count(slots_.begin() + 1, slots_.end(), 1));
}

bool DeviceJobs::ClaimSlot() {
    const int count = std::min(program_.DeviceTable.DeviceCount(), kMaxSlots);
    for (int k = 1; k <= count; ++k) {
        if (slots_[k] == 0) {
            slots_[k] = 1;
            currentSlot_ = k;
            return true;
        }
    }
    currentSlot_ = 0;
    return false;
}

void DeviceJobs::StartDeviceJob(const std::string& target, int index) {
    if (index < 1 || index > kMaxSlots) return;
    port::DialogPort& dialogs = program_.os.dialogs;
    const bool cdTarget = IsCdTarget(program_, target);
    const int status = DeviceJobStatus(index);
    if (status == kNothingBusy) {
        if (cdTarget) program_.SavedMciDrive = ReadSavedMciDrive(program_);
        ClaimSlot();
        slotArrays_ = true;
    } else {
        if (currentSlot_ == kMaxWorkersSideBySide) {
            lib::ShowInformation(dialogs, kTooMany);
            return;
        }
        if (status == kThisBusyOtherIdle) {
            dialogs.MessageBox(kInUse, "Ravelin", port::kMbOk);
            return;
        }
        if (!ClaimSlot()) {
            lib::ShowInformation(dialogs, kAllInUse);
            return;
        }
    }
    const int slot = currentSlot_;
    busy_[index] = 1;
    if (FreeMemory(program_) < 9) {
        lib::ShowError(dialogs, kOutOfMemory);
        ReleaseUnstarted(slot, index);
        return;
    }
    slotArrays_ = true;
    slotTarget_[slot] = target;
    slotIndex_[slot] = index;
    Job job{slot, target, index, cdTarget, app::IsNT(program_.osKind)};
    try {
        auto body = [this, job] {
            Execute(job);
            // The last call of the worker: its completion runs from the main thread's queue,
            // which then joins the thread.
            program_.os.loop.Post([this, job] { Complete(job); });
        };
        threads_[slot] = startThread ? startThread(body) : std::thread(body);
    } catch (const std::system_error&) {
        lib::ShowError(dialogs, kOutOfMemory);
        ReleaseUnstarted(slot, index);
        return;
    } catch (const std::bad_alloc&) {
        lib::ShowError(dialogs, kOutOfMemory);
        ReleaseUnstarted(slot, index);
        return;
    }
    ReportBusy();
    if (host_.View) {
        DeviceView view = host_.View();
        if (view.DevicePageShown()) ShowLed(view, false);
    }
    ShowStatus("Ejecting device:\r" + target + " ...");
}

void DeviceJobs::ShowStatus(const std::string& text) {
    if (host_.ShowStatus) host_.ShowStatus(text);
}

void DeviceJobs::ReportBusy() {
    if (host_.BusyChanged) host_.BusyChanged(AnyDeviceBusy());
}

void DeviceJobs::ReleaseUnstarted(int slot, int index) {
    if (UsedSlots() == 1 && slots_[slot] == 1) {
        slotArrays_ = false;
        slotTarget_.fill({});
        slotIndex_.fill(0);
        slots_.fill(0);
        busy_.fill(0);
    } else {
        slots_[slot] = 0;
        busy_[index] = 0;
    }
    ReportBusy();
}

void DeviceJobs::WaitForDevices() {
    while (UsedSlots() > 0) {
        program_.os.loop.ProcessMessages();
        if (UsedSlots() == 0) break;
        program_.os.loop.WaitForMessages(kWaitSliceMs);
    }
}

void DeviceJobs::EjectAllIfInserted() {
    const int count = program_.DeviceTable.DeviceCount();
    if (count == 0) return;
    for (int i = 1; i <= count && i <= program_.DeviceTable.DeviceCount(); ++i) {
        if (GetDeviceField(program_.DeviceTable, i, kFieldState) == kStateNotUsed) continue;
        const std::string name = GetDeviceName(program_.DeviceTable, i);
        const bool medium = MediumInserted(program_, name);
        const int onlyIfInserted = GetDeviceField(program_.DeviceTable, i, kFieldOnlyIfInserted);
        if (!((medium && onlyIfInserted == 1) || (!medium && onlyIfInserted == 0))) continue;
        if (program_.AskBeforeEject) {
            ++OpenPromptCount;
            const bool yes = AskOpenDoor(program_.os.dialogs, name);
            --OpenPromptCount;
            if (!yes) continue;
        }
        StartDeviceJob(DeviceTarget(name), i);
    }
    WaitForDevices();
    if (TrayPaused) {
        if (host_.PutTrayIconBack) host_.PutTrayIconBack();
        TrayPaused = false;
    }
}

void DeviceJobs::RunForWorker(const std::function<void()>& call) {
    program_.os.loop.RunOnMainThread([this, &call] {
        ++workerCallDepth_;
        call();
        if (--workerCallDepth_ == 0 && deferred_) {
            program_.os.loop.Post(std::move(deferred_));
            deferred_ = nullptr;
        }
    });
}

bool DeviceJobs::DeferWhileInWorkerCall(std::function<void()> request) {
    if (workerCallDepth_ == 0) return false;
    // One request is enough: a second Exit or close says no more than the first.
    if (!deferred_) deferred_ = std::move(request);
    return true;
}

// Worker thread from here to Complete.

void DeviceJobs::SetLabel(const std::string& text) {
    RunForWorker([this, &text] { ShowStatus(text); });
}

bool DeviceJobs::CurrentItemIs(int index) {
    return host_.View && host_.View().CheckListBox1.ItemIndex() + 1 == index;
}

bool DeviceJobs::ReadRetract(const Job& job) {
    // The record may be rewritten by the page meanwhile: it is read where it is written.
    bool retract = false;
    RunForWorker([this, &job, &retract] {
        retract = GetDeviceField(program_.DeviceTable, job.index, kFieldState) == kStateEjectRetract;
    });
    return retract;
}

void DeviceJobs::RetractNotice(const Job& job) {
    lib::ShowInformation(program_.os.dialogs, "Device:   >>> " + job.target +
                                                  " <<<\rwants to CLOSE its door! - Ready now? ...\r\r"
                                                  "(This hint can be disabled on page no. 3 \"Tasks\"\r"
                                                  "of the \"Controls\" Tab of the Settings-Notebook.");
}

void DeviceJobs::Countdown(const Job& job) {
    int delay = 0;
    RunForWorker(
        [this, &job, &delay] { delay = GetDeviceField(program_.DeviceTable, job.index, kFieldDelay); });
    for (int n = delay; n >= 1; --n) {
        const std::string text = "Loading " + job.target + "\rin: " + std::to_string(n) + " sec.";
        RunForWorker([this, &job, &text] {
            if (CurrentItemIs(job.index)) ShowStatus(text);
        });
        program_.os.loop.Sleep(1000);
    }
}

void DeviceJobs::LoadedStep(const Job& job) {
    RunForWorker([this, &job] {
        if (CurrentItemIs(job.index)) {
            DeviceView view = host_.View();
            const std::string name = GetDeviceName(program_.DeviceTable, job.index);
            const int tries = job.nt ? kNtLoadTries : 1;
            for (int i = 0; i < tries; ++i) {
                if (CheckMediumAndShowLed(view, name) || i + 1 == tries) break;
                // A tray that settles keeps the window alive meanwhile.
                program_.os.loop.Sleep(kNtLoadPauseMs);
                program_.os.loop.ProcessMessages();
            }
        }
        ShowStatus("Device " + job.target + "\rnow loaded!");
    });
}

bool DeviceJobs::ExecuteNt(const Job& job) {
    if (!EjectSCSI(program_, job.target)) return false;
    SetLabel("Device " + job.target + "\rnow ejected!");
    if (ReadRetract(job)) {
        bool notice = false;
        RunForWorker([this, &notice] { notice = program_.InfoBeforeRetract; });
        if (notice) {
            RunForWorker([this, &job] { RetractNotice(job); });
        } else {
            Countdown(job);
        }
        LoadSCSI(program_, job.target);
        LoadedStep(job);
    }
    return true;
}

void DeviceJobs::ExecuteMci(const Job& job) {
    const bool retract = ReadRetract(job);
    bool notice = false;
    RunForWorker([this, &job, retract, &notice] {
        MciDoorOpen(program_, kMciType, job.target);
        ShowStatus("Device " + job.target + "\rnow ejected!");
        notice = retract && program_.InfoBeforeRetract;
        if (notice) RetractNotice(job);
    });
    if (!retract) return;
    if (!notice) Countdown(job);
    RunForWorker([this, &job] { MciDoorClosed(program_, kMciType, job.target); });
    LoadedStep(job);
}

void DeviceJobs::Execute(const Job& job) {
    if (job.nt && (ExecuteNt(job) || !job.cdTarget)) return;
    ExecuteMci(job);
}

// Main thread again.

void DeviceJobs::Complete(const Job& job) {
    // The worker's last call (the post that brought us here) has returned or is returning.
    if (threads_[job.slot].joinable()) threads_[job.slot].join();
    bool otherBusy = false;
    for (int i = 1; i <= kMaxSlots; ++i)
        if (i != job.index && busy_[i] == 1) otherBusy = true;
    busy_[job.index] = 0;
    slotTarget_[job.slot].clear();
    slotIndex_[job.slot] = 0;
    if (!otherBusy) {
        if (job.cdTarget) RestoreMciCdDrive(program_);
        if (host_.EnableHotkeyEntries) {
            for (int i = 1; i <= program_.DeviceTable.DeviceCount(); ++i) {
                if (MediumInserted(program_, GetDeviceName(program_.DeviceTable, i))) {
                    host_.EnableHotkeyEntries();
                    break;
                }
            }
        }
        if (TrayPaused) {
            if (host_.PutTrayIconBack) host_.PutTrayIconBack();
            TrayPaused = false;
        }
        slotArrays_ = false;
    }
    slots_[job.slot] = 0;
    ReportBusy();
    if (OpenPromptCount == 0 && TrayPaused && !AnyDeviceBusy()) {
        if (host_.HideTaskbarButtonIfMinimized) host_.HideTaskbarButtonIfMinimized();
        if (host_.PutTrayIconBack) host_.PutTrayIconBack();
        TrayPaused = false;
    }
}

}  // namespace devices
