#include "win32/ports/system_info.h"

#include <shlobj.h>

#include <vector>

#include "win32/module_path.h"
#include "win32/on_demand.h"
#include "win32/ports/proc.h"
#include "win32/text.h"

namespace win32 {

namespace {

// For the folder queries that return the length they need when the buffer is too small.
template <typename Query>
std::string GrowingQuery(Query query) {
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD n = query(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return Narrow(std::wstring_view(buffer.data(), n));
        buffer.assign(n + 1, L'\0');
    }
    return {};
}

}  // namespace

port::OsVersion Win32SystemInfo::GetVersionEx() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    port::OsVersion version;
    if (!::GetVersionExW(&info)) return version;
    version.ok = true;
    version.platformId = info.dwPlatformId;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    // As reported: Windows 95/98 keep the major and minor version in its high word.
    version.build = info.dwBuildNumber;
    return version;
}

bool Win32SystemInfo::GetUserName(std::string& name) {
    std::vector<wchar_t> buffer(257);  // UNLEN + 1
    DWORD size = static_cast<DWORD>(buffer.size());
    if (!::GetUserNameW(buffer.data(), &size)) {
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= buffer.size()) return false;
        buffer.assign(size, L'\0');
        if (!::GetUserNameW(buffer.data(), &size)) return false;
    }
    name = NarrowUntilNul(buffer.data(), buffer.size());
    return true;
}

std::uint16_t Win32SystemInfo::GetSystemDefaultLangID() {
    return ::GetSystemDefaultLangID();
}

port::MemoryStatus Win32SystemInfo::GlobalMemoryStatus() {
    port::MemoryStatus status;
    // GlobalMemoryStatusEx arrived with Windows 2000; the old call saturates above 4 GB.
    using ExFn = BOOL(WINAPI*)(LPMEMORYSTATUSEX);
    if (auto statusEx = LoadProc<ExFn>(L"kernel32.dll", "GlobalMemoryStatusEx")) {
        MEMORYSTATUSEX ex{};
        ex.dwLength = sizeof(ex);
        if (statusEx(&ex)) {
            status.memoryLoad = ex.dwMemoryLoad;
            status.totalPhys = ex.ullTotalPhys;
            status.availPhys = ex.ullAvailPhys;
            status.totalPageFile = ex.ullTotalPageFile;
            status.availPageFile = ex.ullAvailPageFile;
            status.totalVirtual = ex.ullTotalVirtual;
            status.availVirtual = ex.ullAvailVirtual;
            return status;
        }
    }
    MEMORYSTATUS old{};
    old.dwLength = sizeof(old);
    ::GlobalMemoryStatus(&old);
    status.memoryLoad = old.dwMemoryLoad;
    status.totalPhys = old.dwTotalPhys;
    status.availPhys = old.dwAvailPhys;
    status.totalPageFile = old.dwTotalPageFile;
    status.availPageFile = old.dwAvailPageFile;
    status.totalVirtual = old.dwTotalVirtual;
    status.availVirtual = old.dwAvailVirtual;
    return status;
}

int Win32SystemInfo::GetKeyboardType(int typeFlag) {
    return ::GetKeyboardType(typeFlag);
}

int Win32SystemInfo::GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

std::string Win32SystemInfo::GetWindowsDirectory() {
    return GrowingQuery([](wchar_t* buffer, DWORD size) { return ::GetWindowsDirectoryW(buffer, size); });
}

std::string Win32SystemInfo::GetSystemDirectory() {
    return GrowingQuery([](wchar_t* buffer, DWORD size) { return ::GetSystemDirectoryW(buffer, size); });
}

std::string Win32SystemInfo::GetTempPath() {
    return GrowingQuery([](wchar_t* buffer, DWORD size) { return ::GetTempPathW(size, buffer); });
}

std::string Win32SystemInfo::ExecutablePath() {
    return Narrow(ModuleFileName(nullptr));
}

std::string Win32SystemInfo::GetLocalAppDataFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(
            on_demand::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, path)))
        return {};
    return Narrow(path);
}

std::string Win32SystemInfo::CommandLine() {
    const wchar_t* line = ::GetCommandLineW();
    return line ? Narrow(line) : std::string();
}

}  // namespace win32
