#include "log/log_format.h"

#include <cstdio>
#include <limits>

#include "lib/text.h"

namespace eventlog {
namespace {

constexpr const char* kWeekdays[7] = {"So.", "Mo.", "Tu.", "We.", "Th.", "Fr.", "Sa."};

// The widths count characters of the 8-bit file, so a UTF-8 sequence is one column.
size_t Columns(std::string_view text) {
    size_t n = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

int FourDigitYear(int year) {
    if (year >= 0 && year < 100) return year + (year >= 80 ? 1900 : 2000);
    return year;
}

}  // namespace

bool UsesDottedDate(std::uint16_t languageId) {
    return languageId == 1031 || languageId == 1070 || languageId == 2055 || languageId == 3079;
}

std::string PadLeft(std::string_view text, size_t width) {
    const size_t columns = Columns(text);
    std::string out;
    if (columns < width) out.assign(width - columns, ' ');
    out += text;
    return out;
}

std::string GroupThousands(std::uint64_t value, char separator) {
    const std::string digits = std::to_string(value);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

char ThousandsSeparator(std::uint16_t languageId) {
    return languageId == kLangUsEnglish ? ',' : '.';
}

std::uint64_t Saturate32(std::uint64_t value) {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    return value > kMax ? kMax : value;
}

std::string FormatLogDate(const port::LocalTime& time, std::uint16_t languageId) {
    char year[16];
    std::snprintf(year, sizeof year, "%04d", FourDigitYear(time.year));
    const std::string day = TwoDigits(time.day);
    const std::string month = TwoDigits(time.month);
    if (UsesDottedDate(languageId)) return day + "." + month + "." + year;
    if (languageId == kLangUsEnglish) return month + "/" + day + "/" + year;
    return day + "/" + month + "/" + year;
}

std::string FormatLogTime(const port::LocalTime& time) {
    return TwoDigits(time.hour) + ":" + TwoDigits(time.minute) + ":" + TwoDigits(time.second) + "," +
           TwoDigits(time.millisecond);
}

std::string FormatLogPrefix(const port::LocalTime& time, std::uint16_t languageId) {
    const int weekday = time.dayOfWeek;
    const std::string day = weekday >= 0 && weekday < 7 ? kWeekdays[weekday] : "";
    return PadLeft(day, 3) + " " + PadLeft(",", 1) + " " + PadLeft(FormatLogDate(time, languageId), 10) +
           " " + PadLeft("at:", 3) + " " + PadLeft(FormatLogTime(time), 12) + " " + PadLeft("h -", 3);
}

std::string CompactMethodText(std::string_view listText) {
    std::string out;
    bool blank = false;
    for (char c : listText) {
        if (c == ' ') {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string EntryUserName(bool known, std::string_view name) {
    std::string trimmed = known ? lib::TrimRight(name) : std::string();
    return trimmed.empty() ? std::string("Empty Account") : trimmed;
}

std::string FormatEntryText(const EntryFacts& facts) {
    const char separator = ThousandsSeparator(facts.languageId);
    auto figure = [separator](std::uint64_t bytes) { return GroupThousands(Saturate32(bytes), separator); };
    const char* action =
        facts.fromCommandLine ? "] has shut down from the Commandline with: [" : "] has shut down with: [";
    const std::string fields[13] = {"User: [",
                                    facts.userName,
                                    action,
                                    CompactMethodText(facts.methodText),
                                    "]! =>",
                                    lib::kCR,
                                    "Free Physical Memory: [",
                                    figure(facts.memory.availPhys),
                                    "] Free PageFile Size: [",
                                    figure(facts.memory.availPageFile),
                                    "] Free Virtual Memory: [",
                                    figure(facts.memory.availVirtual),
                                    "]"};
    static constexpr size_t kWidths[13] = {8, 50, 44, 35, 5, 2, 23, 15, 23, 15, 24, 15, 1};
    std::string text;
    for (size_t i = 0; i < 13; ++i) {
        if (i > 0) text += ' ';
        text += PadLeft(fields[i], kWidths[i]);
    }
    return text;
}

std::string FormatLogLine(const port::LocalTime& time, std::uint16_t languageId, std::string_view entryText) {
    std::string line = FormatLogPrefix(time, languageId);
    for (char c : entryText)
        line += c == '\r' ? ' ' : c;
    return line;
}

}  // namespace eventlog
