#pragma once
// Windows path pieces.
#include <string>
#include <string_view>

namespace lib {

// "C:\DIR\FILE.EXT" -> "C:\DIR\" (empty when there is no folder).
std::string FolderOf(std::string_view path);
// "C:\DIR\FILE.EXT" -> "FILE.EXT".
std::string FileNameOf(std::string_view path);
// The path in double quotes when it contains a blank, so that Windows cannot take a shorter
// path ("C:\Program.exe") for the program to start.
std::string QuoteIfBlank(std::string_view path);
// The drive letter of "C:\..." (upper case), or 0.
char DriveLetterOf(std::string_view path);

}  // namespace lib
