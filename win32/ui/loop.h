#pragma once
// The main thread's message loop. Every retrieved message passes the program's hook, then the
// window system's own pre-translation (keys of forms), then dispatch. Timers, posted calls and calls
// from worker threads all go through one hidden message window.
#include <windows.h>

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include "ports/loop_port.h"
#include "win32/handles.h"
#include "win32/ui/window.h"

namespace win32 {

class Win32Loop final : public port::LoopPort, public MessageTarget {
  public:
    Win32Loop();
    ~Win32Loop() override;
    Win32Loop(const Win32Loop&) = delete;
    Win32Loop& operator=(const Win32Loop&) = delete;

    void Run() override;
    void Terminate() override;
    bool Terminated() const override { return terminated_; }
    void ProcessMessages() override;
    void SetMessageHook(std::function<void(const port::Message&, bool& handled)> hook) override;
    port::TimerId SetTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void KillTimer(port::TimerId timer) override;
    void Sleep(std::uint32_t ms) override;
    std::uint32_t TickCount() override;
    port::LocalTime Now() override;
    void Post(std::function<void()> call) override;
    void RunOnMainThread(const std::function<void()>& call) override;
    void WaitForMessages(std::uint32_t timeoutMs) override;

    // Sees every message after the hook; true when it consumed the message.
    void SetPreTranslate(std::function<bool(MSG&)> filter) { preTranslate_ = std::move(filter); }
    // Waits for one message and handles it; false when WM_QUIT came, which is posted again so that
    // the outer loop ends too (a modal run).
    bool HandleOneMessage();
    HWND MessageWindow() const { return window_.Get(); }

    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) override;

  private:
    void Dispatch(MSG& msg);
    void RunPostedCall();

    DWORD mainThread_;
    OwnedWindow window_;
    // Worker threads may end the loop.
    std::atomic<bool> terminated_{false};
    std::function<void(const port::Message&, bool&)> hook_;
    std::function<bool(MSG&)> preTranslate_;
    std::map<UINT_PTR, std::function<void()>> timers_;
    UINT_PTR nextTimer_ = 1;
    std::mutex postedMutex_;
    std::deque<std::function<void()>> posted_;
};

}  // namespace win32
