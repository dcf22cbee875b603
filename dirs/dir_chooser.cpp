#include "dirs/dir_chooser.h"

#include <algorithm>
#include <cctype>

#include "app/program_state.h"
#include "dirs/dir_list.h"
#include "dirs/dirs_page.h"
#include "lib/messages.h"
#include "lib/text.h"
#include "settings/clamp.h"
#include "settings/keys.h"
#include "settings/registry_access.h"
#include "shutdown/launch_file.h"
#include "ui/pictures.h"

namespace dirs {
namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;
// The window has one help topic; any context makes F1 and the caption's "?" reach OnHelp.
constexpr int kWindowHelp = 1;
constexpr int kStatusHeight = 19;
constexpr int kPanelHeight = 27;

std::string RootOf(char letter) {
    return std::string(1, letter) + ":\\";
}

}  // namespace

TForm5::TForm5(DirsView& view)
    : ui::Form("TForm5"),
      Panel1(this, "Panel1"),
      DriveComboBox1(&Panel1, "DriveComboBox1"),
      DirectoryOutline1(this, "DirectoryOutline1"),
      StatusBar1(this, "StatusBar1"),
      PopupMenu1("PopupMenu1"),
      Exit1(&PopupMenu1, "Exit1", "E&xit", ui::Ctrl('X')),
      N1(&PopupMenu1, "N1", "-"),
      CancelCollapse1(&PopupMenu1, "CancelCollapse1", "&Cancel / Collapse"),
      SelectThis1(&PopupMenu1, "SelectThis1", "&Select this", ui::Ctrl('S')),
      Show1(&PopupMenu1, "Show1", "Sho&w...", ui::Ctrl('W')),
      N2(&PopupMenu1, "N2", "-"),
      Help1(&PopupMenu1, "Help1", "&Help", ui::Ctrl('H')),
      view_(view) {
    SetCaption("Choose Directory:");
    borderStyle = ui::BorderStyle::Sizeable;
    minimizeBox = false;
    helpButton = true;
    SetClientSize(362 - 8, 400 - 27);
    Panel1.SetAlign(ui::Align::Top);
    Panel1.SetHeight(kPanelHeight);
    // The drive list follows the panel's width.
    DriveComboBox1.SetAlign(ui::Align::Top);
    StatusBar1.SetAlign(ui::Align::Bottom);
    StatusBar1.SetHeight(kStatusHeight);
    StatusBar1.SetPanelWidths({50});
    DirectoryOutline1.SetAlign(ui::Align::Client);
    CancelCollapse1.isDefault = true;
    contextMenu = &PopupMenu1;
    AddShortCutMenu(&PopupMenu1);

    DriveComboBox1.OnChange = [this] {
        const int index = DriveComboBox1.ItemIndex();
        if (index >= 0 && index < static_cast<int>(letters_.size())) SetDrive(letters_[index]);
    };
    DirectoryOutline1.OnExpanding = [this](int node) { ReadChildren(node); };
    DirectoryOutline1.OnExpanded = [this](int node) {
        if (!activating_ && DirectoryOutline1.At(node).children.empty()) PopupAtCursor();
    };
    DirectoryOutline1.OnDblClick = [this] {
        const int node = DirectoryOutline1.Selected();
        if (DirectoryOutline1.Valid(node) && DirectoryOutline1.At(node).expanded) PopupAtCursor();
    };
    SelectThis1.OnClick = [this] {
        chosen = CurrentDirectory();
        SetModalResult(kOk);
    };
    CancelCollapse1.OnClick = [this] { chosen.clear(); };
    Exit1.OnClick = [this] {
        chosen.clear();
        SetModalResult(kCancel);
    };
    Show1.OnClick = [this] {
        shutdown::LaunchFile(view_.program.os, view_.DirectoryViewer, CurrentDirectory(), "open",
                             port::kSwShowNormal);
        view_.program.application.ProcessMessages();
    };
    Help1.OnClick = [this] {
        view_.program.os.feedback.WinHelp(view_.program.application.helpFile, port::kHelpKey, 0,
                                          "add_directory");
    };
    SetHelpContext(kWindowHelp);
    OnHelp = [this](int) { Help1.Click(); };
    OnActivate = [this] {
        activating_ = true;
        DirectoryOutline1.Expand(DirectoryOutline1.Selected());
        activating_ = false;
    };
    OnPaint = [this] {
        if (DirectoryOutline1.CanFocus()) DirectoryOutline1.SetFocus();
    };
    // Only "&Select this" chooses: any other way out leaves nothing chosen.
    OnClose = [this](ui::CloseAction& action) {
        action = ui::CloseAction::Hide;
        if (ModalResult() != kOk) chosen.clear();
    };
    FillDrives();
}

