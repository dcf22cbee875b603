#include "log/log_trim.h"

#include "lib/files.h"
#include "lib/messages.h"
#include "lib/paths.h"

namespace eventlog {
namespace {

// Free bytes on the log's drive; false for a path without a drive letter or an unknown figure.
bool FreeBytesOfDrive(port::FilePort& files, const std::string& path, std::uint64_t& freeBytes) {
    const char letter = lib::DriveLetterOf(path);
    if (letter == 0) return false;
    return files.GetDiskFreeSpace(std::string(1, letter) + ":\\", freeBytes);
}

}  // namespace

TrimResult DropOldestLine(port::Platform& os, const std::string& path, std::uint64_t size) {
    port::FilePort& files = os.files;
    std::uint64_t freeBytes = 0;
    if (FreeBytesOfDrive(files, path, freeBytes) && freeBytes < 2 * size) return TrimResult::NotPossible;

    const std::string temp = lib::NumberedTempName(files, path);
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
    if (!lib::ReplaceWithTemp(files, temp, path)) {
        lib::ShowError(os.dialogs,
                       "ERROR: => Not able to rename temporary file from:\r" + temp + " into:\r" + path);
        files.DeleteFile(temp);
        return TrimResult::Kept;
    }
    return TrimResult::Trimmed;
}

}  // namespace eventlog
