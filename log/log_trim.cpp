#include "log/log_trim.h"

#include <cstdio>

#include "lib/messages.h"
#include "lib/paths.h"

namespace eventlog {
namespace {

bool Exists(port::FilePort& files, const std::string& path) {
    return files.GetFileAttributes(path) != port::kInvalidAttributes;
}

// Free bytes on the log's drive; false for a path without a drive letter or an unknown figure.
bool FreeBytesOfDrive(port::FilePort& files, const std::string& path, std::uint64_t& freeBytes) {
    const char letter = lib::DriveLetterOf(path);
    if (letter == 0) return false;
    return files.GetDiskFreeSpace(std::string(1, letter) + ":\\", freeBytes);
}

}  // namespace

std::string NumberedTempName(port::FilePort& files, const std::string& path) {
    const std::string folder = lib::FolderOf(path);
    const std::string name = lib::FileNameOf(path);
    const std::string base = folder + name.substr(0, name.find('.')) + ".";
    for (int n = 0; n <= 999; ++n) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", n);
        std::string candidate = base + number;
        if (!Exists(files, candidate)) return candidate;
    }
    return {};
}

bool ReplaceWithTemp(port::FilePort& files, const std::string& temp, const std::string& target) {
    if (files.MoveFileEx(temp, target, port::kMoveReplaceExisting)) return true;
    if (files.LastError() != port::kErrCallNotImplemented) return false;

    // Two renames inside one folder never copy data, so neither can fail half-way; between them
    // the old log lives on under the aside name.
    const std::string aside = NumberedTempName(files, target);
    if (aside.empty() || !files.MoveFile(target, aside)) return false;
    if (!files.MoveFile(temp, target)) {
        files.MoveFile(aside, target);
        return false;
    }
    files.DeleteFile(aside);
    return true;
}

TrimResult DropOldestLine(port::Platform& os, const std::string& path, std::uint64_t size) {
    port::FilePort& files = os.files;
    std::uint64_t freeBytes = 0;
    if (FreeBytesOfDrive(files, path, freeBytes) && freeBytes < 2 * size) return TrimResult::NotPossible;

    const std::string temp = NumberedTempName(files, path);
    if (temp.empty()) return TrimResult::NotPossible;
    std::string bytes;
    if (!files.ReadFile(path, bytes)) return TrimResult::Kept;

    const size_t lineEnd = bytes.find('\n');
    std::string rest = lineEnd == std::string::npos ? std::string() : bytes.substr(lineEnd + 1);
    // A last line without its line end would run into the next entry.
    if (!rest.empty() && rest.back() != '\n') rest += "\r\n";
    if (!files.WriteFile(temp, rest)) {
        const bool full = files.LastError() == port::kErrDiskFull;
        files.DeleteFile(temp);
        return full ? TrimResult::NotPossible : TrimResult::Kept;
    }
    if (!ReplaceWithTemp(files, temp, path)) {
        lib::ShowError(os.dialogs,
                       "ERROR: => Not able to rename temporary file from:\r" + temp + " into:\r" + path);
        files.DeleteFile(temp);
        return TrimResult::Kept;
    }
    return TrimResult::Trimmed;
}

}  // namespace eventlog
