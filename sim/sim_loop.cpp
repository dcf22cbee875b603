#include "sim/sim_loop.h"

#include <algorithm>

namespace sim {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yoe = year - era * 400;
    const std::int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

port::LocalTime CivilFromMs(std::int64_t ms) {
    std::int64_t days = ms / kMsPerDay;
    std::int64_t inDay = ms % kMsPerDay;
    if (inDay < 0) {
        inDay += kMsPerDay;
        --days;
    }
    port::LocalTime t;
    // 1970-01-01 was a Thursday.
    t.dayOfWeek = static_cast<int>(((days % 7) + 7 + 4) % 7);
    std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
    t.hour = static_cast<int>(inDay / 3'600'000);
    t.minute = static_cast<int>(inDay / 60'000 % 60);
    t.second = static_cast<int>(inDay / 1000 % 60);
    t.millisecond = static_cast<int>(inDay % 1000);
    return t;
}

}  // namespace

SimLoop::SimLoop() : mainThread_(std::this_thread::get_id()) {
    SetDateTime(1998, 12, 7, 9, 0, 0);
}

void SimLoop::Run() {
    std::uint64_t start;
    {
        std::lock_guard lock(mu_);
        ranDry_ = false;
        runLimitHit_ = false;
        start = now_;
    }
    for (;;) {
        ProcessMessages();
        std::lock_guard lock(mu_);
        if (terminated_) return;
        if (HasWorkLocked()) continue;
        std::uint64_t due;
        if (!NextDue(due)) {
            ranDry_ = true;
            return;
        }
        if (due > start + runLimitMs_) {
            runLimitHit_ = true;
            return;
        }
        now_ = std::max(now_, due);
    }
}

void SimLoop::Terminate() {
    std::lock_guard lock(mu_);
    terminated_ = true;
}

bool SimLoop::Terminated() const {
    std::lock_guard lock(mu_);
    return terminated_;
}

void SimLoop::ProcessMessages() {
    if (OnProcessMessages) OnProcessMessages();
    for (;;) {
        if (RunOneRequest()) continue;
        if (RunOnePosted()) continue;
        if (FireOneDueTimer()) continue;
        return;
    }
}

bool SimLoop::RunOneRequest() {
    Request* request;
    {
        std::lock_guard lock(mu_);
        if (requests_.empty()) return false;
        request = requests_.front();
        requests_.pop_front();
    }
    (*request->call)();
    std::lock_guard lock(mu_);
    request->done = true;
    cv_.notify_all();
    return true;
}

bool SimLoop::RunOnePosted() {
    Posted item;
    std::function<void(const port::Message&, bool&)> hook;
    {
        std::lock_guard lock(mu_);
        if (queue_.empty()) return false;
        item = std::move(queue_.front());
        queue_.pop_front();
        if (item.isMessage) hook = hook_;
    }
    if (!item.isMessage) {
        item.call();
        return true;
    }
    bool handled = false;
    if (hook) hook(item.message, handled);
    std::lock_guard lock(mu_);
    dispatched_.push_back(DispatchRecord{item.message, handled, now_});
    return true;
}

bool SimLoop::FireOneDueTimer() {
    std::shared_ptr<std::function<void()>> onTick;
    {
        std::lock_guard lock(mu_);
        auto firing = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due <= now_ && (firing == timers_.end() || it->second.due < firing->second.due)) {
                firing = it;
            }
        }
        if (firing == timers_.end()) return false;
        Timer& timer = firing->second;
        // Ticks missed while the thread slept are not made up for: the next one is the first
        // point of the timer's period after now.
        timer.due += ((now_ - timer.due) / timer.interval + 1) * timer.interval;
        onTick = timer.onTick;
        ++timerFirings_;
    }
    (*onTick)();
    return true;
}

bool SimLoop::NextDue(std::uint64_t& due) const {
    if (timers_.empty()) return false;
    due = UINT64_MAX;
    for (const auto& [id, timer] : timers_)
        due = std::min(due, timer.due);
    return true;
}

void SimLoop::SetMessageHook(std::function<void(const port::Message&, bool& handled)> hook) {
    std::lock_guard lock(mu_);
    hook_ = std::move(hook);
}

port::TimerId SimLoop::SetTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
    std::lock_guard lock(mu_);
    Timer timer;
    timer.interval = std::max<std::uint32_t>(intervalMs, 10);
    timer.due = now_ + timer.interval;
    timer.onTick = std::make_shared<std::function<void()>>(std::move(onTick));
    port::TimerId id = nextTimer_++;
    timers_.emplace(id, std::move(timer));
    return id;
}

void SimLoop::KillTimer(port::TimerId timer) {
    std::lock_guard lock(mu_);
    timers_.erase(timer);
}

