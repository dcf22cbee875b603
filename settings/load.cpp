// LoadSettings: the registry into the controls, once at start-up.
#include "app/form1.h"
#include "app/dirs_view.h"
#include "devices/drives.h"
#include "app/method_list.h"
#include "hotkeys/hotkeys_page.h"
#include "dirs/dirs_page.h"
#include "lib/text.h"
#include "lib/viewers.h"
#include "settings/autostart.h"
#include "settings/clamp.h"
#include "settings/keys.h"
#include "settings/registry_access.h"
#include "settings/settings_store.h"
#include "tray/tray_window.h"

namespace settings {
namespace {

// The per-user values, each with the default the caller gives.
class UserReader {
  public:
    explicit UserReader(port::RegistryPort& reg) : reg_(reg) {}
    bool Bool(std::string_view section, std::string_view name, bool def) {
        return ReadBool(reg_, RegRoot::CurrentUser, kUserBase, section, name, def);
    }
    int Int(std::string_view section, std::string_view name, int def) {
        return ReadInteger(reg_, RegRoot::CurrentUser, kUserBase, section, name, def);
    }
    // Integers outside min..max read as def.
    int Int(std::string_view section, std::string_view name, int def, int min, int max) {
        const int value = Int(section, name, def);
        return value >= min && value <= max ? value : def;
    }
    std::string String(std::string_view section, std::string_view name, std::string_view def) {
        return ReadString(reg_, RegRoot::CurrentUser, kUserBase, section, name, def);
    }

  private:
    port::RegistryPort& reg_;
};

class LoadingFlag {
  public:
    explicit LoadingFlag(app::TForm1& form) : form_(form) { form_.LoadingSettings = true; }
    ~LoadingFlag() { form_.LoadingSettings = false; }
    LoadingFlag(const LoadingFlag&) = delete;
    LoadingFlag& operator=(const LoadingFlag&) = delete;

