#include "tray/xk_timers.h"

#include <algorithm>

namespace tray {

namespace {

constexpr std::uint32_t kMaxInterval = 2'147'483'647u;

}  // namespace

TXKTimerItem::TXKTimerItem(TXKTimerManager& manager, bool enabled, std::uint32_t interval,
                           std::function<void()> handler)
    : manager_(manager),
      enabled_(enabled),
      interval_(std::min(interval, kMaxInterval)),
      handler_(std::move(handler)) {}

void TXKTimerItem::SetEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    manager_.Recompute();
}

void TXKTimerItem::SetInterval(std::uint32_t ms) {
    ms = std::min(ms, kMaxInterval);
    if (interval_ == ms) return;
    interval_ = ms;
    if (enabled_) manager_.Recompute();
}

TXKTimerManager::TXKTimerManager(port::LoopPort& loop) : loop_(loop), timer_(loop) {
    timer_.OnTimer = [this] { Tick(); };
}

TXKTimerItem& TXKTimerManager::AddItem(bool enabled, std::uint32_t interval, std::function<void()> handler) {
    items_.push_back(std::make_unique<TXKTimerItem>(*this, enabled, interval, std::move(handler)));
    TXKTimerItem& item = *items_.back();
    if (enabled) Recompute();
    return item;
}

void TXKTimerManager::SetEnabled(bool on) {
    enabled_ = on;
    if (on) {
        Recompute();
    } else {
        timer_.SetEnabled(false);
    }
}

void TXKTimerManager::Recompute() {
    if (!enabled_) return;
    timer_.SetEnabled(false);
    std::uint32_t interval = kResolutionMs;
    bool any = false;
    const std::uint32_t now = loop_.TickCount();
    for (auto& item : items_) {
        if (!item->enabled_) continue;
        any = true;
        interval = std::min(interval, item->interval_);
        item->lastFired_ = now;
    }
    if (!any) return;
    // A window timer of 0 ms would not run at all; such an item fires on every tick instead.
    timer_.SetInterval(std::max<std::uint32_t>(interval, 1));
    timer_.SetEnabled(true);
}

void TXKTimerManager::Tick() {
    // Handlers may add items or switch them; indices stay valid where iterators would not.
    for (std::size_t i = 0; i < items_.size(); ++i) {
        TXKTimerItem& item = *items_[i];
        if (!item.enabled_ || !item.handler_) continue;
        const std::uint32_t now = loop_.TickCount();
        // Unsigned difference: right across the wrap of the tick count after 49.7 days.
        if (static_cast<std::uint32_t>(now - item.lastFired_) < item.interval_) continue;
        item.lastFired_ = now;
        item.handler_();
    }
}

}  // namespace tray
