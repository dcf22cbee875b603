#include "sim/sim_event_log.h"

#include "sim/sim_system_info.h"

namespace sim {

bool SimEventLog::ReportEvent(const std::string& source, std::uint16_t type, std::uint16_t category,
                              std::uint32_t eventId, const std::vector<std::string>& strings) {
    bool fail = failing || !system_.IsNt();
    if (failNext > 0) {
        --failNext;
        fail = true;
    }
    if (fail) {
        ++failedReports;
        return false;
    }
    events.push_back(LoggedEvent{source, type, category, eventId, strings});
    return true;
}

}  // namespace sim
