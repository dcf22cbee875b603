#include "devices/medium.h"

#include "app/program_state.h"
#include "devices/device_table.h"
#include "devices/mci.h"
#include "devices/scsi.h"
#include "ui/controls.h"

namespace devices {
namespace {

bool MediumPresent(app::ProgramState& program, const std::string& name) {
    const std::string target = DeviceTarget(name);
    if (app::IsNT(program.osKind)) return MediaPresentSCSI(program, target);
    MciMediaStatus(program, port::kMciDevtypeCdAudio, target);
    return !program.MciNoMedium;
}

}  // namespace

bool MediumInserted(app::ProgramState& program, const std::string& name) {
    const int index = FindDevice(program.DeviceTable, name);
    if (GetDeviceField(program.DeviceTable, index, kFieldState) == kStateNotUsed) return false;
    return MediumPresent(program, name);
}

bool CheckMediumAndShowLed(DeviceView& view, const std::string& name) {
    const bool medium = MediumPresent(view.program, name);
    if (view.DevicePageShown()) ShowLed(view, medium);
    return medium;
}

void ShowLed(DeviceView& view, bool green) {
    view.Image2.SetVisible(green);
    view.Image1.SetVisible(!green);
}

}  // namespace devices
