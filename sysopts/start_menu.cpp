#include "sysopts/start_menu.h"

#include <vector>

#include "lib/messages.h"
#include "lib/text.h"

namespace sysopts {
namespace {

std::string WithoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

bool IsDirectory(port::FilePort& files, const std::string& path) {
    const std::uint32_t attributes = files.GetFileAttributes(path);
    return attributes != port::kInvalidAttributes && (attributes & port::kAttrDirectory);
}

bool HasSuffixNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           lib::EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// The Start menu's own name where the language is known; empty otherwise.
std::string StartMenuName(std::uint16_t language) {
    switch (language) {
        case 1031:  // German
        case 1070:  // Sorbian
        case 2055:  // Swiss German
        case 3079:  // Austrian German
            return "Startmen\xC3\xBC";
        case 1033:  // English (US)
        case 2057:  // English (UK)
        case 3081:  // English (Australia)
        case 4105:  // English (Canada)
        case 5129:  // English (New Zealand)
        case 6153:  // English (Ireland)
            return "Start Menu";
        default:
            return {};
    }
}

}  // namespace

std::string StartMenuFolder(port::Platform& os, app::OsKind kind, bool privateMenu) {
    if (kind == app::osNT3) return {};
    const std::string windows = WithoutTrailingBackslash(os.system.GetWindowsDirectory());
    if (windows.empty()) return {};
    std::string place = windows;
    if (kind == app::osNT4) {
        std::string user;
        if (!privateMenu) {
            user = "All Users";
        } else if (!os.system.GetUserName(user) || (user = lib::TrimRight(user)).empty()) {
            user = "Administrator";
        }
        place += "\\Profiles\\" + user;
    }

    const std::string name = StartMenuName(os.system.GetSystemDefaultLangID());
    if (!name.empty()) return place + "\\" + name;

    std::vector<port::FindData> found;
    if (!os.files.FindFiles(place + "\\START*", found)) return {};
    for (const port::FindData& entry : found) {
        if ((entry.attributes & port::kAttrDirectory) && entry.name.size() >= 5 &&
            lib::EqualsNoCase(std::string_view(entry.name).substr(0, 5), "START")) {
            return place + "\\" + entry.name;
        }
    }
    return {};
}

bool IsPlainFolderName(std::string_view name) {
    if (name.find("..") != std::string_view::npos) return false;
    bool onlyDotsAndBlanks = true;
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
        if (c != '.' && c != ' ') onlyDotsAndBlanks = false;
    }
    return !onlyDotsAndBlanks;
}

bool CreateControlPanelCopy(port::Platform& os, const std::string& startMenu, const std::string& name) {
    if (startMenu.empty() || !IsDirectory(os.files, startMenu) || !IsPlainFolderName(name)) return false;
    return os.files.CreateDirectory(startMenu + "\\" + name + std::string(kControlPanelSuffix));
}

void RemoveControlPanelCopies(port::Platform& os, const std::string& startMenu) {
    if (startMenu.empty()) return;
    std::vector<port::FindData> found;
    if (!os.files.FindFiles(startMenu + "\\*.*", found)) return;
    for (const port::FindData& entry : found) {
        if (!(entry.attributes & port::kAttrDirectory) || !HasSuffixNoCase(entry.name, kControlPanelSuffix))
            continue;
        if (os.files.RemoveDirectory(startMenu + "\\" + entry.name)) continue;
        lib::ShowError(os.dialogs,
                       "ERROR: Start Menu folder not found / not deleteable!\r\rCould not remove: \r>>>" +
                           entry.name.substr(0, entry.name.find('.')) +
                           "<<<\rIs it hidden, sys-file, or read-only?");
    }
}

}  // namespace sysopts
