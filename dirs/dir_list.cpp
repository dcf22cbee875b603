#include "dirs/dir_list.h"

#include <algorithm>
#include <new>

#include "lib/messages.h"
#include "lib/text.h"

namespace dirs {
namespace {

constexpr std::uint32_t kErrNoMoreFiles = 18;
constexpr std::uint32_t kErrBadNetPath = 53;
constexpr std::uint32_t kErrBadNetName = 67;
constexpr std::uint32_t kErrInvalidName = 123;
constexpr std::uint32_t kErrBadPathname = 161;

std::string PathError(const std::string& path, const std::string& lines) {
    return "ERROR: The path:\r\r" + path + "\r\r" + lines;
}

// The texts of the file-system errors a listing may end with.
std::string ErrorText(std::uint32_t code) {
    switch (code) {
        case 2:
            return "File not found.";
        case 3:
            return "Invalid filename.";
        case 4:
            return "Too many open files.";
        case 5:
            return "Access denied.";
        case 100:
            return "End of file (EOF).";
        case 101:
            return "Harddisk full.";
        case 106:
            return "Invalid input.";
        default:
            return "";
    }
}

// Listing failures that only say the directory is not there.
bool MeansMissing(std::uint32_t code) {
    switch (code) {
        case port::kErrFileNotFound:
        case port::kErrPathNotFound:
        case kErrNoMoreFiles:
        case kErrBadNetPath:
        case kErrBadNetName:
        case kErrInvalidName:
        case kErrBadPathname:
            return true;
        default:
            return false;
    }
}

std::string WithoutFinalBackslash(std::string path) {
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

// "C:\WINDOWS" lies in or below "C:" / "C:\" / "C:\WINDOWS".
bool IsSameOrBelow(const std::string& inner, const std::string& outer) {
    if (inner.size() < outer.size() || !lib::EqualsNoCase(inner.substr(0, outer.size()), outer)) return false;
    return inner.size() == outer.size() || inner[outer.size()] == '\\';
}

}  // namespace

std::string FixListEnds(std::string text) {
    if (text.empty()) return text;
    if (text.back() == ':') {
        text += "\\;";
    } else if (text.size() >= 2 && text.compare(text.size() - 2, 2, ":;") == 0) {
        text.back() = '\\';
        text += ';';
    }
    const std::size_t start = text.find_first_not_of(';');
    if (start == std::string::npos) return {};
    text.erase(0, start);
    if (text.back() != ';') text += ';';
    return text;
}

std::vector<std::string> NormalizeDirText(ListServices& os, std::string& text) {
    text = FixListEnds(std::move(text));
    if (text.size() <= kMaxListLength) return ParseDirList(os, text);
    // The last entry goes until the text fits; the ";" before it stays.
    while (text.size() > kMaxListLength) {
        const std::size_t previous = text.size() >= 2 ? text.rfind(';', text.size() - 2) : std::string::npos;
        text.erase(previous == std::string::npos ? 0 : previous + 1);
    }
    std::vector<std::string> list = ParseDirList(os, text);
    lib::ShowInformation(os.dialogs, "INFO:\r\rThe maximum length of the path-list\r(" +
                                         std::to_string(kMaxListLength) +
                                         " characters) has been reached!\rYour last input will be cut off!");
    return list;
}

std::vector<std::string> ParseDirList(ListServices& os, std::string& text) {
    std::vector<std::string> list;
    if (text.size() < 3) {
        text.clear();
        return list;
    }
    std::string out;
    std::size_t start = 0;
    for (std::size_t semi = text.find(';'); semi != std::string::npos;
         start = semi + 1, semi = text.find(';', start)) {
        std::string entry = text.substr(start, semi - start);
        if (!ValidateDirPath(os, entry)) continue;
        if (list.size() >= kMaxEntries) {
            lib::ShowInformation(os.dialogs, "INFO:\r\rThe maximum number of entries (" +
                                                 std::to_string(kMaxEntries) +
                                                 ")\rhas been reached!\rThe last entries will be cut off.");
            continue;
        }
        if (!entry.empty() && entry.back() == ':') entry += '\\';
        auto earlier = std::find_if(list.begin(), list.end(),
                                    [&](const std::string& e) { return lib::EqualsNoCase(e, entry); });
        if (earlier != list.end()) {
            lib::ShowInformation(os.dialogs, "The path:\r" + *earlier +
                                                 "\rexists several times in the path-list.\r\rThe first "
                                                 "instance will be removed now.");
            list.erase(earlier);
        }
        try {
            list.push_back(entry);
        } catch (const std::bad_alloc&) {
            lib::ShowError(os.dialogs, "Out of Memory!\r\rNot enough memory to process: \r" + entry +
                                           "\rPlease close some open applications or buy some\rmemory ... "
                                           "and try again!");
            out.clear();
            for (const std::string& e : list)
                out += e + ';';
            text = out + text.substr(semi + 1);
            return list;
        }
    }
    for (const std::string& e : list)
        out += e + ';';
    text = out;
    return list;
}

bool IsProtectedPath(port::FilePort& files, port::SystemInfoPort& system, const std::string& path) {
    const std::string full = WithoutFinalBackslash(files.GetFullPathName(path));
    // A path Windows cannot make absolute cannot be told apart from the system: refuse it.
    if (full.empty()) return true;
    for (const std::string& folder : {system.GetWindowsDirectory(), system.GetSystemDirectory()}) {
        const std::string guarded = WithoutFinalBackslash(files.GetFullPathName(folder));
        if (!guarded.empty() && IsSameOrBelow(guarded, full)) return true;
    }
    return false;
}

std::string ListPattern(const std::string& path) {
    return !path.empty() && path.back() == '\\' ? path + "*.*" : path + "\\*.*";
}

bool ValidateDirPath(ListServices& os, const std::string& path) {
    const std::size_t colon = path.find(':');
    const bool network = path.rfind("\\\\", 0) == 0;
    if (colon == std::string::npos && !network) {
        lib::ShowError(os.dialogs,
                       PathError(path,
                                 "is not a valid path! - A valid path contains either\ra \":\" colon or a "
                                 "\"\\\\\" double backslash for network\rdomains.\r\rPlease check your "
                                 "input and retry!"));
        return false;
    }
    if (path.find("::") != std::string::npos ||
        (colon != std::string::npos && path.find("\\\\") != std::string::npos) ||
        (colon != std::string::npos && colon > 1)) {
        lib::ShowError(os.dialogs, PathError(path, "is invalid!"));
        return false;
    }
    if (IsProtectedPath(os.files, os.system, path)) {
        lib::ShowError(os.dialogs, PathError(path,
                                             "is the Windows folder, the system folder or a folder\rabove "
                                             "them, and will not be emptied!"));
        return false;
    }
    std::vector<port::FindData> found;
    const bool listed = os.files.FindFiles(ListPattern(path), found);
    if (listed && !found.empty()) return true;
    const std::uint32_t error = listed ? 0 : os.files.LastError();
    if (error == 0 || MeansMissing(error)) {
        // An empty root lists nothing at all, yet it is there.
        const std::uint32_t attributes = os.files.GetFileAttributes(path.back() == ':' ? path + "\\" : path);
        if (attributes != port::kInvalidAttributes && (attributes & port::kAttrDirectory)) return true;
        lib::ShowError(os.dialogs, PathError(path, "does not exist!"));
        return false;
    }
    lib::ShowError(os.dialogs, PathError(path, "has caused the the following error:\r" + ErrorText(error)));
    return false;
}

bool IsDirNonEmpty(port::FilePort& files, const std::string& path) {
    std::vector<port::FindData> found;
    if (!files.FindFiles(ListPattern(path), found)) return false;
    return std::any_of(found.begin(), found.end(),
                       [](const port::FindData& f) { return f.name != "." && f.name != ".."; });
}

}  // namespace dirs
