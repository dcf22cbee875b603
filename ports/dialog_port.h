#pragma once
// Message boxes and common dialogs. Modal forms of the program go through ui::Backend.
#include <cstdint>
#include <string>
#include "ports/types.h"

namespace port {

// MessageBoxA style bits.
enum : std::uint32_t {
    kMbOk = 0x0,
    kMbOkCancel = 0x1,
    kMbAbortRetryIgnore = 0x2,
    kMbYesNoCancel = 0x3,
    kMbYesNo = 0x4,
    // Yes, No and Abort: no style of MessageBoxA; the Win32 port renames the Cancel button of
    // Yes/No/Cancel, and the box answers kIdAbort where Cancel would be.
    kMbYesNoAbort = 0x7,
    kMbIconError = 0x10,
    kMbIconQuestion = 0x20,
    kMbIconWarning = 0x30,
    kMbIconInformation = 0x40,
    kMbDefButton2 = 0x100,
    kMbSystemModal = 0x1000,
    kMbTaskModal = 0x2000,
    kMbSetForeground = 0x10000,
    kMbTopmost = 0x40000,
};
enum : int { kIdOk = 1, kIdCancel = 2, kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5, kIdYes = 6, kIdNo = 7 };

struct OpenFileRequest {
    std::string title;
    std::string filter;  // "Programs|*.EXE|All files|*.*"
    std::string defaultExtension;
    std::string initialDirectory;
    bool fileMustExist = true;
};

class DialogPort {
  public:
    virtual ~DialogPort() = default;
    // MessageBoxA owned by the program's active window; returns the kId* of the pressed button.
    virtual int MessageBox(const std::string& text, const std::string& caption, std::uint32_t style) = 0;
    // GetOpenFileNameA; false when cancelled.
    virtual bool OpenFile(const OpenFileRequest& request, std::string& path) = 0;
};

}  // namespace port
