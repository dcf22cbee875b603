#pragma once
// The main thread's message loop on a virtual clock. Nothing here waits for real time: timers
// fire when a test moves the clock (RunFor) or when Run finds nothing else to do, so a countdown
// of a day runs in milliseconds. Sleep only moves the clock, as a blocked thread lets time pass
// without handling its messages; the timers that fell due meanwhile fire, once each, at the next
// ProcessMessages, as WM_TIMER does.
//
// Threads: the thread that constructs the loop is the main thread. Worker threads may call
// Sleep, TickCount, Now, Post, PostMessage and RunOnMainThread; everything is behind one mutex
// and callbacks always run with it released.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>
#include "ports/loop_port.h"

namespace sim {

struct SleepRecord {
    std::uint32_t ms = 0;
    std::uint64_t atMs = 0;  // virtual time when the sleep began
    bool mainThread = true;
};

struct DispatchRecord {
    port::Message message;
    bool handled = false;
    std::uint64_t atMs = 0;
};

class SimLoop : public port::LoopPort {
  public:
    SimLoop();

    // Until Terminate; when nothing is pending and no timer is armed it returns anyway (the real
    // loop would block for ever) and RanDry() tells so. A run stops as well once the clock has
    // moved RunLimitMs past its start, for a program that keeps a periodic timer armed. Calls of
    // worker threads that arrive after it returned wait for the next ProcessMessages.
    void Run() override;
    void Terminate() override;
    bool Terminated() const override;
    // Worker calls, then posted calls and messages in order, then the timers that are due.
    // Timers call their callbacks directly; only posted messages pass the hook.
    void ProcessMessages() override;
    void SetMessageHook(std::function<void(const port::Message&, bool& handled)> hook) override;
    // Intervals below 10 ms count as 10 ms, as USER_TIMER_MINIMUM. Ids are never reused.
    port::TimerId SetTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void KillTimer(port::TimerId timer) override;
    void Sleep(std::uint32_t ms) override;
    std::uint32_t TickCount() override;
    port::LocalTime Now() override;
    void Post(std::function<void()> call) override;
    // On the main thread the call runs at once; a worker blocks until ProcessMessages ran it.
    void RunOnMainThread(const std::function<void()>& call) override;
    // Waits in real time (worker threads are real); the virtual clock does not move. Counted in
    // MessageWaits.
    void WaitForMessages(std::uint32_t timeoutMs) override;

    // Test helpers.
    // Runs at the start of every ProcessMessages, to watch what the program does in between.
    std::function<void()> OnProcessMessages;
    // Queues a window message for the hook, as PostMessage to one of the program's windows.
    void PostMessage(const port::Message& message);
    // Moves the clock forward by ms, firing every timer on its due time in order and handling
    // whatever the callbacks post. After Terminate the clock moves but nothing fires.
    void RunFor(std::uint32_t ms);
    // The same as RunFor, for tests that only let time pass.
    void AdvanceBy(std::uint32_t ms) { RunFor(ms); }
    // Handles messages and worker calls until done() holds or the real-time limit passes; for
    // tests that drive real worker threads. Returns done().
    bool ProcessUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds realTimeout = std::chrono::seconds(10));

    bool RanDry() const;
    bool RunLimitHit() const;
    void SetRunLimitMs(std::uint64_t ms);

    // Virtual milliseconds since the machine was built.
    std::uint64_t NowMs() const;
    // The local date and time at this moment; the weekday follows from the date.
    void SetDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond = 0);
    void SetTickCount(std::uint32_t ticks);

    std::size_t ActiveTimers() const;
    bool TimerActive(port::TimerId timer) const;
    std::uint32_t TimerInterval(port::TimerId timer) const;  // 0 when not armed
    std::uint64_t TimerFirings() const;
    std::size_t PendingCount() const;  // posted calls, messages and worker calls not yet handled
    bool IsMainThread() const { return std::this_thread::get_id() == mainThread_; }

    std::vector<SleepRecord> Sleeps() const;
    std::uint64_t MessageWaits() const;
    std::uint64_t TotalSleptMs() const;
    // Every posted message as the hook saw it.
    std::vector<DispatchRecord> Dispatched() const;

  private:
    struct Timer {
        std::uint32_t interval = 0;
        std::uint64_t due = 0;
        std::shared_ptr<std::function<void()>> onTick;
    };
    struct Posted {
        std::function<void()> call;
        bool isMessage = false;
        port::Message message;
    };
    struct Request {
        const std::function<void()>* call = nullptr;
        bool done = false;
    };

    bool RunOneRequest();
    bool RunOnePosted();
    bool FireOneDueTimer();
    // With mu_ held: the earliest due time, false when no timer is armed.
    bool NextDue(std::uint64_t& due) const;
    bool HasWorkLocked() const { return !queue_.empty() || !requests_.empty(); }

    mutable std::mutex mu_;
    std::condition_variable cv_;
    const std::thread::id mainThread_;
    std::uint64_t now_ = 0;
    std::int64_t epochMs_ = 0;  // calendar milliseconds since 1970 at now_ == 0
    std::uint32_t tickBase_ = 3'600'000;
    std::map<port::TimerId, Timer> timers_;
    port::TimerId nextTimer_ = 1;
    std::deque<Posted> queue_;
    std::deque<Request*> requests_;
    std::function<void(const port::Message&, bool&)> hook_;
    bool terminated_ = false;
    bool ranDry_ = false;
    bool runLimitHit_ = false;
    std::uint64_t runLimitMs_ = 48ull * 3600 * 1000;
    std::uint64_t timerFirings_ = 0;
    std::uint64_t messageWaits_ = 0;
    std::vector<SleepRecord> sleeps_;
    std::vector<DispatchRecord> dispatched_;
};

}  // namespace sim
