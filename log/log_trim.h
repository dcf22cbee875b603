#pragma once
// Keeping RVLN.LOG near its size limit: each write above the limit drops the oldest line.
#include <cstdint>
#include <string>
#include "ports/platform.h"

namespace eventlog {

// The file's name up to its first "." followed by the first free number "000".."999" in the
// same folder ("C:\RAVELIN\RVLN.LOG" -> "C:\RAVELIN\RVLN.000"); empty when all are taken.
std::string NumberedTempName(port::FilePort& files, const std::string& path);

// Puts temp in place of target so that target keeps its old contents whenever that fails.
// Windows 95/98 lack MoveFileEx; there the old file steps aside under a numbered name first
// and comes back if the new one cannot take its place.
bool ReplaceWithTemp(port::FilePort& files, const std::string& temp, const std::string& target);

enum class TrimResult {
    Trimmed,      // the oldest line is gone
    NotPossible,  // too little room on the drive: the caller starts the file afresh
    Kept,         // the file is as it was (a failure was reported where there is a box for it)
};

// Drops the first line of the log whose current size is size bytes.
TrimResult DropOldestLine(port::Platform& os, const std::string& path, std::uint64_t size);

}  // namespace eventlog
