#pragma once
// The arithmetic of the Timers page's fields: the slider against the time of day and the
// seconds, the seconds field's text, the beeper's lead time.
#include <cstdint>
#include <string>

namespace timers {

// The slider in "at" mode: 288 steps of 5 minutes; in "in" mode: 24 steps of an hour.
constexpr int kAtSteps = 288;
constexpr int kInSteps = 24;

struct TimeOfDay {
    int hours = 0, minutes = 0, seconds = 0;
};

// The hours, minutes and seconds labels: "00" for 0, else the plain number.
std::string TimeLabel(int value);
// The number a label shows; 0 for anything else.
int LabelNumber(const std::string& text);

// The time of day of a slider position in "at" mode (position 288 is midnight).
TimeOfDay TimeFromTrackBar(int position);
// The slider position for a time of day; 1 to 299 seconds past midnight keep current.
int TrackBarFromTime(const TimeOfDay& t, int current, int max);
// The slider position for a countdown length in "in" mode.
int TrackBarFromSeconds(std::int64_t seconds, int min, int max);

// The seconds field as a countdown length: anything that is not a number of at least 1 runs
// as the fallback of 60 seconds.
std::int64_t CountdownSeconds(const std::string& text);
// The text the seconds field keeps when it is left: its number in plain decimal, "60" for
// anything that is not a length of at least 1 second.
std::string CleanSecondsText(const std::string& text);

// The beeper's lead time as the spin field shows it.
struct BeeperLead {
    std::string text;
    int maxValue = 59;
    int maxLength = 2;
};
// The lead time's text cleaned to digits (empty or "0" become "1"); in "in" mode a countdown
// shorter than the lead shortens the lead to its own length.
BeeperLead LimitLead(const std::string& leadText, bool inMode, std::int64_t countdownSeconds);

}  // namespace timers
