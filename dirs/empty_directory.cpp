#include "dirs/empty_directory.h"

#include <cctype>
#include <vector>

#include "dirs/dir_list.h"
#include "lib/files.h"

namespace dirs {
namespace {

constexpr std::uint32_t kGuardedAttributes = port::kAttrReadOnly | port::kAttrHidden | port::kAttrSystem;
constexpr std::uint32_t kClearedAttributes = kGuardedAttributes | port::kAttrArchive;

const char* const kModeNames[kModeCount] = {
    "normal + subdirs + h/s/r", "secure + subdirs + h/s/r", "normal + subdirs", "secure + subdirs",
    "normal + h/s/r",           "secure + h/s/r",           "normal",           "secure",
};

const char* const kModeHeadings[kModeCount] = {
    "All files and subdirectories of the following directories are about to be deleted:",
    "All files and subdirectories of the following directories are about to be safely deleted:",
    "The files and subdirectories of the following directories, which are not read-only, system or "
    "hidden, are about to be deleted:",
    "The files and subdirectories of the following directories, which are not read-only, system or "
    "hidden, are about to be safely deleted:",
    "Only the files of the following directories are about to be deleted:",
    "Only the files of the following directories are about to be safely deleted:",
    "Only the files of the following directories, which are not read-only, system or hidden, are about "
    "to be deleted:",
    "Only the files of the following directories, which are not read-only, system or hidden, are about "
    "to be safely deleted:",
};

int ClampMode(int mode) {
    return mode < 0 || mode >= kModeCount ? 0 : mode;
}

// A file that can be made and erased again: the drive (or folder) takes writes.
bool CanWriteIn(port::FilePort& files, const std::string& folder, std::uint32_t& error) {
    const std::string name = lib::NumberedTempName(files, folder + "~T.TMP");
    if (name.empty()) {
        error = port::kErrAlreadyExists;
        return false;
    }
    if (!files.WriteFile(name, "")) {
        error = files.LastError();
        return false;
    }
    files.DeleteFile(name);
    return true;
}

class Emptier {
  public:
    Emptier(port::FilePort& files, const EmptyFlags& flags) : files_(files), flags_(flags) {}

    // False at the first failure that ends the emptying; a skipped file that should have gone
    // marks the result failed but lets the walk go on.
    bool Empty(const std::string& dir, int depth) {
        std::vector<port::FindData> entries;
        if (!files_.FindFiles(ListPattern(dir), entries)) {
            const std::uint32_t error = files_.LastError();
            if (error != port::kErrFileNotFound && error != 18) return false;
        }
        const std::string prefix = dir.back() == '\\' ? dir : dir + "\\";
        for (const port::FindData& entry : entries) {
            if (entry.name == "." || entry.name == "..") continue;
            // Sparing modes leave guarded entries untouched, whatever Windows would allow.
            if (!flags_.clearAttributes && (entry.attributes & kGuardedAttributes)) continue;
            const std::string full = prefix + entry.name;
            const bool folder = entry.attributes & port::kAttrDirectory;
            if (entry.attributes & port::kAttrReparsePoint) {
                // A link leads out of the tree: it goes itself, its target stays untouched.
                if (folder && !flags_.subdirectories) continue;
                const bool removed = folder ? files_.RemoveDirectory(full) : files_.DeleteFile(full);
                if (!removed && flags_.clearAttributes) return false;
                continue;
            }
            if (folder) {
                if (flags_.clearAttributes) ClearAttributes(full, entry.attributes);
                if (flags_.subdirectories && !Empty(full, depth + 1)) return false;
                continue;
            }
            if (flags_.clearAttributes) ClearAttributes(full, entry.attributes);
            if (!files_.DeleteFile(full)) {
                if (flags_.clearAttributes) return false;
                incomplete_ = true;
                continue;
            }
            if (flags_.safe) Overwrite(full);
        }
        if (depth > 0 && !files_.RemoveDirectory(dir) && flags_.clearAttributes) return false;
        return true;
    }

    bool Incomplete() const { return incomplete_; }

  private:
    void ClearAttributes(const std::string& path, std::uint32_t attributes) {
        std::uint32_t kept = attributes & ~(kClearedAttributes | port::kAttrNormal);
        if (kept == 0) kept = port::kAttrNormal;
        files_.SetFileAttributes(path, kept);
    }

    // The name is made and erased three more times, so that what an undelete tool finds in the
    // directory's entries is an empty file.
    void Overwrite(const std::string& path) {
        for (int i = 0; i < 3; ++i) {
            if (!files_.WriteFile(path, "")) return;
            files_.DeleteFile(path);
        }
    }

    port::FilePort& files_;
    const EmptyFlags& flags_;
    bool incomplete_ = false;
};

}  // namespace

EmptyFlags ModeFlags(int mode) {
    mode = ClampMode(mode);
    EmptyFlags flags;
    flags.subdirectories = mode < 4;
    flags.safe = mode % 2 == 1;
    flags.clearAttributes = mode == 0 || mode == 1 || mode == 4 || mode == 5;
    return flags;
}

const char* ModeHeading(int mode) {
    return kModeHeadings[ClampMode(mode)];
}

const char* const* ModeNames() {
    return kModeNames;
}

bool EmptyDirectory(EmptyContext& ctx, const std::string& path, const EmptyFlags& flags) {
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0]))) return false;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    if (ctx.cdromLetters.find(letter) != std::string::npos) return false;
    if (IsProtectedPath(ctx.files, ctx.system, path)) return false;
    std::uint32_t error = 0;
    if (!CanWriteIn(ctx.files, std::string(1, letter) + ":\\", error)) {
        // Today's Windows lets users write in their folders but not in the root of the system
        // drive: there the directory itself must take the test file.
        if (error != port::kErrAccessDenied) return false;
        const std::string folder = path.back() == '\\' ? path : path + "\\";
        if (!CanWriteIn(ctx.files, folder, error)) return false;
    }
    Emptier emptier(ctx.files, flags);
    return emptier.Empty(path, 0) && !emptier.Incomplete();
}

}  // namespace dirs
