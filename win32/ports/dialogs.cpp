#include "win32/ports/dialogs.h"

#include <vector>

#include "win32/on_demand.h"
#include "win32/text.h"

namespace win32 {

std::wstring FilterList(std::string_view filter) {
    if (filter.empty()) return std::wstring(2, L'\0');
    std::wstring list = Widen(filter);
    for (wchar_t& c : list)
        if (c == L'|') c = L'\0';
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

HWND Win32Dialogs::Owner() const {
    HWND active = ::GetActiveWindow();
    return active ? active : WindowFrom(applicationWindow_);
}

namespace {

// The box of the calling thread that is about to show: its Cancel button becomes "&Abort".
HHOOK abortHook = nullptr;

LRESULT CALLBACK RenameCancelToAbort(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wparam);
        if (HWND cancel = ::GetDlgItem(box, IDCANCEL)) ::SetWindowTextW(cancel, L"&Abort");
    }
    return ::CallNextHookEx(abortHook, code, wparam, lparam);
}

}  // namespace

int Win32Dialogs::MessageBox(const std::string& text, const std::string& caption, std::uint32_t style) {
    if ((style & 0xF) != port::kMbYesNoAbort)
        return ::MessageBoxW(Owner(), Widen(text).c_str(), Widen(caption).c_str(), style);
    abortHook = ::SetWindowsHookExW(WH_CBT, RenameCancelToAbort, nullptr, ::GetCurrentThreadId());
    const int answer =
        ::MessageBoxW(Owner(), Widen(text).c_str(), Widen(caption).c_str(), (style & ~0xFu) | MB_YESNOCANCEL);
    if (abortHook) ::UnhookWindowsHookEx(abortHook);
    abortHook = nullptr;
    return answer == IDCANCEL ? IDABORT : answer;
}

bool Win32Dialogs::OpenFile(const port::OpenFileRequest& request, std::string& path) {
    std::wstring filter = FilterList(request.filter);
    std::wstring title = Widen(request.title);
    std::wstring directory = Widen(request.initialDirectory);
    // Taken without its dot, whichever way the caller wrote it.
    std::string_view ext = request.defaultExtension;
    if (!ext.empty() && ext.front() == '.') ext.remove_prefix(1);
    std::wstring extension = Widen(ext);
    std::vector<wchar_t> file(1024, L'\0');

    OPENFILENAMEW dialog{};
    // The record of Windows 95 and NT 4; the later, longer one makes those systems refuse the call.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = Owner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_HIDEREADONLY;
    if (request.fileMustExist) dialog.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!on_demand::GetOpenFileNameW(&dialog)) return false;
    path = NarrowUntilNul(file.data(), file.size());
    return true;
}

}  // namespace win32
