#pragma once
// The main thread's message loop: pending messages, window timers, sleeping, time,
// and calls from worker threads onto the main thread.
#include <cstdint>
#include <functional>
#include "ports/types.h"

namespace port {

using TimerId = std::uint32_t;  // 0 = none

class LoopPort {
  public:
    virtual ~LoopPort() = default;
    // Runs until Terminate(); every message passes the hook first.
    virtual void Run() = 0;
    virtual void Terminate() = 0;
    virtual bool Terminated() const = 0;
    // Application.ProcessMessages: handle what is pending, then return.
    virtual void ProcessMessages() = 0;
    virtual void SetMessageHook(std::function<void(const Message&, bool& handled)> hook) = 0;
    // A window timer on the main thread; the callback runs from the loop.
    virtual TimerId SetTimer(std::uint32_t intervalMs, std::function<void()> onTick) = 0;
    virtual void KillTimer(TimerId timer) = 0;
    virtual void Sleep(std::uint32_t ms) = 0;
    virtual std::uint32_t TickCount() = 0;  // GetTickCount
    virtual LocalTime Now() = 0;            // GetLocalTime
    // Posted to the main thread's queue; runs from the loop (deferred call).
    virtual void Post(std::function<void()> call) = 0;
    // From a worker thread: runs call on the main thread and returns when it has run.
    virtual void RunOnMainThread(const std::function<void()>& call) = 0;
    // Blocks the main thread until a message, a posted call or a worker's call is waiting, or
    // timeoutMs have passed; handles nothing itself (MsgWaitForMultipleObjectsEx, QS_ALLINPUT).
    virtual void WaitForMessages(std::uint32_t timeoutMs) = 0;
};

}  // namespace port
