#pragma once
// The shutdown-method list of the main window and the main action.
#include <array>
#include <cstdint>
#include <string>
#include <vector>
#include "app/os_kind.h"

namespace app {

class TForm1;

// The list in its design form; the shown list is adapted to the system.
extern const std::array<const char*, 12> kMethodDesignEntries;

// The list as the user sees it on this kind of system.
std::vector<std::string> MethodListTexts(OsKind kind);
// Fills the list with the entries of this system: 11 on Windows 95/98, 10 elsewhere, relabelled
// for systems other than Windows 95/98.
void PrepareMethodList(TForm1& form);
// The ASK entry.
int DefaultMethodIndex(OsKind kind);
// Method code of a list position (255 when the position maps to none).
std::uint8_t MethodCodeForPosition(OsKind kind, int position);
bool IsForcePosition(int position);

void UpdateStatusLabel(TForm1& form);

}  // namespace app
