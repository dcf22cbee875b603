#include "app/dirs_view.h"

#include "app/form1.h"

namespace app {

dirs::DirsView MakeDirsView(TForm1& f) {
    return dirs::DirsView{f.program,
                          f,
                          f.Edit4,
                          f.ComboBox2,
                          f.CheckBox16,
                          f.StatusBar2,
                          f.GroupEmptyDirs,
                          f.GroupTasks,
                          f.SpeedButton7,
                          f.SpeedButton3,
                          f.SpeedButton4,
                          f.BitBtn1,
                          f.Exit1,
                          f.DirectoryViewer,
                          f.LoadingSettings,
                          f.CheckBox14,
                          f.CheckBox3,
                          f.CheckBox19,
                          f.CheckBox18,
                          f.XKTrayIcon951.ActiveFlag(),
                          f.MainWindowAway,
                          f.DeviceOperationRunning,
                          f.AskOrEmptyDialogVisible};
}

}  // namespace app
