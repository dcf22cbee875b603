#include "ui/timer.h"

namespace ui {

void Timer::SetEnabled(bool on) {
    if (on == Enabled()) return;
    if (on) {
        Start();
    } else {
        Stop();
    }
}

void Timer::SetInterval(std::uint32_t ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    if (Enabled()) {
        Stop();
        Start();
    }
}

void Timer::Start() {
    if (interval_ == 0) return;
    id_ = loop_.SetTimer(interval_, [this] {
        if (OnTimer) OnTimer();
    });
}

void Timer::Stop() {
    if (id_ == 0) return;
    loop_.KillTimer(id_);
    id_ = 0;
}

}  // namespace ui
