// The counting core of the countdown, the beeper's pace and the Timers page's arithmetic.
#include <gtest/gtest.h>
#include <vector>
#include "timers/countdown_core.h"
#include "timers/timer_fields.h"

namespace {

using timers::Countdown;

port::LocalTime At(int day, int hour, int minute, int second, int ms = 0) {
    port::LocalTime t;
    t.year = 2026;
    t.month = 12;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    t.millisecond = ms;
    return t;
}

// Runs the ticks of an "in" countdown to its end: the tick that expires, with the remaining time
// checked never to rise and the bar never to pass its maximum.
std::int64_t TicksToExpiry(Countdown& c) {
    const port::LocalTime unused{};
    std::int64_t previous = c.Remaining(unused) + 1;
    for (std::int64_t tick = 1;; ++tick) {
        const std::int64_t remaining = c.Remaining(unused);
        if (remaining > previous) return -1;
        previous = remaining;
        if (c.Expired(unused)) {
            EXPECT_EQ(remaining, 0);
            return tick;
        }
        c.Advance(unused);
        if (c.barPosition > c.barMax) return -2;
    }
}

TEST(CountdownCore, EveryLengthExpiresAtItsTickCount) {
    struct Case {
        std::int64_t n, ticksPerStep;
    };
    for (Case k : {Case{1, 0}, Case{60, 0}, Case{32'768, 0}, Case{32'769, 33}, Case{40'000, 40},
                   Case{86'399, 87}, Case{2'171'370, 2'195}, Case{9'999'999, 10'111}}) {
        Countdown c;
        c.Arm(k.n);
        EXPECT_EQ(c.TicksPerStep, k.ticksPerStep) << k.n;
        EXPECT_EQ(c.Remaining({}), k.n - 1) << k.n;
        EXPECT_EQ(TicksToExpiry(c), k.n) << k.n;
        // The last step of the bar comes with the expiry at the latest.
        EXPECT_GE(c.barPosition + 1, c.barMax) << k.n;
    }
}

TEST(CountdownCore, LengthsBelowOneRunAsSixtySeconds) {
    for (std::int64_t n : {0, -5}) {
        Countdown c;
        c.Arm(n);
        EXPECT_EQ(TicksToExpiry(c), 60) << n;
    }
}

TEST(CountdownCore, TimeOfDayEndsByTheClockNotByTheTicks) {
    // Twelve hours: ticks of exactly 989 ms would end it about eight minutes early.
    Countdown c;
    c.ArmUntil(12 * 3600, At(8, 6, 0, 0, 400));
    EXPECT_EQ(c.Remaining(At(8, 6, 0, 0, 989)), 12 * 3600 - 1);
    EXPECT_FALSE(c.Expired(At(8, 17, 59, 59, 999)));
    EXPECT_EQ(c.Remaining(At(8, 17, 59, 59, 999)), 0);
    EXPECT_TRUE(c.Expired(At(8, 18, 0, 0)));

    // A machine that slept past the time ends it at the first tick after waking.
    Countdown slept;
    slept.ArmUntil(600, At(8, 23, 55, 0));
    slept.Advance(At(8, 23, 55, 1));
    EXPECT_GT(slept.Remaining(At(8, 23, 55, 1)), 590);
    EXPECT_TRUE(slept.Expired(At(9, 4, 0, 0)));
    slept.Advance(At(9, 4, 0, 0));
    EXPECT_EQ(slept.barPosition, slept.barMax);

    // The same second as now: due at the first tick.
    Countdown now;
    now.ArmUntil(0, At(8, 12, 0, 0, 700));
    EXPECT_TRUE(now.Expired(At(8, 12, 0, 1, 689)));
}

TEST(CountdownCore, SecondsUntilTheTimeOfDay) {
    EXPECT_EQ(timers::SecondsUntil(3600, 3601), 1);
    EXPECT_EQ(timers::SecondsUntil(3601, 3600), 86'399);
    EXPECT_EQ(timers::SecondsUntil(3600, 3600), 0);
    EXPECT_EQ(timers::SecondsUntil(86'399, 0), 1);
}

TEST(CountdownCore, RemainingTimeText) {
    EXPECT_EQ(timers::FormatRemaining(0), "00:00:00");
    EXPECT_EQ(timers::FormatRemaining(59), "00:00:59");
    EXPECT_EQ(timers::FormatRemaining(9), "00:00:09");
    EXPECT_EQ(timers::FormatRemaining(3600 + 600 + 1), "01:10:01");
    EXPECT_EQ(timers::FormatRemaining(9'999'998), "2777:46:38");
}

TEST(CountdownCore, BeeperPaceOverTheLastMinute) {
    std::uint8_t skip = 0;
    std::vector<int> twice, once;
    for (int s = 59; s >= 0; --s) {
        const timers::Signal signal = timers::BeeperStep(skip, s);
        if (signal == timers::Signal::Twice) twice.push_back(s);
        if (signal == timers::Signal::Once) once.push_back(s);
    }
    EXPECT_EQ(twice, (std::vector<int>{59, 53, 49, 44, 39, 35, 31, 29, 26, 23, 20, 19, 17, 15, 13, 11}));
    EXPECT_EQ(once, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST(TimerFields, SliderAgainstTimeAndSeconds) {
    const timers::TimeOfDay half = timers::TimeFromTrackBar(150);
    EXPECT_EQ(half.hours, 12);
    EXPECT_EQ(half.minutes, 30);
    EXPECT_EQ(half.seconds, 0);
    EXPECT_EQ(timers::TimeFromTrackBar(288).hours, 0);
    EXPECT_EQ(timers::TrackBarFromTime({0, 0, 0}, 7, 288), 288);
    EXPECT_EQ(timers::TrackBarFromTime({0, 4, 59}, 7, 288), 7);
    EXPECT_EQ(timers::TrackBarFromTime({23, 59, 59}, 7, 288), 287);
    EXPECT_EQ(timers::TrackBarFromSeconds(18'000, 1, 24), 5);
    EXPECT_EQ(timers::TrackBarFromSeconds(5000, 1, 24), 1);
    EXPECT_EQ(timers::TrackBarFromSeconds(3599, 1, 24), 1);
    EXPECT_EQ(timers::TrackBarFromSeconds(86'401, 1, 24), 24);
}

TEST(TimerFields, SecondsFieldText) {
    for (const char* text : {"", "0", "abc", "-5", "1x"})
        EXPECT_EQ(timers::CountdownSeconds(text), 60) << text;
    EXPECT_EQ(timers::CountdownSeconds("9999999"), 9'999'999);
    EXPECT_EQ(timers::CleanSecondsText("007"), "7");
    EXPECT_EQ(timers::CleanSecondsText("0"), "60");
}

TEST(TimerFields, BeeperLeadFollowsAShortCountdown) {
    timers::BeeperLead lead = timers::LimitLead("20", true, 10);
    EXPECT_EQ(lead.text, "10");
    EXPECT_EQ(lead.maxValue, 10);
    lead = timers::LimitLead("20", true, 5);
    EXPECT_EQ(lead.text, "5");
    EXPECT_EQ(lead.maxLength, 1);
    lead = timers::LimitLead("20", false, 5);
    EXPECT_EQ(lead.text, "20");
    EXPECT_EQ(lead.maxValue, 59);
    EXPECT_EQ(timers::LimitLead("", true, 60).text, "1");
    EXPECT_EQ(timers::LimitLead("0", true, 60).text, "1");
    EXPECT_EQ(timers::LimitLead("4a", true, 60).text, "4");
}

}  // namespace
