// MigrateOldSettings: carrying the settings of older versions forward, once, at start-up.
#include "app/instance.h"
#include "app/program_state.h"
#include "lib/messages.h"
#include "lib/paths.h"
#include "settings/ini.h"
#include "settings/keys.h"
#include "settings/notices.h"
#include "settings/registry_access.h"
#include "settings/settings_store.h"
#include "settings/user_values.h"
#include "settings/version.h"

namespace settings {
namespace {

// Where versions 1.x and 2.x kept their settings, machine-wide.
constexpr std::string_view kLegacyVendorKey = "SOFTWARE\\QAV Software";
constexpr std::string_view kLegacyProductKey = "SOFTWARE\\QAV Software\\RVLN";
constexpr std::string_view kAntivirusKey = "SOFTWARE\\Symantec\\Norton AntiVirus\\Auto-Protect";

std::string InFolder(const std::string& folder, std::string_view name) {
    if (!folder.empty() && folder.back() == '\\') return folder + std::string(name);
    return folder + "\\" + std::string(name);
}

void ShowAntivirusNoticeOnce(app::ProgramState& program) {
    port::Platform& os = program.os;
    if (!app::IsWin9x(program.osKind) || ReadUserBool(os, "Warnings", "NAV", false)) return;
    if (!KeyExists(os.registry, RegRoot::LocalMachine, kAntivirusKey)) return;
    WriteUserBool(os, "Warnings", "NAV", true);
    lib::ShowInformation(os.dialogs, AntivirusNotice());
}

void DeleteLegacyKeys(port::RegistryPort& reg) {
    DeleteKeyTree(reg, RegRoot::LocalMachine, kLegacyProductKey);
    // The vendor key stays while other programs of the vendor keep theirs below it.
    std::vector<std::string> others;
    if (reg.EnumSubKeys(RegRoot::LocalMachine, std::string(kLegacyVendorKey), others) == 0 && others.empty())
        reg.DeleteKey(RegRoot::LocalMachine, std::string(kLegacyVendorKey));
}

void ShowIniNotice(port::Platform& os) {
    // The user name as the instance atom spells it.
    const std::string user = app::InstanceAtomName(os).substr(std::string_view("RVLN!-").size());
    lib::ShowInformation(os.dialogs, IniNotice(user, os.system.GetWindowsDirectory()));
}

bool OnCdrom(port::Platform& os, const std::string& path) {
    const char drive = lib::DriveLetterOf(path);
    return drive != 0 && os.devices.GetDriveType(std::string(1, drive) + ":\\") == port::kDriveCdrom;
}

// Older versions left MSDOS.SYS writable and the logo files hidden, which Windows 95/98 and the
// system options do not expect.
void NormaliseSystemFileAttributes(port::Platform& os) {
    port::FilePort& files = os.files;
    const std::string msdos = "C:\\MSDOS.SYS";
    const std::uint32_t attributes = files.GetFileAttributes(msdos);
    if (attributes != port::kInvalidAttributes && !OnCdrom(os, msdos)) {
        files.SetFileAttributes(msdos, attributes | port::kAttrReadOnly | port::kAttrHidden |
                                           port::kAttrSystem | port::kAttrArchive);
    }
    const std::string windows = os.system.GetWindowsDirectory();
    if (windows.empty() || OnCdrom(os, windows)) return;
    for (std::string_view logo : {"LOGOW.SYS", "LOGOS.SYS"}) {
        // A disabled logo keeps the first eight characters of its name and ends in "!".
        const std::string disabled = std::string(logo.substr(0, 8)) + "!";
        for (const std::string& name : {std::string(logo), disabled}) {
            const std::string path = InFolder(windows, name);
            if (files.GetFileAttributes(path) != port::kInvalidAttributes)
                files.SetFileAttributes(path, port::kAttrArchive);
        }
    }
}

// Versions 2.5x stored the animation speed 80 in RVLN.INI, or nothing, meaning 80.
bool HadOldAnimationSpeed(port::Platform& os) {
    const std::string windows = os.system.GetWindowsDirectory();
    std::string text;
    if (windows.empty() || !os.files.ReadFile(InFolder(windows, "RVLN.INI"), text)) return true;
    const std::optional<std::string> speed = IniValue(text, "Controls", "AniSpeed");
    int value = 0;
    return !speed || (ParseNumberText(*speed, value) && value == 80);
}

void MoveShutdownHotkey(port::Platform& os) {
    const std::string oldKey = JoinKey(kProgramKey, kLocalUserSection);
    if (!ValueExists(os.registry, RegRoot::CurrentUser, oldKey, "ShutDown HotKey")) return;
    const std::string letter =
        ReadString(os.registry, RegRoot::CurrentUser, kProgramKey, kLocalUserSection, "ShutDown HotKey", "");
    if (WriteUserString(os, "HotKeys", "ShutDown HotKey", letter))
        DeleteValue(os.registry, RegRoot::CurrentUser, oldKey, "ShutDown HotKey");
}

void WriteVersion(port::Platform& os) {
    WriteString(os, RegRoot::CurrentUser, kProgramKey, kIdSection, "Version", kSettingsVersion);
}

}  // namespace

void MigrateOldSettings(app::ProgramState& program) {
    port::Platform& os = program.os;
    ShowAntivirusNoticeOnce(program);
    const StoredVersion version =
        ParseVersion(ReadString(os.registry, RegRoot::CurrentUser, kProgramKey, kIdSection, "Version", ""));
    switch (ChooseMigration(version)) {
        case Migration::None:
            return;
        case Migration::FromEarlyVersion2:
            DeleteLegacyKeys(os.registry);
            ShowIniNotice(os);
            if (app::IsWin9x(program.osKind)) NormaliseSystemFileAttributes(os);
            break;
        case Migration::FromLateVersion2:
            DeleteLegacyKeys(os.registry);
            ShowIniNotice(os);
            if (HadOldAnimationSpeed(os)) {
                WriteUserInt(os, "Controls", "AniSpeed", 180);
                lib::ShowInformation(os.dialogs, AnimationNotice());
            }
            break;
        case Migration::FromVersion30:
            ShowIniNotice(os);
            MoveShutdownHotkey(os);
            break;
    }
    WriteVersion(os);
}

}  // namespace settings