std::string TForm5::DriveEntry(port::DevicePort& devices, char letter) {
    const std::string root = RootOf(letter);
    const std::string name(1, static_cast<char>(std::tolower(static_cast<unsigned char>(letter))));
    const std::uint32_t type = devices.GetDriveType(root);
    if (type == port::kDriveRemovable) return name + ":";
    auto labelled = [&] {
        port::VolumeInfo info;
        const std::uint32_t old = devices.SetErrorMode(port::kSemFailCriticalErrors);
        const bool ok = devices.GetVolumeInformation(root, info);
        devices.SetErrorMode(old);
        return name + ": [" + (ok ? info.label : std::string()) + "]";
    };
    if (type == port::kDriveRemote) {
        std::string remote;
        if (devices.WNetGetConnection(std::string(1, letter) + ":", remote) == 0) return name + ": " + remote;
    }
    return labelled();
}

int TForm5::DrivePicture(std::uint32_t driveType) {
    switch (driveType) {
        case port::kDriveRemovable:
            return ui::kPictureDriveFloppy;
        case port::kDriveCdrom:
            return ui::kPictureDriveCdrom;
        case port::kDriveRemote:
            return ui::kPictureDriveNetwork;
        case port::kDriveRamdisk:
            return ui::kPictureDriveRam;
        default:
            return ui::kPictureDriveFixed;
    }
}

void TForm5::FillDrives() {
    port::DevicePort& devices = view_.program.os.devices;
    letters_.clear();
    std::vector<std::string> entries;
    std::vector<int> pictures;
    const std::uint32_t mask = devices.GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        letters_.push_back(static_cast<char>('A' + i));
        entries.push_back(lib::AsciiUpper(DriveEntry(devices, letters_.back())));
        pictures.push_back(DrivePicture(devices.GetDriveType(RootOf(letters_.back()))));
    }
    DriveComboBox1.SetItems(entries, pictures);
    // The drive of the current directory, else the first fixed one.
    const std::string current = view_.program.os.files.GetCurrentDirectory();
    char start = current.size() >= 2 && current[1] == ':' ? static_cast<char>(std::toupper(current[0])) : 0;
    if (std::find(letters_.begin(), letters_.end(), start) == letters_.end())
        start = letters_.empty() ? 0 : letters_.front();
    if (start) SetDrive(start);
}

void TForm5::SetDrive(char letter) {
    auto it = std::find(letters_.begin(), letters_.end(), letter);
    if (it == letters_.end()) return;
    DriveComboBox1.SetItemIndex(static_cast<int>(it - letters_.begin()));
    DirectoryOutline1.Clear();
    const int root = DirectoryOutline1.AddNode(0, RootOf(letter));
    DirectoryOutline1.SetSelected(root);
    if (DirectoryOutline1.CanFocus()) DirectoryOutline1.SetFocus();
    DirectoryOutline1.Expand(root);
}

std::string TForm5::CurrentDirectory() const {
    const int node = DirectoryOutline1.Selected();
    return DirectoryOutline1.Valid(node) ? DirectoryOutline1.PathOf(node, "\\") : std::string();
}

