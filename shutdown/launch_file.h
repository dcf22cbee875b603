#pragma once
// The program's one way of starting a program or opening a document.
#include <cstdint>
#include <string>
#include "ports/platform.h"

namespace shutdown {

struct LaunchResult {
    bool ok = false;
    std::intptr_t raw = 0;  // what ShellExecute returned
};

// Verb "open", "print" or "explore" (anything else: the default verb). The working directory is
// the file's folder, or the document's when the parameters name one. A failure shows its box.
LaunchResult LaunchFile(port::Platform& os, const std::string& file, const std::string& parameters,
                        const std::string& verb, int showCommand);

// The text of the box for a ShellExecute result of 32 or below.
std::string LaunchErrorText(std::intptr_t result);

}  // namespace shutdown
