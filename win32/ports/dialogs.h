#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "ports/dialog_port.h"
#include "win32/ports/ids.h"

namespace win32 {

class Win32Dialogs final : public port::DialogPort {
  public:
    // Boxes and dialogs belong to the window the user works in; before any is active, to the
    // application window.
    explicit Win32Dialogs(WindowSource applicationWindow)
        : applicationWindow_(std::move(applicationWindow)) {}

    int MessageBox(const std::string& text, const std::string& caption, std::uint32_t style) override;
    bool OpenFile(const port::OpenFileRequest& request, std::string& path) override;

  private:
    HWND Owner() const;

    WindowSource applicationWindow_;
};

// "Programs|*.EXE|All files|*.*" as the common dialog wants it: NUL after each part and one more
// at the end.
std::wstring FilterList(std::string_view filter);

}  // namespace win32
