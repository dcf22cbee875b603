#pragma once
// Move-only owners of Win32 handles: whatever the program opens is closed exactly once, on every
// path out of the scope that opened it. Borrowed handles (a window's system menu, a predefined
// registry root) stay raw.
// Through win_api.h, so that a file starting with this header may still include port headers.
#include "win32/ports/win_api.h"
#include <commctrl.h>

#include <utility>

namespace win32 {

template <typename Traits>
class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Type Get() const { return handle_; }
    bool IsValid() const { return Traits::IsValid(handle_); }
    explicit operator bool() const { return IsValid(); }

    // Gives up ownership; the caller closes the handle.
    Type Release() { return std::exchange(handle_, Traits::Empty()); }

    void Reset(Type handle = Traits::Empty()) {
        Type old = std::exchange(handle_, handle);
        if (Traits::IsValid(old)) Traits::Close(old);
    }

    // For APIs that return the handle through an out parameter; whatever was held is closed first.
    Type* Receive() {
        Reset();
        return &handle_;
    }

  private:
    Type handle_ = Traits::Empty();
};

// Kernel objects: files, devices, processes, tokens. The APIs disagree on how they report no handle,
// so both NULL and INVALID_HANDLE_VALUE count as empty.
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) { ::CloseHandle(h); }
};

struct FindHandleTraits {
    using Type = HANDLE;
    static Type Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) { ::FindClose(h); }
};

struct EventSourceTraits {
    using Type = HANDLE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::DeregisterEventSource(h); }
};

struct RegKeyTraits {
    using Type = HKEY;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::RegCloseKey(h); }
};

struct IconTraits {
    using Type = HICON;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::DestroyIcon(h); }
};

struct MenuTraits {
    using Type = HMENU;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::DestroyMenu(h); }
};

struct WindowTraits {
    using Type = HWND;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::DestroyWindow(h); }
};

// A GDI object must not be selected into a DC when its owner goes out of scope.
template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::DeleteObject(h); }
};

// Common-control image lists.
struct ImageListTraits {
    using Type = HIMAGELIST;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::ImageList_Destroy(h); }
};

// Memory DCs from CreateCompatibleDC; DCs from GetDC go back with ReleaseDC and are not owned here.
struct MemoryDcTraits {
    using Type = HDC;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::DeleteDC(h); }
};

using OwnedHandle = UniqueHandle<KernelHandleTraits>;
using OwnedToken = UniqueHandle<KernelHandleTraits>;
using OwnedFind = UniqueHandle<FindHandleTraits>;
using OwnedEventSource = UniqueHandle<EventSourceTraits>;
using OwnedKey = UniqueHandle<RegKeyTraits>;
using OwnedIcon = UniqueHandle<IconTraits>;
using OwnedMenu = UniqueHandle<MenuTraits>;
using OwnedWindow = UniqueHandle<WindowTraits>;
using OwnedGdiObject = UniqueHandle<GdiObjectTraits<HGDIOBJ>>;
using OwnedBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using OwnedImageList = UniqueHandle<ImageListTraits>;
using OwnedFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using OwnedBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using OwnedPen = UniqueHandle<GdiObjectTraits<HPEN>>;
using OwnedRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using OwnedMemoryDc = UniqueHandle<MemoryDcTraits>;

}  // namespace win32
