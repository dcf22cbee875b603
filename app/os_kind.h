#pragma once
// The kind of Windows the program runs on, as the rest of the program distinguishes it.
#include "ports/system_info_port.h"

namespace app {

enum OsKind { osNT3, osNT4, osWin95, osWin98, osWin32s, osUnknown };

OsKind GetOsKind(const port::OsVersion& version);

inline bool IsWin9x(OsKind kind) {
    return kind == osWin95 || kind == osWin98;
}
inline bool IsNT(OsKind kind) {
    return kind == osNT3 || kind == osNT4;
}
// The tray, the animated start and autostart need Explorer's shell.
inline bool HasShell(OsKind kind) {
    return kind != osNT3;
}

}  // namespace app
