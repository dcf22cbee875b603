#pragma once
// Ending the session. On Windows NT, ExitWindowsEx refuses to shut down, reboot or power off
// with ERROR_PRIVILEGE_NOT_HELD until the three token steps have enabled the shutdown privilege;
// on Windows 95/98 the token calls do not exist (ERROR_CALL_NOT_IMPLEMENTED) and none is needed.
// Every call can be scripted with its result and error instead.
#include <cstdint>
#include <vector>
#include "ports/session_port.h"
#include "ports/types.h"
#include "sim/errors.h"
#include "sim/outcome.h"

namespace sim {

class SimSystemInfo;

struct ExitCall {
    std::uint32_t flags = 0;
    bool ok = false;
    std::uint32_t error = 0;
};

struct PowerCall {
    bool suspend = false, force = false;
    bool ok = false;
};

class SimSession : public port::SessionPort {
  public:
    explicit SimSession(const SimSystemInfo& system);

    bool ExitWindowsEx(std::uint32_t flags) override;
    bool OpenProcessToken() override;
    bool LookupShutdownPrivilege() override;
    bool AdjustTokenPrivileges() override;
    void CloseProcessToken() override;
    bool SetSystemPowerState(bool suspend, bool force) override;
    std::uint32_t LastError() const override { return lastError_; }

    // Scripts, taken one per call.
    OutcomeQueue exitResults;
    OutcomeQueue openTokenResults;
    OutcomeQueue lookupResults;
    // AdjustTokenPrivileges may succeed and still report ERROR_NOT_ALL_ASSIGNED: push {true, 1300}.
    OutcomeQueue adjustResults;
    OutcomeQueue powerResults;

    std::vector<ExitCall> exitCalls;
    std::vector<PowerCall> powerCalls;
    bool PrivilegeEnabled() const { return privilegeEnabled_; }
    bool TokenOpen() const { return tokenOpen_; }
    int tokenOpens = 0, tokenCloses = 0, lookups = 0, adjusts = 0;
    // Some ExitWindowsEx call succeeded.
    bool SessionEnded() const;

  private:
    bool Finish(std::optional<Outcome> scripted, Outcome natural);

    const SimSystemInfo& system_;
    bool tokenOpen_ = false;
    bool privilegeFound_ = false;
    bool privilegeEnabled_ = false;
    std::uint32_t lastError_ = 0;
};

}  // namespace sim
