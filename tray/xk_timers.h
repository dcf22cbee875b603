#pragma once
// Several logical timers on one window timer. The window timer runs at the shortest interval of
// the enabled items (at most 150 ms) and only while some item is enabled, so an idle component
// costs no wake-ups.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>
#include "ports/loop_port.h"
#include "ui/timer.h"

namespace tray {

class TXKTimerManager;

class TXKTimerItem {
  public:
    TXKTimerItem(TXKTimerManager& manager, bool enabled, std::uint32_t interval,
                 std::function<void()> handler);
    TXKTimerItem(const TXKTimerItem&) = delete;
    TXKTimerItem& operator=(const TXKTimerItem&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t ms);  // 0 to 2,147,483,647

  private:
    friend class TXKTimerManager;
    TXKTimerManager& manager_;
    bool enabled_;
    std::uint32_t interval_;
    std::function<void()> handler_;
    std::uint32_t lastFired_ = 0;
};

class TXKTimerManager {
  public:
    explicit TXKTimerManager(port::LoopPort& loop);
    TXKTimerManager(const TXKTimerManager&) = delete;
    TXKTimerManager& operator=(const TXKTimerManager&) = delete;

    TXKTimerItem& AddItem(bool enabled, std::uint32_t interval, std::function<void()> handler);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    // The window timer's interval while it runs, 0 while it is stopped.
    std::uint32_t SystemInterval() const { return timer_.Enabled() ? timer_.Interval() : 0; }

  private:
    friend class TXKTimerItem;
    static constexpr std::uint32_t kResolutionMs = 150;
    void Recompute();
    void Tick();

    port::LoopPort& loop_;
    ui::Timer timer_;
    bool enabled_ = true;
    std::vector<std::unique_ptr<TXKTimerItem>> items_;
};

}  // namespace tray