  private:
    app::TForm1& form_;
};

// The hours, minutes and seconds labels write 0 as "00".
std::string TimeText(int value) {
    return value == 0 ? "00" : std::to_string(value);
}

// "*" stands for an empty field, so that the value is never an empty string.
std::string FieldText(const std::string& stored) {
    return stored == "*" ? std::string() : stored;
}

// A viewer of the user's own is kept only while it exists; the Windows one is the fallback.
void LoadViewer(app::TForm1& form, UserReader& r, std::string_view name, std::string_view builtIn,
                std::string& viewer) {
    viewer = lib::ChooseViewer(form.os().files, r.String("ExternalPrograms", name, builtIn), builtIn);
}

void LoadMethodList(app::TForm1& form, UserReader& r) {
    const int fallback = app::DefaultMethodIndex(form.program.osKind);
    const int stored = r.Int("Objects", "ComboBox1", fallback);
    const int count = static_cast<int>(form.ComboBox1.Items().size());
    form.ComboBox1.SetItemIndex(stored >= 0 && stored < count ? stored : fallback);
}

void LoadTimer(app::TForm1& form, UserReader& r) {
    form.CheckBox25.SetChecked(r.Bool("Controls", "FlashEnabled", true));
    form.CheckBox24.SetChecked(r.Bool("Controls", "BeeperEnabled", false));
    form.CheckBox4.SetChecked(r.Bool("Timer1", "Enabled", false));
    form.CheckBox12.SetEnabled(form.CheckBox4.Checked());
    form.Hide1.caption = "&Show";
    form.Edit2.SetText(std::to_string(r.Int("Timer1", "Edit1", 60, 1, 99'999'998)));
    if (r.Bool("Timer1", "Radio1", false)) {
        form.RadioButton1.SetChecked(true);
    } else {
        form.RadioButton2.SetChecked(true);
    }
    struct TimeField {
        const char* name;
        ui::UpDown& upDown;
        ui::Label& label;
        int max;
    };
    for (TimeField field : {TimeField{"UpDown1", form.UpDown2, form.Label5, 23},
                            TimeField{"UpDown2", form.UpDown3, form.Label6, 59},
                            TimeField{"UpDown3", form.UpDown4, form.Label7, 59}}) {
        const int value = r.Int("Timer1", field.name, -1);
        if (value < 0 || value > field.max) continue;
        field.upDown.SetPosition(value);
        field.label.SetCaption(TimeText(value));
    }
}

void LoadWindowPlace(app::TForm1& form, UserReader& r) {
    form.CheckBox1.SetChecked(r.Bool("Controls", "Center", true));
    if (form.CheckBox1.Checked()) return;
    WindowPlace place{r.Int("Window", "Top", form.CentredTop()), r.Int("Window", "Left", form.CentredLeft())};
    place = ClampToScreen(form.os().system, form, place);
    form.WindowTop = place.top;
    form.WindowLeft = place.left;
}

void LoadHints(app::TForm1& form, UserReader& r) {
    form.CheckBox3.SetChecked(r.Bool("Controls", "Hints", true));
    // The switch's handler runs only on a change; the controls follow it either way.
    form.CheckBox3Click();
}

// The tray options need Explorer's shell and its tray: Windows NT 4, 95 and 98.
void LoadTrayOptions(app::TForm1& form, UserReader& r) {
    const app::OsKind kind = form.program.osKind;
    if (kind != app::osNT4 && !app::IsWin9x(kind)) {
        for (ui::CheckBox* tray : {&form.CheckBox10, &form.CheckBox11}) {
            tray->SetChecked(false);
            tray->SetEnabled(false);
        }
        form.GroupTray.SetVisible(false);
        return;
    }
    form.CheckBox14.SetChecked(r.Bool("Controls", "WinAni", true));
    // Any other number leaves the option as it is.
    const int systray = ReadNumberText(form.os().registry, kProgramKey, kLocalUserSection, "Systray", 0);
    if (systray == 1) {
        tray::FindTrayFrames(form);
        form.XKTrayIcon951.SetState(tray::tsEnabled);
        SetAutostart(form.os());
        form.CheckBox10.SetChecked(true);
    } else if (systray == 0) {
        ClearAutostart(form.os());
        form.CheckBox10.SetChecked(false);
    }
    form.CheckBox11.SetChecked(r.Bool("Controls", "Animation", true));
    if (kind == app::osNT4) {
        form.CheckBox15.SetChecked(r.Bool("CPanel", "Global", false));
        form.CheckBox15.SetEnabled(true);
    }
    const int speed = r.Int("Controls", "AniSpeed", 180, 1, 2000);
    form.TrackBar2.SetPosition(speed);
    form.Label12.SetCaption(std::to_string(speed));
}

void LoadStartUp(app::TForm1& form, UserReader& r) {
    // A declined start-up warning stores StartUp as the string "0", which reads as off.
    if (form.CheckBox12.Enabled()) form.CheckBox12.SetChecked(r.Bool("Timer1", "StartUp", false));
    const bool shell = app::HasShell(form.program.osKind);
    const bool canStartHidden = shell && form.CheckBox4.Checked() && form.CheckBox4.Enabled() &&
                                form.CheckBox12.Checked() && form.CheckBox12.Enabled();
    if (canStartHidden) form.CheckBox2.SetEnabled(true);
    const bool invisible = r.Bool("Controls", "InvisibleWindow", true);
    if (invisible && shell) {
        form.TimerWindow1.enabled = true;
    } else if (!invisible && canStartHidden) {
        form.Hide1.checked = false;
        form.Hide1.caption = "&Hide";
    }
    form.CheckBox2.SetChecked(invisible && shell);
}

void LoadWatchdogs(app::TForm1& form, UserReader& r) {
    form.Edit1.SetText(FieldText(r.String("Guards", "Edit2", "*")));
    form.Edit4.SetText(FieldText(r.String("Guards", "EmptyDirList", "*")));
    form.ComboBox2.SetItemIndex(
        r.Int("Guards", "ComboBox2", 0, 0, static_cast<int>(form.ComboBox2.Items().size()) - 1));
    form.CheckBox5.SetChecked(r.Bool("Guards", "Run", false));
    form.CheckBox13.SetChecked(r.Bool("Guards", "Warning", false));
    // The delay counts only without the warning.
    const int sleep = form.CheckBox13.Checked() ? r.Int("Guards", "Sleep", 0, 0, 65'535) : 0;
    form.UpDown1.SetPosition(sleep - 32'768);
    form.Label10.SetCaption(TimeText(sleep));
    form.CheckBox6.SetChecked(r.Bool("Guards", "Init", false));
}

// The start-up and shutdown logos and the Windows 98 boot options are the machine's.
void LoadSystemOptions(app::TForm1& form) {
    const app::OsKind kind = form.program.osKind;
    port::RegistryPort& reg = form.os().registry;
    if (!app::IsWin9x(kind)) {
        for (ui::CheckBox* logo : {&form.CheckBox7, &form.CheckBox8, &form.CheckBox9}) {
            logo->SetChecked(false);
            logo->SetEnabled(false);
        }
        return;
    }
    const RegRoot machine = RegRoot::LocalMachine;
    form.CheckBox7.SetChecked(ReadBool(reg, machine, kGlobalBase, "Logos", "StartUp", false));
    form.CheckBox8.SetChecked(ReadBool(reg, machine, kGlobalBase, "Logos", "First_ShutDown", false));
    form.CheckBox9.SetChecked(ReadBool(reg, machine, kGlobalBase, "Logos", "Second_ShutDown", false));
    if (kind != app::osWin98) return;
    form.CheckBox26.SetChecked(ReadBool(reg, machine, kGlobalBase, "98_Features", "AutoScan", false));
    form.CheckBox27.SetChecked(ReadBool(reg, machine, kGlobalBase, "98_Features", "FastReboot", false));
}

void LoadStatusBars(app::TForm1& form, UserReader& r) {
    form.SpeedButton6.SetDown(r.Bool("Objects", "LockedStatus", true));
    form.SetStatusBarShown(form.StatusBar2, r.Bool("Objects", "StatusBar2", true));
    form.SetStatusBarShown(form.StatusBar1, r.Bool("Objects", "StatusBar1", true));
}

void ShowEmptyConfirmStatus(app::TForm1& form) {
    form.StatusBar2.SetPanelText(0, "Empty");
    form.StatusBar2.SetPanelText(1, form.CheckBox16.Checked() ? "Confirmation" : "NO CONFIRM!");
}

void LoadTasksAndLog(app::TForm1& form, UserReader& r) {
    // Stored the other way round: true means no confirmation.
    form.CheckBox16.SetChecked(!r.Bool("Controls", "EmptyConfirm", false));
    ShowEmptyConfirmStatus(form);
    form.CheckBox19.SetChecked(r.Bool("Controls", "AskBeforeEject", false));
    form.CheckBox18.SetChecked(r.Bool("Controls", "InfoBeforeRetract", true));
    form.CheckBox20.SetChecked(r.Bool("Controls", "EnableLogging", true));
    if (form.CheckBox20.Checked()) {
        // Windows 95/98 have no event log to write to.
        const bool ownFile = app::IsWin9x(form.program.osKind) || r.Bool("Controls", "RVLNLog", true);
        (ownFile ? form.RadioButton3 : form.RadioButton4).SetChecked(true);
    }
    form.SysHotKeys = r.Bool("Guards", "SysHotKeys", true);
    const int logSize = r.Int("Controls", "LogSize", -1);
    if (logSize >= form.SpinEdit3.minValue && logSize <= form.SpinEdit3.maxValue)
        form.SpinEdit3.SetValue(logSize);
    LoadViewer(form, r, "TextViewer", lib::kTextViewer, form.TextViewer);
    LoadViewer(form, r, "DirectoryViewer", lib::kDirectoryViewer, form.DirectoryViewer);
}

void LoadHotkeys(app::TForm1& form, UserReader& r) {
    form.CheckBox21.SetChecked(r.Bool("HotKeys", "AutoRemap ShutDown HotKey", true));
    form.CheckBox22.SetChecked(r.Bool("HotKeys", "AutoRemap Device HotKeys", true));
    form.CheckBox23.SetChecked(r.Bool("HotKeys", "AutoRemap AllIfInsert HotKey", true));
    form.ComboBox3.SetItemIndex(r.Int("HotKeys", "User ShutDown HotKey Selection", 3, 0, 35));
    form.ComboBox4.SetItemIndex(r.Int("HotKeys", "User Device HotKeys Selection", 0, 0, 4));
    form.ComboBox5.SetItemIndex(r.Int("HotKeys", "User AllIfInsert HotKey Selection", 0, 0,
                                      static_cast<int>(form.ComboBox5.Items().size()) - 1));
}

}  // namespace

void LoadSettings(app::TForm1& form) {
    LoadingFlag loading(form);
    UserReader r(form.os().registry);
    LoadMethodList(form, r);
    LoadTimer(form, r);
    LoadWindowPlace(form, r);
    LoadHints(form, r);
    LoadTrayOptions(form, r);
    LoadStartUp(form, r);
    LoadWatchdogs(form, r);
    LoadSystemOptions(form);
    LoadStatusBars(form, r);
    LoadTasksAndLog(form, r);
    LoadHotkeys(form, r);
    form.SpinEdit4.SetValue(r.Int("Controls", "BeeperValue", 20, 1, 59));
    devices::LoadDeviceTable(form);
    hotkeys::UpdateDeviceHotkeyControls(form.Hotkeys());
    dirs::DirsView view = app::MakeDirsView(form);
    dirs::NormalizeDirList(view);
}

}  // namespace settings
