#include "win32/on_demand.h"

#include <string>

namespace win32::on_demand {

namespace {

// By its full path in the system folder: a library of the same name beside the program or in
// the current folder must never be taken instead.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path(folder, length);
    if (path.back() != L'\\') path += L'\\';
    path += name;
    return ::LoadLibraryW(path.c_str());
}

template <typename Fn>
Fn Bind(const wchar_t* library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    if (!module) return nullptr;
    FARPROC proc = ::GetProcAddress(module, name);
    // The detour through void* keeps -Wcast-function-type quiet; the signature is the caller's word.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}

}  // namespace

// Each call binds on its first use (function statics are initialised once, whichever thread comes
// first); the library then stays loaded for the rest of the process.
BOOL GetOpenFileNameW(OPENFILENAMEW* dialog) {
    static const auto bound = Bind<decltype(&::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    return bound ? bound(dialog) : FALSE;
}

DWORD WNetGetConnectionW(LPCWSTR localName, LPWSTR remoteName, LPDWORD length) {
    static const auto bound = Bind<decltype(&::WNetGetConnectionW)>(L"mpr.dll", "WNetGetConnectionW");
    return bound ? bound(localName, remoteName, length) : ERROR_NO_NETWORK;
}

HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                        INT showCommand) {
    static const auto bound = Bind<decltype(&::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!bound) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return bound(owner, verb, file, parameters, directory, showCommand);
}

BOOL Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data) {
    static const auto bound = Bind<decltype(&::Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
    return bound ? bound(message, data) : FALSE;
}

DWORD_PTR SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags) {
    static const auto bound = Bind<decltype(&::SHGetFileInfoW)>(L"shell32.dll", "SHGetFileInfoW");
    return bound ? bound(path, attributes, info, size, flags) : 0;
}

HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path) {
    static const auto bound = Bind<decltype(&::SHGetFolderPathW)>(L"shell32.dll", "SHGetFolderPathW");
    return bound ? bound(owner, folder, token, flags, path) : E_FAIL;
}

MCIERROR mciSendCommandW(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) {
    static const auto bound = Bind<decltype(&::mciSendCommandW)>(L"winmm.dll", "mciSendCommandW");
    return bound ? bound(device, message, flags, params) : MCIERR_CANNOT_LOAD_DRIVER;
}

BOOL mciGetErrorStringW(MCIERROR error, LPWSTR text, UINT length) {
    static const auto bound = Bind<decltype(&::mciGetErrorStringW)>(L"winmm.dll", "mciGetErrorStringW");
    return bound ? bound(error, text, length) : FALSE;
}

}  // namespace win32::on_demand
