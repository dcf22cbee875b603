#pragma once
// Critical-error boxes of the system stay away while a device is touched (an empty drive would
// raise one); the mode the process had comes back afterwards.
#include <cstdint>
#include "ports/device_port.h"

namespace lib {

class FailCriticalErrors {
  public:
    explicit FailCriticalErrors(port::DevicePort& devices)
        : devices_(devices), previous_(devices.SetErrorMode(port::kSemFailCriticalErrors)) {}
    ~FailCriticalErrors() { devices_.SetErrorMode(previous_); }
    FailCriticalErrors(const FailCriticalErrors&) = delete;
    FailCriticalErrors& operator=(const FailCriticalErrors&) = delete;

  private:
    port::DevicePort& devices_;
    std::uint32_t previous_;
};

}  // namespace lib
