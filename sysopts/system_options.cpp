#include "sysopts/system_options.h"

#include "lib/messages.h"
#include "lib/registry_values.h"
#include "lib/text.h"
#include "settings/registry_access.h"
#include "sysopts/msdos_sys.h"
#include "sysopts/splash_screens.h"
#include "sysopts/start_menu.h"

namespace sysopts {
namespace {

constexpr const char* kShutdownKey = "System\\CurrentControlSet\\control\\Shutdown";

// Start-up applies the switches without reporting what is missing; so do the stored ticks
// while the settings load. A cleared switch adds no line: Windows shows the logo and asks before
// ScanDisk when the line is missing.
void ApplyLogo(const SystemOptionsView& v, bool quiet) {
    SetMsdosSysOption(v.os, "Logo", v.CheckBox7.Checked() ? "0" : "1", v.CheckBox7.Checked(), quiet);
    v.StatusBar1.SetPanelText(4, v.CheckBox7.Checked() ? "" : "LS");
}

void ApplyFirstShutdownLogo(const SystemOptionsView& v, bool quiet) {
    SetSplashScreen(v.os, "LOGOW.SYS", v.CheckBox8.Checked(), quiet);
    v.StatusBar1.SetPanelText(5, v.CheckBox8.Checked() ? "" : "L1");
}

void ApplySecondShutdownLogo(const SystemOptionsView& v, bool quiet) {
    SetSplashScreen(v.os, "LOGOS.SYS", v.CheckBox9.Checked(), quiet);
    v.StatusBar1.SetPanelText(6, v.CheckBox9.Checked() ? "" : "L2");
}

void ApplyAutoScan(const SystemOptionsView& v, bool quiet) {
    SetMsdosSysOption(v.os, "AutoScan", v.CheckBox26.Checked() ? "0" : "1", v.CheckBox26.Checked(), quiet);
}

// "&private" counts on Windows NT 4 only; elsewhere there is one Start menu.
std::string StartMenuOf(const SystemOptionsView& v) {
    return StartMenuFolder(v.os, v.kind, v.kind == app::osNT4 && v.CheckBox15.Checked());
}

}  // namespace

void SetFastReboot(port::Platform& os, bool disable) {
    const char* wanted = disable ? "0" : "1";
    port::RegistryPort& reg = os.registry;
    const port::RegRoot machine = port::RegRoot::LocalMachine;
    port::RegValue current;
    const bool exists = reg.QueryValue(machine, kShutdownKey, "FastReboot", current) == 0;
    if (exists && current.type == port::kRegSz && settings::StringData(current) == wanted) return;
    // Without the value Windows 98 reboots fast already.
    if (!exists && !disable) return;

    // The value Windows had before the program first changed it, kept as it was stored.
    port::RegValue original;
    if (reg.QueryValue(machine, kShutdownKey, "original_FastReboot", original) != 0)
        reg.SetValue(machine, kShutdownKey, "original_FastReboot", exists ? current : lib::StringValue(""));
    reg.SetValue(machine, kShutdownKey, "FastReboot", lib::StringValue(wanted));
}

void CheckBox7Click(const SystemOptionsView& v) {
    if (app::IsWin9x(v.kind)) ApplyLogo(v, v.loadingSettings);
}

void CheckBox8Click(const SystemOptionsView& v) {
    if (app::IsWin9x(v.kind)) ApplyFirstShutdownLogo(v, v.loadingSettings);
}

void CheckBox9Click(const SystemOptionsView& v) {
    if (app::IsWin9x(v.kind)) ApplySecondShutdownLogo(v, v.loadingSettings);
}

void CheckBox26Click(const SystemOptionsView& v) {
    if (v.kind == app::osWin98) ApplyAutoScan(v, v.loadingSettings);
}

void CheckBox27Click(const SystemOptionsView& v) {
    if (v.kind == app::osWin98) SetFastReboot(v.os, v.CheckBox27.Checked());
}

void ApplySystemOptions(const SystemOptionsView& v) {
    if (!app::IsWin9x(v.kind)) return;
    ApplyLogo(v, true);
    ApplyFirstShutdownLogo(v, true);
    ApplySecondShutdownLogo(v, true);
    if (v.kind != app::osWin98) return;
    ApplyAutoScan(v, true);
    SetFastReboot(v.os, v.CheckBox27.Checked());
}

void Button6Click(const SystemOptionsView& v) {
    if (v.Edit3.Text().empty()) {
        v.Edit3.SetText("Control Panel");
        v.os.loop.ProcessMessages();
    }
    const std::string name = v.Edit3.Text();
    if (lib::AsciiUpper(name).find("PROGRAM") != std::string::npos) {
        lib::ShowError(v.os.dialogs, "This name is not allowed!\rChoose another one.");
    } else if (!CreateControlPanelCopy(v.os, StartMenuOf(v), name)) {
        lib::ShowError(v.os.dialogs,
                       "ERROR: Could not create the Control Panel folder!\r\r"
                       "The name is already in the menu or you have a\r"
                       "Windows\xC2\xAE language version, that is not supported\r"
                       "with this function, or there is an error on your\r"
                       "harddisk!?\r"
                       "The alternative name has to be a valid folder\r"
                       "name for your operating system (max. 255 chars)\r"
                       "which not already exists in the Start menu!");
    }
    v.Edit3.SetFocus();
}

void Button7Click(const SystemOptionsView& v) {
    const std::string question = v.CheckBox15.Checked()
                                     ? "This will remove all instances\rof the Control Panel from your\r"
                                       "private Start Menu!\r\rAre you sure?"
                                     : "This will remove all instances\rof the Control Panel from the\r"
                                       "global Start Menu!\r\rAre you sure?";
    if (!lib::Confirm(v.os.dialogs, question)) return;
    RemoveControlPanelCopies(v.os, StartMenuOf(v));
}

void BindSystemOptions(const SystemOptionsView& view) {
    const SystemOptionsView v = view;
    v.CheckBox7.OnClick = [v] { CheckBox7Click(v); };
    v.CheckBox8.OnClick = [v] { CheckBox8Click(v); };
    v.CheckBox9.OnClick = [v] { CheckBox9Click(v); };
    v.CheckBox26.OnClick = [v] { CheckBox26Click(v); };
    v.CheckBox27.OnClick = [v] { CheckBox27Click(v); };
    v.Button6.OnClick = [v] { Button6Click(v); };
    v.Button7.OnClick = [v] { Button7Click(v); };
}

}  // namespace sysopts
