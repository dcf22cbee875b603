// The loop: the message hook, posted calls, timers, calls from worker threads, modal runs and
// the end of the loop.
#include <thread>
#include <vector>

#include "tests/win32ui/check.h"
#include "tests/win32ui/checks.h"
#include "tests/win32ui/harness.h"

namespace checks {

using check::Equal;
using check::Record;
using harness::Hwnd;

namespace {

// Runs the form modally; first runs act() from the loop once the form shows.
int ShowModalThen(Context& c, std::function<void()> act) {
    c.loop.Post([&c, act] {
        harness::PumpUntil([&c] { return IsWindowVisible(Hwnd(c.modal.form)) != FALSE; });
        act();
    });
    return c.modal.form.ShowModal();
}

}  // namespace

void Loop(Context& c) {
    demo::MainForm& d = c.main;
    HWND form = Hwnd(d.form);

    // The hook sees every retrieved message first; a handled one goes no further.
    std::vector<port::Message> seen;
    c.app.SetOnMessage([&seen](const port::Message& msg, bool& handled) {
        seen.push_back(msg);
        if (msg.msg == port::kWmClose) handled = true;
    });
    PostMessageW(form, WM_HOTKEY, 1000, MAKELPARAM(MOD_CONTROL, 'S'));
    harness::Pump(50);
    bool hotkey = false;
    for (const port::Message& msg : seen)
        hotkey |= msg.msg == port::kWmHotkey && msg.wparam == 1000 &&
                  msg.window == reinterpret_cast<port::WindowId>(form);
    Record(hotkey, "the message hook sees a posted WM_HOTKEY with its window");
    d.events.Clear();
    PostMessageW(form, WM_CLOSE, 0, 0);
    harness::Pump(50);
    Equal(d.events.Count("Form.OnClose"), 0, "a message the hook handled is not dispatched");
    c.app.SetOnMessage(nullptr);

    // Posted calls run from the loop, not at once.
    bool ran = false;
    c.loop.Post([&ran] { ran = true; });
    Record(!ran, "Post does not run the call at once");
    harness::PumpUntil([&ran] { return ran; });
    Record(ran, "the posted call ran from the loop");

    // Timers.
    int ticks = 0;
    port::TimerId timer = c.loop.SetTimer(30, [&ticks] { ++ticks; });
    Record(timer != 0, "SetTimer gives an id");
    Record(harness::PumpUntil([&ticks] { return ticks >= 3; }), "the timer fires repeatedly");
    c.loop.KillTimer(timer);
    int after = ticks;
    harness::Pump(150);
    Equal(ticks, after, "a killed timer fires no more");
    int once = 0;
    port::TimerId self = 0;
    self = c.loop.SetTimer(20, [&] {
        ++once;
        c.loop.KillTimer(self);
    });
    harness::Pump(200);
    Equal(once, 1, "a timer may kill itself from its callback");

    // Calls from a worker thread run on the main thread, and the worker waits for them.
    DWORD mainThread = GetCurrentThreadId(), ranOn = 0;
    bool returnedAfterRun = false, done = false;
    std::thread worker([&] {
        c.loop.RunOnMainThread([&] {
            Sleep(20);
            ranOn = GetCurrentThreadId();
        });
        returnedAfterRun = ranOn != 0;
        done = true;
    });
    bool finished = harness::PumpUntil([&done] { return done; }, 5000);
    worker.join();
    Record(finished, "the worker's call came back");
    Equal(ranOn, mainThread, "RunOnMainThread runs the call on the main thread");
    Record(returnedAfterRun, "RunOnMainThread returns after the call ran");
    DWORD direct = 0;
    c.loop.RunOnMainThread([&direct] { direct = GetCurrentThreadId(); });
    Equal(direct, mainThread, "RunOnMainThread on the main thread calls directly");

    port::LocalTime now = c.loop.Now();
    SYSTEMTIME st;
    GetLocalTime(&st);
    Record(now.year == st.wYear && now.month == st.wMonth && now.day == st.wDay, "Now is the local date");
    std::uint32_t tick = c.loop.TickCount();
    Record(GetTickCount() - tick < 1000, "TickCount is GetTickCount");
}

void Modal(Context& c) {
    HWND mainForm = Hwnd(c.main.form);
    HWND modal = Hwnd(c.modal.form);
    bool mainDisabled = false, modalShown = false;
    int result = ShowModalThen(c, [&] {
        mainDisabled = !IsWindowEnabled(mainForm) && !IsWindowEnabled(c.backend.AppWindow());
        modalShown = IsWindowVisible(modal) && IsWindowEnabled(modal);
        SendMessageW(Hwnd(c.modal.ok), BM_CLICK, 0, 0);
    });
    Equal(result, 1, "RunModal returns the result of the button with ModalResult");
    Record(mainDisabled, "the other windows are disabled while the form is modal");
    Record(modalShown, "the modal form shows");
    Record(!IsWindowVisible(modal), "the modal form is hidden afterwards");
    Record(IsWindowEnabled(mainForm) != FALSE, "the other windows are enabled again");

    result = ShowModalThen(c, [&] { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); });
    Equal(result, 2, "Esc presses the cancel button");
    result = ShowModalThen(c, [&] { PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1); });
    Equal(result, 1, "Enter presses the default button");
    result = ShowModalThen(c, [&] { PostMessageW(modal, WM_CLOSE, 0, 0); });
    Equal(result, 2, "the close box cancels a modal form");
    Record(!IsWindowVisible(modal), "and hides it");
}

void Termination(Context& c) {
    // A loop of its own: Run ends with Terminate.
    {
        win32::Win32Loop second;
        int ticks = 0;
        second.SetTimer(20, [&] {
            if (++ticks == 5) second.Terminate();
        });
        // A loop that never stops must fail the check, not hang the run.
        bool stopped = false;
        DWORD mainThread = GetCurrentThreadId();
        std::thread watchdog([&] {
            for (int i = 0; i < 200 && !stopped; ++i)
                Sleep(25);
            if (!stopped) PostThreadMessageW(mainThread, WM_QUIT, 0, 0);
        });
        second.Run();
        stopped = true;
        watchdog.join();
        Equal(ticks, 5, "Run dispatches timers until Terminate");
        Record(second.Terminated(), "Terminated after Terminate");
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    // WM_QUIT during a modal run ends the run and stays in the queue for the outer loop.
    int result = ShowModalThen(c, [] { PostQuitMessage(3); });
    Equal(result, 2, "a modal run ended by WM_QUIT is cancelled");
    Record(!IsWindowVisible(Hwnd(c.modal.form)), "the modal form is hidden");
    MSG quit{};
    Record(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 3,
           "WM_QUIT is posted again for the outer loop");
    Record(c.loop.Terminated(), "the loop knows it is terminated");
}

}  // namespace checks
