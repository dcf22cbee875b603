#include "devices/mci.h"

#include <cctype>
#include <functional>
#include "app/program_state.h"
#include "lib/critical_errors.h"
#include "lib/messages.h"
#include "lib/text.h"

namespace devices {
namespace {

using port::RegRoot;

constexpr std::uint32_t kOpenFlags =
    port::kMciOpenType | port::kMciOpenTypeId | port::kMciOpenShareable | port::kMciNotify;

bool ReadDefault(app::ProgramState& program, port::RegValue& value) {
    return program.os.registry.QueryValue(RegRoot::LocalMachine, kMciCdAudioKey, "Default Drive", value) == 0;
}

// The drive letter at the default position, 0 when the position names none.
char CurrentDefaultLetter(app::ProgramState& program) {
    const size_t index = static_cast<size_t>(GetMciCdDrive(program));
    return index < program.CdromLetters.size() ? program.CdromLetters[index] : 0;
}

void ShowMciError(app::ProgramState& program, const std::string& what, std::uint32_t deviceId,
                  std::uint32_t error, const char* suffix = "") {
    lib::ShowError(program.os.dialogs, "ERROR: " + what + " - Device: " + std::to_string(deviceId) + suffix +
                                           "\r" + lib::TrimRight(program.os.devices.MciErrorString(error)));
}

// Switches to target, opens the CD audio device, runs the commands, closes it and switches
// back. False when the device could not be reached or a command failed.
bool MciSequence(app::ProgramState& program, std::uint32_t type, const std::string& target,
                 const std::function<bool(std::uint32_t deviceId)>& commands) {
    if (type != port::kMciDevtypeCdAudio) return false;
    port::DevicePort& devices = program.os.devices;
    lib::FailCriticalErrors mode(devices);
    const MciDriveSwitch done = SwitchMciCdDrive(program, type, target);
    if (!done.ok) {
        lib::ShowError(program.os.dialogs, "ERROR: Cannot change MCI associated device to: " + target);
        return false;
    }
    port::MciParams open;
    open.deviceType = port::kMciDevtypeCdAudio;
    if (std::uint32_t error = devices.MciSendCommand(0, port::kMciOpen, kOpenFlags, open)) {
        SwitchMciCdDriveBack(program, done);
        ShowMciError(program, "MCI_OPEN", open.deviceId, error, " (all MCI devices)");
        return false;
    }
    const std::uint32_t id = open.deviceId;
    const bool result = commands(id);
    port::MciParams close;
    if (std::uint32_t error = devices.MciSendCommand(id, port::kMciClose, port::kMciNotify, close))
        ShowMciError(program, "MCI_CLOSE", id, error);
    SwitchMciCdDriveBack(program, done);
    return result;
}

bool MciDoor(app::ProgramState& program, std::uint32_t type, const std::string& target, std::uint32_t flag,
             const char* what) {
    return MciSequence(program, type, target, [&](std::uint32_t id) {
        port::MciParams set;
        if (std::uint32_t error =
                program.os.devices.MciSendCommand(id, port::kMciSet, flag | port::kMciNotify, set)) {
            ShowMciError(program, what, id, error);
            return false;
        }
        return true;
    });
}

}  // namespace

int GetMciCdDrive(app::ProgramState& program) {
    port::RegValue value;
    if (!ReadDefault(program, value) || value.data.empty()) return 0;
    return value.data[0];
}

void SetMciCdDrive(app::ProgramState& program, int index) {
    port::RegValue value;
    value.type = port::kRegBinary;
    value.data = {static_cast<std::uint8_t>(index), 0, 0, 0};
    program.os.registry.SetValue(RegRoot::LocalMachine, kMciCdAudioKey, "Default Drive", value);
}

MciDriveSwitch SwitchMciCdDrive(app::ProgramState& program, std::uint32_t type, const std::string& target) {
    MciDriveSwitch done;
    if (type != port::kMciDevtypeCdAudio || target.empty()) return done;
    const std::string& letters = program.CdromLetters;
    const size_t wanted =
        letters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(target[0]))));
    if (wanted == std::string::npos) return done;
    done.ok = true;
    const size_t current = static_cast<size_t>(GetMciCdDrive(program));
    if (current == wanted) {
        done.back = target;
        return done;
    }
    if (current < letters.size()) {
        done.back = std::string(1, letters[current]) + ":";
    } else {
        // A position past the CD-ROM letters names no drive; it goes back byte for byte.
        done.rawBack = true;
        done.hadValue = ReadDefault(program, done.raw);
    }
    SetMciCdDrive(program, static_cast<int>(wanted));
    done.changed = true;
    return done;
}

void SwitchMciCdDriveBack(app::ProgramState& program, const MciDriveSwitch& done) {
    if (!done.ok || !done.changed) return;
    if (done.rawBack) {
        if (done.hadValue) {
            program.os.registry.SetValue(RegRoot::LocalMachine, kMciCdAudioKey, "Default Drive", done.raw);
        } else {
            program.os.registry.DeleteValue(RegRoot::LocalMachine, kMciCdAudioKey, "Default Drive");
        }
        return;
    }
    SwitchMciCdDrive(program, port::kMciDevtypeCdAudio, done.back);
}

bool MciDoorOpen(app::ProgramState& program, std::uint32_t type, const std::string& target) {
    return MciDoor(program, type, target, port::kMciSetDoorOpen, "MCI_SET_DOOR_OPEN");
}

bool MciDoorClosed(app::ProgramState& program, std::uint32_t type, const std::string& target) {
    return MciDoor(program, type, target, port::kMciSetDoorClosed, "MCI_SET_DOOR_CLOSED");
}

void MciMediaStatus(app::ProgramState& program, std::uint32_t type, const std::string& target) {
    MciSequence(program, type, target, [&](std::uint32_t id) {
        // Drivers may put a resource id into the high word of the answer.
        auto query = [&](std::uint32_t item, const char* what, bool& flag) {
            port::MciParams status;
            status.item = item;
            if (std::uint32_t error = program.os.devices.MciSendCommand(
                    id, port::kMciStatus, port::kMciStatusItem | port::kMciNotify, status)) {
                ShowMciError(program, what, id, error);
                return false;
            }
            flag = (status.returnValue & 0xFFFFu) == 0;
            return true;
        };
        const bool present =
            query(port::kMciStatusMediaPresent, "MCI_STATUS_MEDIA_PRESENT", program.MciNoMedium);
        const bool ready = query(port::kMciStatusReady, "MCI_STATUS_READY", program.MciNotReady);
        return present && ready;
    });
}

void RestoreMciCdDrive(app::ProgramState& program) {
    if (program.CdromLetters.empty() || program.SavedMciDrive.empty()) return;
    const char saved = static_cast<char>(std::toupper(static_cast<unsigned char>(program.SavedMciDrive[0])));
    if (CurrentDefaultLetter(program) != saved)
        SwitchMciCdDrive(program, port::kMciDevtypeCdAudio, program.SavedMciDrive);
}

}  // namespace devices
