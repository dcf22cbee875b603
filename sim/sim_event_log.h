#pragma once
// The NT application event log. Reporting fails on Windows 95/98, which have no event log
// (ERROR_CALL_NOT_IMPLEMENTED), and wherever a test makes it fail.
#include <cstdint>
#include <string>
#include <vector>
#include "ports/event_log_port.h"

namespace sim {

class SimSystemInfo;

struct LoggedEvent {
    std::string source;
    std::uint16_t type = 0;
    std::uint16_t category = 0;
    std::uint32_t eventId = 0;
    std::vector<std::string> strings;
};

class SimEventLog : public port::EventLogPort {
  public:
    explicit SimEventLog(const SimSystemInfo& system) : system_(system) {}

    bool ReportEvent(const std::string& source, std::uint16_t type, std::uint16_t category,
                     std::uint32_t eventId, const std::vector<std::string>& strings) override;

    bool failing = false;             // every report fails
    int failNext = 0;                 // the next reports fail
    std::vector<LoggedEvent> events;  // the reports that succeeded
    int failedReports = 0;

  private:
    const SimSystemInfo& system_;
};

}  // namespace sim
