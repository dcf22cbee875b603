// SaveSettings: the controls into the registry, in a fixed order that stops at the first write
// Windows refuses (the error box has named it; the later values keep what they held).
#include <charconv>
#include "app/form1.h"
#include "devices/drives.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/registry_access.h"
#include "settings/settings_store.h"

namespace settings {
namespace {

class Writer {
  public:
    explicit Writer(port::Platform& os) : os_(os) {}
    bool ok() const { return ok_; }

    void Bool(std::string_view section, std::string_view name, bool value) {
        if (ok_) ok_ = WriteBool(os_, RegRoot::CurrentUser, kUserBase, section, name, value);
    }
    void Int(std::string_view section, std::string_view name, int value) {
        if (ok_) ok_ = WriteInteger(os_, RegRoot::CurrentUser, kUserBase, section, name, value);
    }
    void String(std::string_view section, std::string_view name, std::string_view value) {
        if (ok_) ok_ = WriteString(os_, RegRoot::CurrentUser, kUserBase, section, name, value);
    }
    void MachineBool(std::string_view section, std::string_view name, bool value) {
        if (ok_) ok_ = WriteBool(os_, RegRoot::LocalMachine, kGlobalBase, section, name, value);
    }
    void Autostart(bool on) {
        if (!ok_) return;
        if (on) {
            ok_ = SetAutostart(os_);
        } else {
            ClearAutostart(os_);
        }
    }
    void NumberText(std::string_view path, std::string_view section, std::string_view name, int value) {
        if (ok_) ok_ = WriteNumberText(os_, path, section, name, value);
    }
    void DeviceTable(app::TForm1& form) {
        if (ok_) ok_ = devices::SaveDeviceTable(form);
    }
    void ProgramString(std::string_view section, std::string_view name, std::string_view value) {
        if (ok_) ok_ = WriteString(os_, RegRoot::CurrentUser, kProgramKey, section, name, value);
    }

  private:
    port::Platform& os_;
    bool ok_ = true;
};

// The number a field shows; 0 when it shows none.
int NumberOf(const std::string& text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

std::string FieldValue(const std::string& text) {
    return text.empty() ? std::string("*") : text;
}

}  // namespace

void SaveSettings(app::TForm1& form) {
    const app::OsKind kind = form.program.osKind;
    form.WindowTop = form.Top();
    form.WindowLeft = form.Left();
    Writer w(form.os());

    w.Int("Objects", "ComboBox1", form.ComboBox1.ItemIndex());
    w.Int("Guards", "ComboBox2", form.ComboBox2.ItemIndex());
    w.Bool("Objects", "LockedStatus", form.SpeedButton6.Down());
    // A disabled window is in the middle of something that may have hidden the bars.
    if (form.Enabled()) {
        w.Bool("Objects", "StatusBar1", form.StatusBar1.Visible());
        w.Bool("Objects", "StatusBar2", form.StatusBar2.Visible());
    }
    w.Int("Window", "Top", form.WindowTop);
    w.Int("Window", "Left", form.WindowLeft);

    w.Autostart(form.CheckBox10.Checked());
    w.NumberText(kProgramKey, kLocalUserSection, "Systray", form.CheckBox10.Checked() ? 1 : 0);

    w.Bool("Controls", "Animation", form.CheckBox11.Checked());
    w.Int("Controls", "AniSpeed", form.TrackBar2.Position());
    w.Bool("Controls", "Center", form.CheckBox1.Checked());
    w.Bool("Controls", "WinAni", form.CheckBox14.Checked());
    w.Bool("Controls", "Hints", form.CheckBox3.Checked());
    w.Bool("Controls", "InvisibleWindow", form.CheckBox2.Checked());
    w.Bool("Controls", "AskBeforeEject", form.CheckBox19.Checked());
    w.Bool("Controls", "InfoBeforeRetract", form.CheckBox18.Checked());
    w.Bool("Controls", "EnableLogging", form.CheckBox20.Checked());
    w.Bool("Controls", "RVLNLog", form.RadioButton3.Checked());
    w.Int("Controls", "LogSize", form.SpinEdit3.Value());
    w.Bool("Controls", "BeeperEnabled", form.CheckBox24.Checked());
    w.Int("Controls", "BeeperValue", form.SpinEdit4.Value());
    w.Bool("Controls", "FlashEnabled", form.CheckBox25.Checked());

    w.Bool("HotKeys", "AutoRemap ShutDown HotKey", form.CheckBox21.Checked());
    w.Bool("HotKeys", "AutoRemap Device HotKeys", form.CheckBox22.Checked());
    w.Bool("HotKeys", "AutoRemap AllIfInsert HotKey", form.CheckBox23.Checked());
    w.Int("HotKeys", "User ShutDown HotKey Selection", form.ComboBox3.ItemIndex());
    w.Int("HotKeys", "User Device HotKeys Selection", form.ComboBox4.ItemIndex());
    w.Int("HotKeys", "User AllIfInsert HotKey Selection", form.ComboBox5.ItemIndex());

    w.Bool("Timer1", "Enabled", form.CheckBox4.Checked());
    w.Bool("Timer1", "StartUp", form.CheckBox12.Checked());
    w.Bool("Timer1", "Radio1", form.RadioButton1.Checked());
    w.Int("Timer1", "UpDown1", form.UpDown2.Position());
    w.Int("Timer1", "UpDown2", form.UpDown3.Position());
    w.Int("Timer1", "UpDown3", form.UpDown4.Position());
    w.Int("Timer1", "Edit1", NumberOf(form.Edit2.Text()));

    w.Bool("Guards", "Run", form.CheckBox5.Checked());
    w.Bool("Guards", "Warning", form.CheckBox13.Checked());
    w.Bool("Guards", "Init", form.CheckBox6.Checked());
    w.Bool("Guards", "SysHotKeys", form.SysHotKeys);
    w.Int("Guards", "Sleep", NumberOf(form.Label10.Caption()));
    w.String("Guards", "Edit2", FieldValue(form.Edit1.Text()));
    w.String("Guards", "EmptyDirList", FieldValue(form.Edit4.Text()));

    if (app::IsWin9x(kind)) {
        w.MachineBool("Logos", "StartUp", form.CheckBox7.Checked());
        w.MachineBool("Logos", "First_ShutDown", form.CheckBox8.Checked());
        w.MachineBool("Logos", "Second_ShutDown", form.CheckBox9.Checked());
    }
    if (kind == app::osWin98) {
        w.MachineBool("98_Features", "AutoScan", form.CheckBox26.Checked());
        w.MachineBool("98_Features", "FastReboot", form.CheckBox27.Checked());
    }

    w.Bool("CPanel", "Global", form.CheckBox15.Checked());
    w.String("ExternalPrograms", "TextViewer", form.TextViewer);
    w.String("ExternalPrograms", "DirectoryViewer", form.DirectoryViewer);

    w.DeviceTable(form);

    std::string dir = form.program.ProgramDir();
    if (!dir.empty() && dir.back() == '\\') dir.pop_back();
    w.ProgramString(kIdSection, "Uninstall", dir);
}

}  // namespace settings
