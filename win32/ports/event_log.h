#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>
#include <string>
#include <vector>

#include "ports/event_log_port.h"

namespace win32 {

class Win32EventLog final : public port::EventLogPort {
  public:
    bool ReportEvent(const std::string& source, std::uint16_t type, std::uint16_t category,
                     std::uint32_t eventId, const std::vector<std::string>& strings) override;
};

}  // namespace win32
