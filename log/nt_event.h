#pragma once
// Entries for the Windows NT application event log.
#include <cstdint>
#include <string>
#include <vector>

namespace app {
struct ProgramState;
}

namespace eventlog {

inline constexpr const char* kEventSource = "Ravelin";
// Where an event source names the file that holds its message texts.
inline constexpr const char* kEventSourcesKey = "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application";

// Information for 500..999, warning for 1000..1499, error for 1500..1999, else 0.
std::uint16_t NtEventType(std::uint32_t eventId);

// The eleven strings of an event: a heading with the application title and the id, then the
// text cut at each CR into ten pieces, each followed by a blank (unused pieces are one blank).
std::vector<std::string> NtEventStrings(const std::string& applicationTitle, std::uint32_t eventId,
                                        const std::string& text);

// Writes one event on Windows NT; elsewhere, and for an empty text, nothing happens. Failures
// are not reported: the event log is the place where they would have gone.
void ReportNtEvent(app::ProgramState& program, const std::string& text, const std::string& source,
                   std::uint32_t eventId);

}  // namespace eventlog
