#pragma once
// Keeping RVLN.LOG near its size limit: each write above the limit drops the oldest line.
#include <cstdint>
#include <string>
#include "ports/platform.h"

namespace eventlog {

enum class TrimResult {
    Trimmed,      // the oldest line is gone
    NotPossible,  // too little room on the drive: the caller starts the file afresh
    Kept,         // the file is as it was (a failure was reported where there is a box for it)
};

// Drops the first line of the log whose current size is size bytes.
TrimResult DropOldestLine(port::Platform& os, const std::string& path, std::uint64_t size);

}  // namespace eventlog
