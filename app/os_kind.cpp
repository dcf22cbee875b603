#include "app/os_kind.h"

namespace app {

OsKind GetOsKind(const port::OsVersion& v) {
    if (!v.ok) return osUnknown;
    switch (v.platformId) {
        case port::kPlatformNT:
            return v.major < 4 ? osNT3 : osNT4;
        case port::kPlatformWindows:
            // 4.0 is Windows 95, 4.10 Windows 98 (and 4.90 Millennium behaves like it).
            if (v.major <= 4 && v.minor < 10) return osWin95;
            if (v.major > 3 && v.minor > 9) return osWin98;
            return osUnknown;
        case port::kPlatformWin32s:
            return v.major <= 3 ? osWin32s : osUnknown;
        default:
            return osUnknown;
    }
}

}  // namespace app
