#pragma once
// The list of directories to empty: one ";"-separated text of at most 1024 characters with up
// to 100 entries, its checks and the protections against emptying the system.
#include <cstddef>
#include <string>
#include <vector>
#include "ports/dialog_port.h"
#include "ports/file_port.h"
#include "ports/system_info_port.h"

namespace dirs {

constexpr std::size_t kMaxListLength = 1024;
constexpr std::size_t kMaxEntries = 100;

// What the list's checks reach of the machine.
struct ListServices {
    port::FilePort& files;
    port::DialogPort& dialogs;
    port::SystemInfoPort& system;
};

// The text's ends made regular: "X:" gets "\;", "X:;" becomes "X:\;", no leading ";", a final
// ";". An empty text stays empty.
std::string FixListEnds(std::string text);

// Fixes the ends, cuts the text back below the length limit (with its message) and parses it.
// The text is changed in place; the result is the parsed list.
std::vector<std::string> NormalizeDirText(ListServices& os, std::string& text);

// Rebuilds the list from the text, removing invalid, duplicate and surplus entries with their
// messages. The text is changed in place.
std::vector<std::string> ParseDirList(ListServices& os, std::string& text);

// True for a path that may be listed; otherwise the error box has said why.
bool ValidateDirPath(ListServices& os, const std::string& path);

// The Windows folder, the system folder, or a folder above either of them.
bool IsProtectedPath(port::FilePort& files, port::SystemInfoPort& system, const std::string& path);

// The pattern that lists a directory's entries: "C:\TEMP\*.*", "C:\*.*".
std::string ListPattern(const std::string& path);

// The directory lists an entry other than "." and "..".
bool IsDirNonEmpty(port::FilePort& files, const std::string& path);

}  // namespace dirs
