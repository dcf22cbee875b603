#include "win32/ui/dpi.h"

#include "win32/handles.h"

namespace win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Looked up once: older systems lack the call and have one DPI for every monitor.
GetDpiForWindowFn DpiForWindowCall() {
    static const GetDpiForWindowFn call = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<GetDpiForWindowFn>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    return call;
}

// Width of a sample in a font at the given height: the letters, as dialog base units measure a
// font, or a line of running text, whose spaces and narrow letters grow most from small sizes.
int SampleWidth(HDC dc, const LOGFONTW& base, int height, const wchar_t* sample) {
    LOGFONTW wanted = base;
    wanted.lfHeight = height;
    wanted.lfWidth = 0;
    OwnedFont font(CreateFontIndirectW(&wanted));
    if (!font) return 0;
    HGDIOBJ old = SelectObject(dc, font.Get());
    SIZE size{};
    const BOOL measured = GetTextExtentPoint32W(dc, sample, static_cast<int>(wcslen(sample)), &size);
    SelectObject(dc, old);
    return measured ? size.cx : 0;
}

}  // namespace

int WindowDpi(HWND hwnd) {
    if (GetDpiForWindowFn call = DpiForWindowCall(); call && hwnd) {
        if (const UINT dpi = call(hwnd); dpi > 0) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    if (!screen) return kDesignDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

LayoutScale LayoutScaleFor(int dpi) {
    if (dpi <= kDesignDpi) return {};
    LayoutScale scale{dpi, kDesignDpi};
    LOGFONTW font{};
    if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font) || font.lfHeight == 0)
        return scale;
    HDC screen = GetDC(nullptr);
    if (!screen) return scale;
    // The stock font is made for the system's DPI.
    const int system = GetDeviceCaps(screen, LOGPIXELSY);
    static const wchar_t* const kSamples[] = {
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
        L"Start it in the tray, with a quick fix: - (jumps over 1 lazy dog)",
    };
    for (const wchar_t* sample : kSamples) {
        if (system <= 0) break;
        const int wide = SampleWidth(screen, font, MulDiv(font.lfHeight, dpi, system), sample);
        const int narrow = SampleWidth(screen, font, MulDiv(font.lfHeight, kDesignDpi, system), sample);
        if (narrow > 0 && wide * scale.den > scale.num * narrow) scale = {wide, narrow};
    }
    ReleaseDC(nullptr, screen);
    return scale;
}

}  // namespace win32