void SimLoop::Sleep(std::uint32_t ms) {
    {
        std::lock_guard lock(mu_);
        sleeps_.push_back(SleepRecord{ms, now_, IsMainThread()});
        now_ += ms;
    }
    if (!IsMainThread()) std::this_thread::yield();
}

std::uint32_t SimLoop::TickCount() {
    std::lock_guard lock(mu_);
    return static_cast<std::uint32_t>(tickBase_ + now_);
}

port::LocalTime SimLoop::Now() {
    std::lock_guard lock(mu_);
    return CivilFromMs(epochMs_ + static_cast<std::int64_t>(now_));
}

void SimLoop::Post(std::function<void()> call) {
    std::lock_guard lock(mu_);
    queue_.push_back(Posted{std::move(call), false, {}});
    cv_.notify_all();
}

void SimLoop::RunOnMainThread(const std::function<void()>& call) {
    if (IsMainThread()) {
        call();
        return;
    }
    Request request{&call, false};
    std::unique_lock lock(mu_);
    requests_.push_back(&request);
    cv_.notify_all();
    cv_.wait(lock, [&] { return request.done; });
}

void SimLoop::WaitForMessages(std::uint32_t timeoutMs) {
    std::unique_lock lock(mu_);
    ++messageWaits_;
    cv_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return HasWorkLocked(); });
}

void SimLoop::PostMessage(const port::Message& message) {
    std::lock_guard lock(mu_);
    queue_.push_back(Posted{nullptr, true, message});
    cv_.notify_all();
}

void SimLoop::RunFor(std::uint32_t ms) {
    std::uint64_t end;
    {
        std::lock_guard lock(mu_);
        end = now_ + ms;
    }
    for (;;) {
        if (!Terminated()) ProcessMessages();
        std::lock_guard lock(mu_);
        if (!terminated_) {
            if (HasWorkLocked()) continue;
            std::uint64_t due;
            if (NextDue(due) && due <= end) {
                now_ = std::max(now_, due);
                continue;
            }
        }
        now_ = std::max(now_, end);
        return;
    }
}

bool SimLoop::ProcessUntil(const std::function<bool()>& done, std::chrono::milliseconds realTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + realTimeout;
    for (;;) {
        ProcessMessages();
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        // Workers signal through the queue; other progress of theirs is polled every millisecond.
        std::unique_lock lock(mu_);
        cv_.wait_for(lock, std::chrono::milliseconds(1), [&] { return HasWorkLocked(); });
    }
}

bool SimLoop::RanDry() const {
    std::lock_guard lock(mu_);
    return ranDry_;
}

bool SimLoop::RunLimitHit() const {
    std::lock_guard lock(mu_);
    return runLimitHit_;
}

void SimLoop::SetRunLimitMs(std::uint64_t ms) {
    std::lock_guard lock(mu_);
    runLimitMs_ = ms;
}

std::uint64_t SimLoop::NowMs() const {
    std::lock_guard lock(mu_);
    return now_;
}

void SimLoop::SetDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    std::lock_guard lock(mu_);
    std::int64_t ms = DaysFromCivil(year, month, day) * kMsPerDay +
                      ((hour * 60 + minute) * 60 + second) * std::int64_t{1000} + millisecond;
    epochMs_ = ms - static_cast<std::int64_t>(now_);
}

void SimLoop::SetTickCount(std::uint32_t ticks) {
    std::lock_guard lock(mu_);
    tickBase_ = static_cast<std::uint32_t>(ticks - now_);
}

std::size_t SimLoop::ActiveTimers() const {
    std::lock_guard lock(mu_);
    return timers_.size();
}

bool SimLoop::TimerActive(port::TimerId timer) const {
    std::lock_guard lock(mu_);
    return timers_.count(timer) != 0;
}

std::uint32_t SimLoop::TimerInterval(port::TimerId timer) const {
    std::lock_guard lock(mu_);
    auto it = timers_.find(timer);
    return it == timers_.end() ? 0 : it->second.interval;
}

std::uint64_t SimLoop::TimerFirings() const {
    std::lock_guard lock(mu_);
    return timerFirings_;
}

std::size_t SimLoop::PendingCount() const {
    std::lock_guard lock(mu_);
    return queue_.size() + requests_.size();
}

std::vector<SleepRecord> SimLoop::Sleeps() const {
    std::lock_guard lock(mu_);
    return sleeps_;
}

std::uint64_t SimLoop::MessageWaits() const {
    std::lock_guard lock(mu_);
    return messageWaits_;
}

std::uint64_t SimLoop::TotalSleptMs() const {
    std::lock_guard lock(mu_);
    std::uint64_t total = 0;
    for (const SleepRecord& s : sleeps_)
        total += s.ms;
    return total;
}

std::vector<DispatchRecord> SimLoop::Dispatched() const {
    std::lock_guard lock(mu_);
    return dispatched_;
}

}  // namespace sim
