#pragma once
// What the ask dialog offers: the entries of the method list without the ASK entry (and without
// the FORCE entries while a guarded program runs), and what each of them stands for. Positions
// are counted in the "full" list, the method list without the ASK entry; with the three FORCE
// entries left out, radio positions 3 and above stand for full positions 6 and above.
#include <string>
#include <vector>
#include "app/os_kind.h"

namespace shutdown {

struct AskChoices {
    std::vector<std::string> texts;  // blanks trimmed, runs of blanks reduced to one
    bool forceRemoved = false;
};

// listTexts: the method list as shown; askEntry: the position of the ASK entry in it.
AskChoices BuildAskChoices(const std::vector<std::string>& listTexts, int askEntry, bool forceBlocked);

// The full position of a radio position (-1 stays -1).
int FullPosition(int radio, bool forceRemoved);
// The radio position that shows the stored full position; 0 for a stored position that is a
// FORCE entry left out or lies outside the choices, so that OK always has a method.
int RadioForStored(int stored, bool forceRemoved, int count);

// The method code of a full position; -1 where there is none.
int AskMethodCode(app::OsKind kind, int full);
// The description shown under the choices; empty where there is none.
std::string AskDescription(app::OsKind kind, int full);
// The log code of a choice: the entry's position in the main window's method list.
int AskLogCode(int code, int full);

}  // namespace shutdown
