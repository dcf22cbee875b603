#pragma once
// The MCI CD-audio device, which always works on one machine-wide default drive (its position
// among the CD-ROM letters, in the registry). Every command first points the default at the
// wanted drive and puts it back afterwards. Main thread only: two sequences must never
// interleave.
#include <cstdint>
#include <string>
#include "ports/registry_port.h"

namespace app {
struct ProgramState;
}

namespace devices {

inline constexpr const char* kMciCdAudioKey =
    "System\\CurrentControlSet\\Control\\MediaResources\\mci\\cdaudio";

// The stored position ("Default Drive", its low byte); 0 when the value is missing.
int GetMciCdDrive(app::ProgramState& program);
void SetMciCdDrive(app::ProgramState& program, int index);

// What switching the default changed, so that it can be put back.
struct MciDriveSwitch {
    bool ok = false;        // the default now names the target's drive
    bool changed = false;   // the value was written
    std::string back;       // the drive it named before ("D:")
    bool rawBack = false;   // it named no drive: put back these exact bytes
    bool hadValue = false;  // (and whether there was a value at all)
    port::RegValue raw;
};
// Points the default at the drive of target ("E:"); only CD audio (516) is served.
MciDriveSwitch SwitchMciCdDrive(app::ProgramState& program, std::uint32_t type, const std::string& target);
void SwitchMciCdDriveBack(app::ProgramState& program, const MciDriveSwitch& done);

bool MciDoorOpen(app::ProgramState& program, std::uint32_t type, const std::string& target);
bool MciDoorClosed(app::ProgramState& program, std::uint32_t type, const std::string& target);
// Sets MciNoMedium and MciNotReady; a query that fails leaves its flag as it was.
void MciMediaStatus(app::ProgramState& program, std::uint32_t type, const std::string& target);

// Puts the default back to the drive it named when device work began (SavedMciDrive).
void RestoreMciCdDrive(app::ProgramState& program);

}  // namespace devices
