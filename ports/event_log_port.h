#pragma once
// The NT application event log.
#include <cstdint>
#include <string>
#include <vector>

namespace port {

enum : std::uint16_t { kEventError = 1, kEventWarning = 2, kEventInformation = 4 };

class EventLogPort {
  public:
    virtual ~EventLogPort() = default;
    // RegisterEventSourceA(nullptr, source), ReportEventA, DeregisterEventSource; false when any fails.
    virtual bool ReportEvent(const std::string& source, std::uint16_t type, std::uint16_t category,
                             std::uint32_t eventId, const std::vector<std::string>& strings) = 0;
};

}  // namespace port
