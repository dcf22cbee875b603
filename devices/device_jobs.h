#pragma once
// Which devices and worker slots are busy, the workers that open and close the doors, and the
// waits for them. Everything here is written on the main thread; a worker gets its slot, target
// and device index by value when it starts and reaches the table, the controls, the boxes and
// MCI only through the loop's run-on-main-thread call.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include "devices/device_view.h"

namespace app {
struct ProgramState;
}

namespace devices {

// The main window as the workers' bookkeeping sees it; built in the application folder.
struct JobHost {
    std::function<DeviceView()> View;
    // The tray icon comes back (it was taken away for a prompt).
    std::function<void()> PutTrayIconBack;
    // A used device holds a medium again: the first entry of each device submenu is enabled.
    std::function<void()> EnableHotkeyEntries;
    // The main window is visible and minimised: its taskbar button goes.
    std::function<void()> HideTaskbarButtonIfMinimized;
    // AnyDeviceBusy changed (the window keeps a copy for its own checks).
    std::function<void(bool)> BusyChanged;
    // The help label of the device page shows text.
    std::function<void(const std::string&)> ShowStatus;
};

// DeviceJobStatus codes.
enum : int {
    kThisBusyOtherIdle = 0,
    kThisIdleOtherBusy = 1,
    kAllBusy = 2,
    kNothingBusy = 3,
    kNoDevices = 4,
};

inline constexpr int kMaxSlots = 100;
inline constexpr int kMaxWorkersSideBySide = 10;

class DeviceJobs {
  public:
    explicit DeviceJobs(app::ProgramState& program) : program_(program) {}
    // A worker still running holds references into the program: the owner waits first.
    ~DeviceJobs();
    DeviceJobs(const DeviceJobs&) = delete;
    DeviceJobs& operator=(const DeviceJobs&) = delete;

    void SetHost(JobHost host) { host_ = std::move(host); }
    bool HasHost() const { return static_cast<bool>(host_.View); }

    int DeviceJobStatus(int index) const;
    bool AnyDeviceBusy() const;
    bool DeviceBusy(int index) const { return index >= 1 && index <= kMaxSlots && busy_[index] == 1; }
    bool SlotInUse(int slot) const { return slot >= 1 && slot <= kMaxSlots && slots_[slot] == 1; }
    int CurrentSlot() const { return currentSlot_; }
    int OpenPromptCount = 0;
    bool TrayPaused = false;

    // Checks, claims a slot and starts a worker for target (drive "E:" or a tape name) and
    // device index; refusals show their box and change nothing.
    void StartDeviceJob(const std::string& target, int index);
    // Returns once every worker has ended and its completion has run; messages (and with them
    // the workers' calls) keep flowing meanwhile.
    void WaitForDevices();
    // Opens every qualifying device (after the OPEN question when asked for), then waits.
    void EjectAllIfInserted();

    // Runs call on the main thread for a worker. While such a call is inside (a box of a
    // worker), requests that would wait for the workers are deferred.
    void RunForWorker(const std::function<void()>& call);
    // On the main thread: true when a worker's call is on the stack now; then request runs
    // (posted) once that call has returned.
    bool DeferWhileInWorkerCall(std::function<void()> request);

    // Test seam: replaces the thread start (the real one may throw std::system_error).
    std::function<std::thread(std::function<void()>)> startThread;

  private:
    struct Job {
        int slot = 0;
        std::string target;
        int index = 0;
        bool cdTarget = false;  // a CD-ROM letter, not a tape: MCI can serve it
        bool nt = false;
    };
    void Execute(const Job& job);
    bool ExecuteNt(const Job& job);
    void ExecuteMci(const Job& job);
    void RetractNotice(const Job& job);
    void Countdown(const Job& job);
    void LoadedStep(const Job& job);
    void SetLabel(const std::string& text);
    bool ReadRetract(const Job& job);
    bool CurrentItemIs(int index);
    void Complete(const Job& job);
    void ReleaseUnstarted(int slot, int index);
    bool ClaimSlot();
    int UsedSlots() const;
    void ReportBusy();
    void ShowStatus(const std::string& text);

    app::ProgramState& program_;
    JobHost host_;
    std::array<std::uint8_t, kMaxSlots + 1> busy_{};
    std::array<std::uint8_t, kMaxSlots + 1> slots_{};
    std::array<std::thread, kMaxSlots + 1> threads_;
    // Slot -> target and slot -> device index, from the first job of a burst to its last.
    bool slotArrays_ = false;
    std::array<std::string, kMaxSlots + 1> slotTarget_;
    std::array<int, kMaxSlots + 1> slotIndex_{};
    int currentSlot_ = 0;
    int workerCallDepth_ = 0;
    std::function<void()> deferred_;
};

}  // namespace devices
