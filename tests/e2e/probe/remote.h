#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "handles.h"

// Memory inside the process that owns a window. Common controls take pointers in messages above
// WM_USER, which Windows does not copy between processes, so the probe hands them a buffer that
// lives in the control's own address space.
class RemoteBuffer {
  public:
    RemoteBuffer(HWND owner, size_t size);
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer();

    bool Ok() const { return address_ != nullptr; }
    size_t Size() const { return size_; }
    // Address as the owning process sees it, offset bytes in.
    LPARAM At(size_t offset = 0) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
    }

    bool Write(size_t offset, const void* data, size_t size);
    bool Read(size_t offset, void* data, size_t size) const;
    std::wstring ReadText(size_t offset, size_t maxChars) const;

  private:
    OwnedHandle process_;
    void* address_ = nullptr;
    size_t size_ = 0;
};
