#pragma once
// A window timer (VCL TTimer) on the main thread's loop.
#include <cstdint>
#include <functional>
#include "ports/loop_port.h"

namespace ui {

class Timer {
  public:
    explicit Timer(port::LoopPort& loop) : loop_(loop) {}
    ~Timer() { Stop(); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return id_ != 0; }
    void SetEnabled(bool on);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t ms);  // restarts a running timer
    std::function<void()> OnTimer;

  private:
    void Start();
    void Stop();
    port::LoopPort& loop_;
    std::uint32_t interval_ = 1000;
    port::TimerId id_ = 0;
};

}  // namespace ui
