#include "win32/ports/feedback.h"

#include "win32/text.h"

namespace win32 {

static_assert(port::kHelpContext == HELP_CONTEXT && port::kHelpQuit == HELP_QUIT &&
              port::kHelpIndex == HELP_INDEX && port::kHelpKey == HELP_KEY &&
              port::kHelpContextPopup == HELP_CONTEXTPOPUP);

void Win32Feedback::MessageBeep(std::uint32_t type) {
    ::MessageBeep(type);
}

void Win32Feedback::FlashWindow(port::WindowId window, bool invert) {
    ::FlashWindow(ToHwnd(window), invert);
}

bool Win32Feedback::WinHelp(const std::string& helpFile, std::uint32_t command, std::uint32_t context,
                            const std::string& keyword) {
    std::wstring file = Widen(helpFile);
    std::wstring key = Widen(keyword);
    // HELP_KEY takes the keyword's address in the data argument, every other command a number.
    ULONG_PTR data = command == HELP_KEY ? reinterpret_cast<ULONG_PTR>(key.c_str()) : context;
    return ::WinHelpW(WindowFrom(applicationWindow_), file.empty() ? nullptr : file.c_str(), command, data) !=
           FALSE;
}

}  // namespace win32
