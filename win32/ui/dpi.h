#pragma once
// The windows' pixel layout is given at 96 DPI; on a screen of more dots per inch every size and
// offset is scaled for the window's DPI, so that the controls grow with the system font.
#include <windows.h>

namespace win32 {

constexpr int kDesignDpi = 96;
// Sent to a top-level window whose DPI changed (Windows 8.1 and later); the headers name it only
// for a newer WINVER than the program's.
constexpr UINT kWmDpiChanged = 0x02E0;

// The DPI of the monitor a window is on (Windows 10 1607 and later), else the system's.
int WindowDpi(HWND hwnd);

// How much larger than at 96 DPI a layout is drawn, as the fraction num / den.
struct LayoutScale {
    int num = 1;
    int den = 1;
    int ToPixels(int value) const { return num == den ? value : MulDiv(value, num, den); }
    int FromPixels(int value) const { return num == den ? value : MulDiv(value, den, num); }
};

// The scale for a window at dpi: 1 up to 96 DPI; above, the DPI's ratio, or the system font's own
// growth where that is larger (at 96 DPI small text is hinted narrower than in proportion, so
// texts laid out to fit there would be cut off at 144 DPI by the DPI's ratio alone).
LayoutScale LayoutScaleFor(int dpi);

}  // namespace win32
