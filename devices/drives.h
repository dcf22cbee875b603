#pragma once
// The machine's CD-ROM and removable drives, and the devices registered for eject and retract.
#include <string>

namespace app {
class TForm1;
struct ProgramState;
}  // namespace app

namespace devices {

// Letters of the drives of one type, in drive order.
std::string ListDrivesOfType(app::ProgramState& program, unsigned driveType);
// Fills CdromLetters and RemovableLetters (and will list the NT tape devices).
void DetectDrives(app::ProgramState& program);
// The default CD audio drive of the multimedia settings, as "E:", or empty.
std::string ReadSavedMciDrive(app::ProgramState& program);

// The device menus, the device workers and the CD audio default are kept here.
void RefreshDeviceMenus(app::TForm1& form);
// The notebook's device list follows the device table each time its page opens.
void RefreshDeviceList(app::TForm1& form);
void WaitForDevices(app::TForm1& form);
void RestoreMciCdDrive(app::TForm1& form);
void ReleaseDevices(app::TForm1& form);
// Ejects every device marked for it that holds a medium; returns when its workers have ended.
void EjectAllIfInserted(app::TForm1& form);

}  // namespace devices
