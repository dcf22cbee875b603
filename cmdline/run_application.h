#pragma once
// Finding the program inside a command text, and the /RUN application started at start-up.
#include <string>
#include "ports/file_port.h"

namespace cmdline {

struct SplitResult {
    bool found = false;
    std::string program;
    std::string parameters;
};

// A command such as "C:\TOOLS\BACKUP.EXE /AUTO C:\DATA" or "\"C:\Program Files\T\b.exe\" /A":
// a quoted program runs to its closing quote; otherwise the shortest run of the text up to a
// blank (or the end) that names a file is the program; failing that, the first file among the
// ever longer runs of the last path component before the second colon ("C:\X.EXE/AUTO"). The
// program must begin with a drive letter and colon. The parameters are the rest without
// leading blanks.
SplitResult SplitCommand(port::FilePort& files, const std::string& command);

}  // namespace cmdline
