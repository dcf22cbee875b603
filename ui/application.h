#pragma once
// The program-wide object of a VCL program: title, help file, hint settings, the message hook
// and termination, over the loop port and the backend.
#include <functional>
#include <string>
#include "ports/loop_port.h"
#include "ui/backend.h"

namespace ui {

class Application {
  public:
    Application(port::LoopPort& loop, Backend& backend);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    std::string helpFile;

    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    void SetHintTiming(int pauseMs, int hidePauseMs);
    // The hourglass while a long step runs on the main thread; false puts the normal cursor back.
    void SetBusyCursor(bool busy) { backend_.SetBusyCursor(busy); }

    port::WindowId Handle() { return backend_.ApplicationWindow(); }
    void ProcessMessages() { loop_.ProcessMessages(); }
    void Terminate() { loop_.Terminate(); }
    bool Terminated() const { return loop_.Terminated(); }
    void Run() { loop_.Run(); }
    // The application was minimised or restored (its taskbar button, or the program).
    std::function<void()> OnMinimize;
    std::function<void()> OnRestore;
    void SetOnMessage(std::function<void(const port::Message&, bool& handled)> hook) {
        loop_.SetMessageHook(std::move(hook));
    }

  private:
    port::LoopPort& loop_;
    Backend& backend_;
    std::string title_;
    bool showHint_ = true;
};

}  // namespace ui
