#include "log/nt_event.h"

#include "app/program_state.h"
#include "lib/registry_values.h"
#include "lib/text.h"
#include "lib/version.h"
#include "ports/event_log_port.h"

namespace eventlog {
namespace {

constexpr size_t kTextPieces = 10;

// The event viewer finds the texts of the ids through this key; without it every entry says
// that its description cannot be found.
void RegisterSource(app::ProgramState& program, const std::string& source) {
    port::RegistryPort& registry = program.os.registry;
    const std::string key = std::string(kEventSourcesKey) + "\\" + source;
    if (registry.KeyExists(port::RegRoot::LocalMachine, key) == 0) return;
    registry.SetValue(port::RegRoot::LocalMachine, key, "EventMessageFile",
                      lib::StringValue(program.os.system.ExecutablePath()));
    registry.SetValue(port::RegRoot::LocalMachine, key, "TypesSupported", lib::DwordValue(7));
}

}  // namespace

std::uint16_t NtEventType(std::uint32_t eventId) {
    if (eventId >= 500 && eventId <= 999) return port::kEventInformation;
    if (eventId >= 1000 && eventId <= 1499) return port::kEventWarning;
    if (eventId >= 1500 && eventId <= 1999) return port::kEventError;
    return 0;
}

std::vector<std::string> NtEventStrings(const std::string& applicationTitle, std::uint32_t eventId,
                                        const std::string& text) {
    std::vector<std::string> strings;
    strings.push_back(" => " + lib::AsciiUpper(applicationTitle) + " EVENT LOG REPORT ( " +
                      std::to_string(eventId) + " ): " + " => ");
    size_t start = 0;
    for (size_t piece = 1; piece <= kTextPieces; ++piece) {
        const size_t cr = text.find('\r', start);
        // The last piece keeps whatever is left, should the text hold more breaks than pieces.
        if (cr == std::string::npos || piece == kTextPieces) {
            strings.push_back(text.substr(start) + " ");
            break;
        }
        strings.push_back(text.substr(start, cr - start) + " ");
        start = cr + 1;
    }
    while (strings.size() < 1 + kTextPieces)
        strings.push_back(" ");
    return strings;
}

void ReportNtEvent(app::ProgramState& program, const std::string& text, const std::string& source,
                   std::uint32_t eventId) {
    if (!app::IsNT(program.osKind) || text.empty()) return;
    RegisterSource(program, source);
    const std::string& title = program.application.Title();
    const std::vector<std::string> strings =
        NtEventStrings(title.empty() ? lib::kProgramTitle : title, eventId, text);
    program.os.eventLog.ReportEvent(source, NtEventType(eventId), 0, eventId, strings);
}

}  // namespace eventlog
