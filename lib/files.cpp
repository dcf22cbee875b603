#include "lib/files.h"

#include <cstdio>

#include "lib/paths.h"

namespace lib {

bool FileExists(port::FilePort& files, const std::string& path) {
    const std::uint32_t attributes = files.GetFileAttributes(path);
    return attributes != port::kInvalidAttributes && !(attributes & port::kAttrDirectory);
}

bool PathExists(port::FilePort& files, const std::string& path) {
    return files.GetFileAttributes(path) != port::kInvalidAttributes;
}

std::string NumberedTempName(port::FilePort& files, const std::string& path) {
    const std::string folder = FolderOf(path);
    const std::string name = FileNameOf(path);
    const std::string base = folder + name.substr(0, name.find('.')) + ".";
    for (int n = 0; n <= 999; ++n) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", n);
        std::string candidate = base + number;
        if (!PathExists(files, candidate)) return candidate;
    }
    return {};
}

bool FolderWritable(port::FilePort& files, const std::string& folder) {
    const std::string probe = NumberedTempName(files, folder + "RVLNWR.TMP");
    if (probe.empty() || !files.WriteFile(probe, std::string())) return false;
    files.DeleteFile(probe);
    return true;
}

bool ReplaceWithTemp(port::FilePort& files, const std::string& temp, const std::string& target) {
    if (files.MoveFileEx(temp, target, port::kMoveReplaceExisting)) return true;
    if (files.LastError() != port::kErrCallNotImplemented) return false;

    // Two renames inside one folder never copy data, so neither can fail half-way; between them
    // the old file lives on under the aside name.
    const std::string aside = NumberedTempName(files, target);
    if (aside.empty() || !files.MoveFile(target, aside)) return false;
    if (!files.MoveFile(temp, target)) {
        files.MoveFile(aside, target);
        return false;
    }
    files.DeleteFile(aside);
    return true;
}

}  // namespace lib
