#pragma once
// C:\MSDOS.SYS, the start-up settings of Windows 95/98: one "key=value" line changed in place.
#include <optional>
#include <string>
#include <string_view>
#include "ports/platform.h"

namespace sysopts {

// The file's bytes with every line that contains key (case-sensitive, comments too) replaced by
// key=value, each keeping its own line end. Without such a line, key=value is added at the end
// of the [Options] section, where Windows reads it. Every other byte stays as it was. nullopt
// when the file has no [Options] line: then it is no settings file Windows would read.
std::optional<std::string> EditMsdosSysText(std::string_view bytes, std::string_view key,
                                            std::string_view value);

enum class MsdosSysResult {
    Unchanged,  // the line was already there as asked
    Changed,
    Missing,  // no file, or no [Options] section in it: left alone
    Failed,   // reported to the user; C:\MSDOS.SYS holds what it held before
};

// Sets key=value in C:\MSDOS.SYS; without a line for key, only when addMissing (Windows reads
// a missing line as the key's default). The file is rewritten only when that changes it: the new text
// goes to a numbered temporary file next to it first, then takes its place, and the file ends
// with the attributes it had (untouched on a CD-ROM). Failures are reported in boxes; quiet
// leaves a missing or unreadable file unreported, as at start-up.
MsdosSysResult SetMsdosSysOption(port::Platform& os, std::string_view key, std::string_view value,
                                 bool addMissing, bool quiet);

}  // namespace sysopts
