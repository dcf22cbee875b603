#pragma once
// Emptying one directory: its files, and with subdirectories its whole tree, never the
// directory itself.
#include <cstdint>
#include <string>
#include "ports/file_port.h"
#include "ports/system_info_port.h"

namespace dirs {

struct EmptyFlags {
    bool clearAttributes = true;  // false spares read-only, hidden and system entries
    bool subdirectories = true;
    bool safe = false;  // each deleted name created and erased three more times
};

// The modes of the mode list, by position 0..7.
EmptyFlags ModeFlags(int mode);
// The dialog's heading for the mode.
const char* ModeHeading(int mode);
// The mode list's entries in order.
const char* const* ModeNames();
constexpr int kModeCount = 8;

struct EmptyContext {
    port::FilePort& files;
    port::SystemInfoPort& system;
    std::string cdromLetters;  // upper-case drive letters of the CD-ROM drives
};

// False when the directory could not be emptied completely (or was refused: a CD-ROM drive, a
// drive that takes no file, a path without a drive letter, the system's folders).
bool EmptyDirectory(EmptyContext& ctx, const std::string& path, const EmptyFlags& flags);

}  // namespace dirs
