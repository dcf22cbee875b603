#include "tests/win32/support.h"

#include "win32/text.h"

namespace support {

std::string Unique(const std::string& stem) {
    return stem + "-" + std::to_string(::GetCurrentProcessId());
}

std::string ScratchFolder(const std::string& stem) {
    wchar_t temp[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, temp);
    std::wstring folder = std::wstring(temp) + win32::Widen(Unique(stem));
    RemoveTree(folder);
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return win32::Narrow(folder) + "\\";
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + L"\\" + name;
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(folder.c_str());
}

HWND CreateProbeWindow(const wchar_t* title) {
    static ATOM windowClass = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"RvlnAdapterProbe";
        return ::RegisterClassW(&wc);
    }();
    if (!windowClass) return nullptr;
    return ::CreateWindowExW(0, L"RvlnAdapterProbe", title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 120, nullptr,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

}  // namespace support
