#pragma once
// File helpers shared by the subsystems: existence, numbered temporary names, and putting a
// temporary file in place of another without losing the old one.
#include <string>
#include "ports/file_port.h"
#include "ports/types.h"

namespace lib {

// A file (not a folder) by that name is there.
bool FileExists(port::FilePort& files, const std::string& path);
// Anything by that name is there, file or folder.
bool PathExists(port::FilePort& files, const std::string& path);

// True when a new file can be made in folder (given with its final backslash): a probe file
// is written there and removed again.
bool FolderWritable(port::FilePort& files, const std::string& folder);

// The file's name up to its first "." followed by the first free number "000".."999" in the
// same folder ("C:\RAVELIN\RVLN.LOG" -> "C:\RAVELIN\RVLN.000"); empty when all are taken.
std::string NumberedTempName(port::FilePort& files, const std::string& path);

// Puts temp in place of target so that target keeps its old contents whenever that fails.
// Windows 95/98 lack MoveFileEx; there the old file steps aside under a numbered name first
// and comes back if the new one cannot take its place.
bool ReplaceWithTemp(port::FilePort& files, const std::string& temp, const std::string& target);

}  // namespace lib
