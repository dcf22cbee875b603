#include "timers/countdown_core.h"

#include <algorithm>

namespace timers {
namespace {

constexpr std::int64_t kDayMs = 86'400'000;

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146'097 + doe - 719'468;
}

std::int64_t WholeSecondMs(const port::LocalTime& t) {
    return LocalMs(t) - t.millisecond;
}

std::string Part(std::int64_t value) {
    if (value == 0) return "00";
    if (value < 10) return "0" + std::to_string(value);
    return std::to_string(value);
}

}  // namespace

std::int64_t LocalMs(const port::LocalTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * kDayMs + t.hour * 3'600'000LL + t.minute * 60'000LL +
           t.second * 1'000LL + t.millisecond;
}

void Countdown::Reset() {
    *this = Countdown{};
}

void Countdown::Arm(std::int64_t n) {
    const std::uint8_t beepSkip = BeepSkip;
    Reset();
    BeepSkip = beepSkip;
    if (n < 1) n = kFallbackSeconds;
    CountdownTarget = n - 1;
    if (CountdownTarget <= kBarLimit) {
        TicksPerStep = 0;
        barMax = static_cast<int>(CountdownTarget);
    } else {
        TicksPerStep = CountdownTarget / kTickMs;
        // The bar is full when the last step is done.
        barMax = static_cast<int>(CountdownTarget / TicksPerStep);
    }
}

void Countdown::ArmUntil(std::int64_t n, const port::LocalTime& now) {
    Arm(std::max<std::int64_t>(n, 1));
    byClock = true;
    startMs = WholeSecondMs(now);
    endMs = startMs + std::max<std::int64_t>(n, 0) * 1000;
}

std::int64_t Countdown::Remaining(const port::LocalTime& now) const {
    if (byClock) return std::max<std::int64_t>(endMs - LocalMs(now), 0) / 1000;
    return std::max<std::int64_t>(CountdownTarget - ElapsedMs / kTickMs, 0);
}

bool Countdown::Expired(const port::LocalTime& now) const {
    if (byClock) return LocalMs(now) >= endMs;
    return ElapsedMs / kTickMs >= CountdownTarget;
}

void Countdown::Advance(const port::LocalTime& now) {
    if (TicksPerStep > 0 && StepAccumulatorMs == kTickMs * TicksPerStep) {
        StepAccumulatorMs = 0;
        ++barPosition;
    }
    ElapsedMs += kTickMs;
    StepAccumulatorMs += kTickMs;
    if (TicksPerStep == 0) ++barPosition;
    if (byClock) {
        // The bar shows the share of the time gone by, whatever the ticks did meanwhile.
        const std::int64_t total = endMs - startMs;
        const std::int64_t gone = std::clamp<std::int64_t>(LocalMs(now) - startMs, 0, total);
        barPosition = total > 0 ? static_cast<int>(barMax * gone / total) : barMax;
    }
    barPosition = std::min(barPosition, barMax);
}

std::int64_t SecondsUntil(int nowSeconds, int targetSeconds) {
    if (targetSeconds > nowSeconds) return targetSeconds - nowSeconds;
    if (targetSeconds < nowSeconds) return targetSeconds - nowSeconds + 86'400;
    return 0;
}

std::string FormatRemaining(std::int64_t seconds) {
    const std::int64_t h = seconds / 3600;
    const std::int64_t m = (seconds - h * 3600) / 60;
    const std::int64_t s = seconds - h * 3600 - m * 60;
    return Part(h) + ":" + Part(m) + ":" + Part(s);
}

Signal BeeperStep(std::uint8_t& beepSkip, std::int64_t seconds) {
    if (seconds < 0 || seconds > 59) return Signal::None;
    if (seconds < 10) return Signal::Once;
    if (seconds % 10 == 9) beepSkip = 0;
    // Ticks to skip after a signal: 5 in the fifties down to 1 in the teens.
    const std::uint8_t pace = static_cast<std::uint8_t>(seconds / 10);
    if (beepSkip > 0) {
        --beepSkip;
        return Signal::None;
    }
    beepSkip = pace;
    return Signal::Twice;
}

}  // namespace timers
