#pragma once
// The counting of a countdown, free of any window: the counters of one armed countdown, one
// tick at a time, and what the status panel shows. An "in" countdown counts ticks; an "at"
// countdown reads the clock, so that neither the tick's 989 ms nor a machine that slept in
// between moves the end away from the time of day the user set.
#include <cstdint>
#include <string>
#include "ports/types.h"

namespace timers {

// The tick interval while a countdown is armed.
constexpr std::uint32_t kTickMs = 989;
// Above this many ticks the progress bar steps once every TicksPerStep ticks.
constexpr std::int64_t kBarLimit = 32'767;
// The seconds field takes at most seven digits.
constexpr std::int64_t kMaxSeconds = 9'999'999;
// A countdown length below 1 second runs as this many.
constexpr std::int64_t kFallbackSeconds = 60;

// Milliseconds of a local date and time on one continuous scale (days since 1970 times a day's
// milliseconds, plus the time of day), so that two readings can be subtracted across midnight.
std::int64_t LocalMs(const port::LocalTime& t);

struct Countdown {
    // Counters are 64-bit: the elapsed milliseconds of a countdown of 9,999,999 seconds pass
    // the range of a 32-bit count long before it ends.
    std::int64_t CountdownTarget = 0;  // the length N minus 1: ticks after the first
    std::int64_t TicksPerStep = 0;     // 0 while N - 1 fits the bar; else ticks per bar step
    std::int64_t ElapsedMs = 0;
    std::int64_t StepAccumulatorMs = 0;
    std::uint8_t BeepSkip = 0;
    int barMax = 0;
    int barPosition = 0;
    // A time-of-day countdown ends at endMs on the LocalMs scale; it started at startMs.
    bool byClock = false;
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;

    void Reset();
    // Arms a countdown of n seconds that counts ticks; a length below 1 runs as 60 seconds.
    void Arm(std::int64_t n);
    // Arms a countdown of n seconds that ends when the clock reads now + n seconds, to the
    // whole second of now.
    void ArmUntil(std::int64_t n, const port::LocalTime& now);
    // Whole seconds still to go; for the clock-driven mode read at now.
    std::int64_t Remaining(const port::LocalTime& now) const;
    // The expiry test of a tick, made before the tick advances the counters.
    bool Expired(const port::LocalTime& now) const;
    // The counters and the bar after one tick.
    void Advance(const port::LocalTime& now);
};

// Seconds from the time of day now (whole seconds) until the time of day target: later today,
// else tomorrow; 0 when they are equal.
std::int64_t SecondsUntil(int nowSeconds, int targetSeconds);

// h:mm:ss as the status panel shows it: each part "00", "0" and one digit, or plain from 10 on;
// hours may run to more than two digits.
std::string FormatRemaining(std::int64_t seconds);

// What a tick of the beeper phase signals.
enum class Signal { None, Twice, Once };
// The beeper's pace in the last minute: one signal every few seconds, denser as the end nears,
// and every second below 10. Twice = flash, pause, flash; Once = a single flash.
Signal BeeperStep(std::uint8_t& beepSkip, std::int64_t seconds);

}  // namespace timers
