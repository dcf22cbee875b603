#pragma once
// The programs that open the log, the help text and folders.
#include <string>
#include <string_view>
#include "ports/file_port.h"

namespace lib {

// Windows' own viewers, there on every Windows.
inline constexpr const char* kTextViewer = "NOTEPAD.EXE";
inline constexpr const char* kDirectoryViewer = "EXPLORER.EXE";

// The user's chosen viewer only while that file is there; the Windows one otherwise.
std::string ChooseViewer(port::FilePort& files, std::string_view chosen, std::string_view builtIn);

}  // namespace lib
