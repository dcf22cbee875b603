#pragma once
// The text of one log entry and the line it becomes in RVLN.LOG. The columns are fixed widths
// that only grow, so that old viewers and scripts can read the file by position.
#include <cstdint>
#include <string>
#include <string_view>
#include "ports/system_info_port.h"
#include "ports/types.h"

namespace eventlog {

// US English: month first, and "," between the thousands.
constexpr std::uint16_t kLangUsEnglish = 1033;
// German (1031, 2055, 3079) and 1070 write the date with dots, day first.
bool UsesDottedDate(std::uint16_t languageId);

// Right-aligns text in width characters and never cuts it (printf's "%Ns").
std::string PadLeft(std::string_view text, size_t width);

// Digits grouped by three from the right with separator; numbers below 1000 have none.
std::string GroupThousands(std::uint64_t value, char separator);
// The separator of the memory figures: "," on a US English system, "." on every other.
char ThousandsSeparator(std::uint16_t languageId);
// The figures of the 32-bit memory status: larger values show as its largest number.
std::uint64_t Saturate32(std::uint64_t value);

// "dd.mm.yyyy", "mm/dd/yyyy" or "dd/mm/yyyy" by the system language.
std::string FormatLogDate(const port::LocalTime& time, std::uint16_t languageId);
// "hh:mm:ss,ms" with the milliseconds as at least two digits.
std::string FormatLogTime(const port::LocalTime& time);
// "Mo. , 07.12.1998 at:  14:05:09,25 h -".
std::string FormatLogPrefix(const port::LocalTime& time, std::uint16_t languageId);

// The method's list text with the blanks that line up the list removed.
std::string CompactMethodText(std::string_view listText);
// The user name as the entry shows it: trailing blanks cut, "Empty Account" when unknown.
std::string EntryUserName(bool known, std::string_view name);

struct EntryFacts {
    std::string userName;  // already through EntryUserName
    bool fromCommandLine = false;
    std::string methodText;  // the list text as it is
    port::MemoryStatus memory;
    std::uint16_t languageId = kLangUsEnglish;
};

// The thirteen fields; the entry holds one CR between the method and the memory figures.
std::string FormatEntryText(const EntryFacts& facts);

// The line as written: prefix, then the entry with each CR turned into a blank (no line end).
std::string FormatLogLine(const port::LocalTime& time, std::uint16_t languageId, std::string_view entryText);

}  // namespace eventlog
