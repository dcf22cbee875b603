#include "devices/scsi.h"

#include "app/program_state.h"
#include "lib/critical_errors.h"
#include "lib/messages.h"
#include "lib/text.h"

namespace devices {
namespace {

class OpenDevice {
  public:
    OpenDevice(port::DevicePort& devices, const std::string& path)
        : devices_(devices), handle_(devices.OpenDevice(path)) {}
    ~OpenDevice() {
        if (handle_ != port::kInvalidDevice) devices_.CloseDevice(handle_);
    }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;
    bool Valid() const { return handle_ != port::kInvalidDevice; }
    bool Send(std::uint32_t code) { return devices_.DeviceIoControl(handle_, code); }

  private:
    port::DevicePort& devices_;
    port::DeviceHandle handle_;
};

std::string DevicePath(const std::string& target) {
    return "\\\\.\\" + target;
}

bool IsTape(const std::string& path) {
    return lib::AsciiUpper(path).find("TAPE") != std::string::npos;
}

void ShowErrorOnMainThread(app::ProgramState& program, const std::string& text) {
    program.deviceJobs.RunForWorker([&program, &text] { lib::ShowError(program.os.dialogs, text); });
}

bool WindowsNtOnly(app::ProgramState& program, const char* name) {
    if (app::IsNT(program.osKind)) return true;
    ShowErrorOnMainThread(program, std::string("ERROR: \"") + name + "\" only works on Windows NT!");
    return false;
}

enum class Outcome { NotFound, Failed, Done };

// Opens the device, sends the code (twice for a tape when the first fails) and closes it.
Outcome Command(app::ProgramState& program, const std::string& path, std::uint32_t code, bool retryTape) {
    lib::FailCriticalErrors mode(program.os.devices);
    OpenDevice device(program.os.devices, path);
    if (!device.Valid()) return Outcome::NotFound;
    bool ok = device.Send(code);
    if (!ok && retryTape && IsTape(path)) ok = device.Send(code);
    return ok ? Outcome::Done : Outcome::Failed;
}

}  // namespace

bool EjectSCSI(app::ProgramState& program, const std::string& target) {
    if (!WindowsNtOnly(program, "EjectSCSI")) return false;
    const std::string path = DevicePath(target);
    switch (Command(program, path, port::kIoctlDiskEjectMedia, true)) {
        case Outcome::NotFound:
            ShowErrorOnMainThread(program, "ERROR: Device " + path + " not found!");
            return false;
        case Outcome::Failed:
            if (IsTape(path)) {
                ShowErrorOnMainThread(program, "ERROR: Cannot eject media in device: " + path +
                                                   "\r\rTape devices may need more than one call for eject.\r"
                                                   "Please contact the author, if your tape was not\rejected "
                                                   "and he will adapt this function to your\rtape device!");
            }
            return false;
        case Outcome::Done:
            return true;
    }
    return false;
}

bool LoadSCSI(app::ProgramState& program, const std::string& target) {
    if (!WindowsNtOnly(program, "LoadSCSI")) return false;
    const std::string path = DevicePath(target);
    const Outcome outcome = Command(program, path, port::kIoctlDiskLoadMedia, false);
    if (outcome == Outcome::NotFound) ShowErrorOnMainThread(program, "ERROR: Device " + path + " not found!");
    return outcome == Outcome::Done;
}

bool MediaPresentSCSI(app::ProgramState& program, const std::string& target) {
    if (!WindowsNtOnly(program, "MediaPresentSCSI")) return false;
    return Command(program, DevicePath(target), port::kIoctlDiskCheckVerify, true) == Outcome::Done;
}

}  // namespace devices
