#pragma once
// The machine's CD-ROM, removable and SCSI tape devices, and the main window's entry points into
// the device code.
#include <string>
#include <vector>

namespace app {
class TForm1;
struct ProgramState;
}  // namespace app

namespace devices {

// CdromLetters and RemovableLetters: the letters of the drives of each type, in drive order.
void ListCdromAndRemovableDrives(app::ProgramState& program);
// The DeviceName of every "TapePeripheral" unit 0 of the NT SCSI device map (port, then bus,
// then target 0-6), at most seven; none outside Windows NT.
void ListScsiTapes(app::ProgramState& program);
// Fills CdromLetters, RemovableLetters and ScsiTapeNames.
void DetectDrives(app::ProgramState& program);
// The default CD audio drive of the multimedia settings, as "E:", or empty.
std::string ReadSavedMciDrive(app::ProgramState& program);

// The device menus, the device workers and the CD audio default are kept here.
void RefreshDeviceMenus(app::TForm1& form);
// The notebook's device list follows the device table each time its page opens.
void RefreshDeviceList(app::TForm1& form);
void WaitForDevices(app::TForm1& form);
// Opens the door of one device (target, device index) on a worker thread.
void StartDeviceJob(app::TForm1& form, const std::string& target, int index);
void RestoreMciCdDrive(app::TForm1& form);
void ReleaseDevices(app::TForm1& form);
// Ejects every device marked for it that holds a medium; returns when its workers have ended.
void EjectAllIfInserted(app::TForm1& form);

// The device page's and the prompt options' handlers; once, before the settings load.
void BindDevices(app::TForm1& form);
// Settings: the stored table into the table and the list, and back.
void LoadDeviceTable(app::TForm1& form);
bool SaveDeviceTable(app::TForm1& form);
// "&Default": the table registered afresh from detection, once no device work runs.
void ResetDeviceTable(app::TForm1& form);
// "Ca&ncel": the records of the snapshot back, once no device work runs.
void RestoreDeviceRecords(app::TForm1& form, const std::vector<std::string>& records);

}  // namespace devices