void TForm5::ReadChildren(int node) {
    port::FilePort& files = view_.program.os.files;
    port::DevicePort& devices = view_.program.os.devices;
    const std::uint32_t old = devices.SetErrorMode(port::kSemFailCriticalErrors);
    std::vector<port::FindData> found;
    files.FindFiles(ListPattern(DirectoryOutline1.PathOf(node, "\\")), found);
    devices.SetErrorMode(old);
    std::vector<std::string> names;
    for (const port::FindData& f : found) {
        if ((f.attributes & port::kAttrDirectory) && f.name != "." && f.name != "..") names.push_back(f.name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lib::AsciiUpper(a) < lib::AsciiUpper(b);
    });
    for (const std::string& name : names)
        DirectoryOutline1.AddNode(node, name);
    StatusBar1.SetPanelText(0, std::to_string(names.size()));
}

void TForm5::PopupAtCursor() {
    ui::Backend* backend = GetBackend();
    if (!backend) return;
    int x = 0, y = 0;
    backend->CursorPos(x, y);
    if (PopupMenu1.OnPopup) PopupMenu1.OnPopup();
    backend->Popup(PopupMenu1, x, y + 22);
}

void SpeedButton7Click(DirsView& view) {
    port::Platform& os = view.program.os;
    if (view.program.osKind == app::osNT3) {
        lib::ShowInformation(
            os.dialogs,
            "The \"Add Directory ...\" function only works under Windows NT v4.0\ror under Windows 95! - "
            "Please "
            "enter the directories which you\rwant to be emptied at shutdown into the edit field above, and\r"
            "separate them by a semicolon \";\". - For to add the systems tem-\rporary folder automatically, "
            "you "
            "can press the [... add TEMP Dir.]\rbutton to the right.");
        return;
    }
    NormalizeDirList(view);
    TForm5 chooser(view);
    if (chooser.Letters().empty()) {
        if (lib::Confirm(
                os.dialogs,
                "Due to a problem with Windows NT, this dialog is only shown\rafter you have started "
                "RVLN! once after a new installation!\r\rWORKAROUND:\rClose Ravelin and then restart "
                "it. - After this procedure\reverything will work fine and you will be able to use "
                "the \"Add\rDirectory\" button normally!\r\rShall I close Ravelin (... and save all "
                "settings)?")) {
            view.ExitItem.Click();
        }
        return;
    }
    port::RegistryPort& reg = os.registry;
    const int screenWidth = os.system.GetSystemMetrics(port::kSmCxScreen);
    const int screenHeight = os.system.GetSystemMetrics(port::kSmCyScreen);
    auto read = [&](const char* name, int def) {
        return settings::ReadInteger(reg, port::RegRoot::CurrentUser, settings::kUserBase, "DirListWindow",
                                     name, def);
    };
    const int width = std::max(200, read("Width", 362));
    const int height = std::max(200, read("Height", 428));
    settings::WindowPlace place{read("Top", (screenHeight - height) / 2),
                                read("Left", (screenWidth - width) / 2)};
    chooser.SetBounds(place.left, place.top, width, height);
    place = settings::ClampToScreen(os.system, chooser, place);
    chooser.SetBounds(place.left, place.top, width, height);
    chooser.Realize(os.ui);
    chooser.ShowModal();
    for (auto [name, value] : {std::pair<const char*, int>{"Top", chooser.Top()},
                               {"Left", chooser.Left()},
                               {"Width", chooser.Width()},
                               {"Height", chooser.Height()}}) {
        settings::WriteInteger(os, port::RegRoot::CurrentUser, settings::kUserBase, "DirListWindow", name,
                               value);
    }
    if (chooser.chosen.empty()) return;
    view.Edit4.SetText(view.Edit4.Text() + chooser.chosen + ";");
    NormalizeDirList(view);
}

}  // namespace dirs
