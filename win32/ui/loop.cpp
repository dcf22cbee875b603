#include "win32/ui/loop.h"

namespace win32 {

namespace {

const wchar_t kLoopClass[] = L"TRvlnMessageWindow";
constexpr UINT kRunPosted = WM_APP + 1;
constexpr UINT kRunSent = WM_APP + 2;

}  // namespace

Win32Loop::Win32Loop() : mainThread_(GetCurrentThreadId()) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterOwnClass(instance, kLoopClass, 0, nullptr, nullptr);
    // A message-only window where there is one (Windows 2000 on); a hidden top-level window before.
    window_.Reset(
        CreateOwnWindow(0, kLoopClass, L"", WS_POPUP, RECT{}, HWND_MESSAGE, nullptr, instance, this));
    if (!window_)
        window_.Reset(
            CreateOwnWindow(0, kLoopClass, L"", WS_POPUP, RECT{}, nullptr, nullptr, instance, this));
}

Win32Loop::~Win32Loop() {
    for (auto& [id, tick] : timers_)
        ::KillTimer(window_.Get(), id);
    if (window_) Unbind(window_.Get());
}

void Win32Loop::Run() {
    while (!terminated_) {
        MSG msg;
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

bool Win32Loop::HandleOneMessage() {
    MSG msg;
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) return false;
    if (got == 0) {
        terminated_ = true;
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    Dispatch(msg);
    return true;
}

void Win32Loop::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

void Win32Loop::Dispatch(MSG& msg) {
    if (hook_) {
        // A copy: the hook may replace itself.
        auto hook = hook_;
        bool handled = false;
        hook(port::Message{reinterpret_cast<port::WindowId>(msg.hwnd), msg.message, msg.wParam, msg.lParam},
             handled);
        if (handled) return;
    }
    if (preTranslate_ && preTranslate_(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32Loop::Terminate() {
    terminated_ = true;
    if (GetCurrentThreadId() == mainThread_) {
        PostQuitMessage(0);
    } else {
        PostThreadMessageW(mainThread_, WM_QUIT, 0, 0);
    }
}

void Win32Loop::SetMessageHook(std::function<void(const port::Message&, bool& handled)> hook) {
    hook_ = std::move(hook);
}

port::TimerId Win32Loop::SetTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
    UINT_PTR id = nextTimer_;
    while (id == 0 || timers_.count(id) || id > 0xFFFFFFFFu)
        id = id >= 0xFFFFFFFFu ? 1 : id + 1;
    if (!::SetTimer(window_.Get(), id, intervalMs, nullptr)) return 0;
    nextTimer_ = id + 1;
    timers_[id] = std::move(onTick);
    return static_cast<port::TimerId>(id);
}

void Win32Loop::KillTimer(port::TimerId timer) {
    if (timers_.erase(timer)) ::KillTimer(window_.Get(), timer);
}

void Win32Loop::Sleep(std::uint32_t ms) {
    ::Sleep(ms);
}

std::uint32_t Win32Loop::TickCount() {
    return GetTickCount();
}

port::LocalTime Win32Loop::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return port::LocalTime{st.wYear, st.wMonth,  st.wDay,    st.wDayOfWeek,
                           st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

void Win32Loop::Post(std::function<void()> call) {
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        posted_.push_back(std::move(call));
    }
    PostMessageW(window_.Get(), kRunPosted, 0, 0);
}

void Win32Loop::RunPostedCall() {
    std::function<void()> call;
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        if (posted_.empty()) return;
        call = std::move(posted_.front());
        posted_.pop_front();
    }
    if (call) call();
}

void Win32Loop::RunOnMainThread(const std::function<void()>& call) {
    if (GetCurrentThreadId() == mainThread_) {
        call();
        return;
    }
    // Sent, not posted: the worker waits until the main thread has run the call.
    SendMessageW(window_.Get(), kRunSent, 0, reinterpret_cast<LPARAM>(&call));
}

LRESULT Win32Loop::WindowMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
        case WM_TIMER: {
            auto it = timers_.find(wparam);
            if (it == timers_.end()) return 0;
            // A copy: the callback may kill or replace its own timer.
            auto tick = it->second;
            if (tick) tick();
            return 0;
        }
        case kRunPosted:
            RunPostedCall();
            return 0;
        case kRunSent: {
            const auto& call = *reinterpret_cast<const std::function<void()>*>(lparam);
            if (call) call();
            return 0;
        }
        default:
            return DefWindowProcW(hwnd, msg, wparam, lparam);
    }
}

}  // namespace win32
