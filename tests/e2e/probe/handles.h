#pragma once
#include <windows.h>

#include <utility>

// Owns a kernel handle; move-only so a handle is closed exactly once.
class OwnedHandle {
  public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    OwnedHandle(OwnedHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            h_ = std::exchange(other.h_, nullptr);
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Reset(); }

    HANDLE Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

  private:
    void Reset() {
        if (h_) CloseHandle(h_);
        h_ = nullptr;
    }

    HANDLE h_ = nullptr;
};

// Keeps this thread's input state joined to another thread's for as long as it lives, so that
// SetFocus and the keyboard state reach a window of another process.
class ThreadInputLink {
  public:
    ThreadInputLink(DWORD self, DWORD other) : self_(self), other_(other) {
        linked_ = self_ != other_ && AttachThreadInput(self_, other_, TRUE);
    }
    ThreadInputLink(const ThreadInputLink&) = delete;
    ThreadInputLink& operator=(const ThreadInputLink&) = delete;
    ~ThreadInputLink() {
        if (linked_) AttachThreadInput(self_, other_, FALSE);
    }

  private:
    DWORD self_;
    DWORD other_;
    bool linked_ = false;
};
