#include "timers/timer_fields.h"

#include <algorithm>

#include "timers/countdown_core.h"

namespace timers {
namespace {

// A whole number of plain decimal digits with an optional leading minus; false for anything
// else or for more digits than the field can hold.
bool ParseNumber(const std::string& text, std::int64_t& value) {
    std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
    if (i == text.size() || text.size() - i > 9) return false;
    std::int64_t n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + (text[i] - '0');
    }
    value = text[0] == '-' ? -n : n;
    return true;
}

}  // namespace

std::string TimeLabel(int value) {
    return value == 0 ? "00" : std::to_string(value);
}

int LabelNumber(const std::string& text) {
    std::int64_t n = 0;
    return ParseNumber(text, n) && n >= 0 && n < 60 ? static_cast<int>(n) : 0;
}

TimeOfDay TimeFromTrackBar(int position) {
    TimeOfDay t;
    t.hours = position / 12;
    if (t.hours == 24) t.hours = 0;
    t.minutes = (position % 12) * 5;
    return t;
}

int TrackBarFromTime(const TimeOfDay& t, int current, int max) {
    const int total = t.hours * 3600 + t.minutes * 60 + t.seconds;
    if (total > 299) return total / 300;
    if (total == 0) return max;
    return current;
}

int TrackBarFromSeconds(std::int64_t seconds, int min, int max) {
    if (seconds < 3600) return min;
    if (seconds > 86'400) return max;
    return static_cast<int>(seconds / 3600);
}

std::int64_t CountdownSeconds(const std::string& text) {
    std::int64_t n = 0;
    if (!ParseNumber(text, n) || n < 1) return kFallbackSeconds;
    return std::min(n, kMaxSeconds);
}

std::string CleanSecondsText(const std::string& text) {
    return std::to_string(CountdownSeconds(text));
}

BeeperLead LimitLead(const std::string& leadText, bool inMode, std::int64_t countdownSeconds) {
    BeeperLead lead;
    for (char c : leadText)
        if (c >= '0' && c <= '9') lead.text += c;
    lead.text.erase(0, std::min(lead.text.find_first_not_of('0'), lead.text.size()));
    if (lead.text.empty()) lead.text = "1";
    if (lead.text.size() > 2 || std::stoi(lead.text) > 59) lead.text = "59";
    const int value = std::stoi(lead.text);
    // A lead equal to the length keeps its limit, so that cleaning the lead again changes nothing.
    if (inMode && countdownSeconds >= 1 && countdownSeconds <= value) {
        lead.text = std::to_string(countdownSeconds);
        lead.maxValue = static_cast<int>(countdownSeconds);
        lead.maxLength = countdownSeconds < 10 ? 1 : 2;
    }
    return lead;
}

}  // namespace timers
