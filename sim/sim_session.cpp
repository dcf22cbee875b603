#include "sim/sim_session.h"

#include "sim/sim_system_info.h"

namespace sim {

SimSession::SimSession(const SimSystemInfo& system) : system_(system) {}

bool SimSession::Finish(std::optional<Outcome> scripted, Outcome natural) {
    Outcome outcome = scripted ? *scripted : natural;
    // Successful calls leave the last error alone unless a script says otherwise.
    if (!outcome.ok || outcome.error != 0) lastError_ = outcome.error;
    return outcome.ok;
}

bool SimSession::ExitWindowsEx(std::uint32_t flags) {
    Outcome natural;
    const bool needsPrivilege = flags & (port::kEwxShutdown | port::kEwxReboot | port::kEwxPowerOff);
    if (system_.IsNt() && needsPrivilege && !privilegeEnabled_)
        natural = Outcome{false, kErrPrivilegeNotHeld};
    bool ok = Finish(exitResults.Take(), natural);
    exitCalls.push_back(ExitCall{flags, ok, ok ? 0 : lastError_});
    return ok;
}

bool SimSession::OpenProcessToken() {
    ++tokenOpens;
    Outcome natural = system_.IsNt() ? Outcome{} : Outcome{false, port::kErrCallNotImplemented};
    tokenOpen_ = Finish(openTokenResults.Take(), natural);
    return tokenOpen_;
}

bool SimSession::LookupShutdownPrivilege() {
    ++lookups;
    Outcome natural = system_.IsNt() ? Outcome{} : Outcome{false, port::kErrCallNotImplemented};
    privilegeFound_ = Finish(lookupResults.Take(), natural);
    return privilegeFound_;
}

bool SimSession::AdjustTokenPrivileges() {
    ++adjusts;
    Outcome natural;
    if (!tokenOpen_ || !privilegeFound_) natural = Outcome{false, kErrInvalidHandle};
    if (!system_.IsNt()) natural = Outcome{false, port::kErrCallNotImplemented};
    std::optional<Outcome> scripted = adjustResults.Take();
    Outcome outcome = scripted ? *scripted : natural;
    bool ok = Finish(outcome, outcome);
    if (ok && outcome.error != port::kErrNotAllAssigned) privilegeEnabled_ = true;
    return ok;
}

void SimSession::CloseProcessToken() {
    ++tokenCloses;
    tokenOpen_ = false;
}

bool SimSession::SetSystemPowerState(bool suspend, bool force) {
    bool ok = Finish(powerResults.Take(), Outcome{});
    powerCalls.push_back(PowerCall{suspend, force, ok});
    return ok;
}

bool SimSession::SessionEnded() const {
    for (const ExitCall& call : exitCalls) {
        if (call.ok) return true;
    }
    return false;
}

}  // namespace sim
