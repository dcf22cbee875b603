#include "ui/application.h"

namespace ui {

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
