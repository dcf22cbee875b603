#include "ui/application.h"

namespace ui {

Application::Application(port::LoopPort& loop, Backend& backend) : loop_(loop), backend_(backend) {
    backend_.onApplicationState = [this](bool minimized) {
        std::function<void()> event = minimized ? OnMinimize : OnRestore;
        if (event) event();
    };
}

Application::~Application() {
    backend_.onApplicationState = nullptr;
}

void Application::SetTitle(const std::string& title) {
    title_ = title;
    backend_.SetApplicationTitle(title);
}

void Application::SetShowHint(bool on) {
    showHint_ = on;
    backend_.SetHintsEnabled(on);
}

void Application::SetHintTiming(int pauseMs, int hidePauseMs) {
    backend_.SetHintTiming(pauseMs, hidePauseMs);
}

}  // namespace ui
