#include "win32/ports/files.h"

#include <algorithm>

#include "win32/handles.h"
#include "win32/ports/proc.h"
#include "win32/text.h"

namespace win32 {

static_assert(port::kMoveReplaceExisting == MOVEFILE_REPLACE_EXISTING &&
              port::kMoveCopyAllowed == MOVEFILE_COPY_ALLOWED &&
              port::kMoveWriteThrough == MOVEFILE_WRITE_THROUGH);

bool Win32Files::Succeeded() {
    lastError_ = ERROR_SUCCESS;
    return true;
}

bool Win32Files::Failed() {
    lastError_ = ::GetLastError();
    return false;
}

bool Win32Files::FindFiles(const std::string& pattern, std::vector<port::FindData>& out) {
    out.clear();
    WIN32_FIND_DATAW data;
    OwnedFind find(::FindFirstFileW(Widen(pattern).c_str(), &data));
    if (!find) return Failed();
    do {
        port::FindData entry;
        entry.name = NarrowUntilNul(data.cFileName, MAX_PATH);
        entry.attributes = data.dwFileAttributes;
        entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        out.push_back(std::move(entry));
    } while (::FindNextFileW(find.Get(), &data));
    if (::GetLastError() != ERROR_NO_MORE_FILES) return Failed();
    return Succeeded();
}

std::uint32_t Win32Files::GetFileAttributes(const std::string& path) {
    DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    Check(attributes != INVALID_FILE_ATTRIBUTES);
    return attributes;
}

bool Win32Files::SetFileAttributes(const std::string& path, std::uint32_t attributes) {
    return Check(::SetFileAttributesW(Widen(path).c_str(), attributes));
}

bool Win32Files::DeleteFile(const std::string& path) {
    return Check(::DeleteFileW(Widen(path).c_str()));
}

bool Win32Files::CreateDirectory(const std::string& path) {
    return Check(::CreateDirectoryW(Widen(path).c_str(), nullptr));
}

bool Win32Files::RemoveDirectory(const std::string& path) {
    return Check(::RemoveDirectoryW(Widen(path).c_str()));
}

bool Win32Files::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return Check(::CopyFileW(Widen(from).c_str(), Widen(to).c_str(), failIfExists));
}

bool Win32Files::MoveFile(const std::string& from, const std::string& to) {
    return Check(::MoveFileW(Widen(from).c_str(), Widen(to).c_str()));
}

bool Win32Files::MoveFileEx(const std::string& from, const std::string& to, std::uint32_t flags) {
    // An empty target is MoveFileEx's "delete" (with MOVEFILE_DELAY_UNTIL_REBOOT), hence NULL.
    std::wstring target = Widen(to);
    return Check(::MoveFileExW(Widen(from).c_str(), target.empty() ? nullptr : target.c_str(), flags));
}

bool Win32Files::ReadFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    OwnedHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Failed();
    char chunk[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.Get(), chunk, sizeof(chunk), &got, nullptr)) return Failed();
        if (got == 0) break;
        bytes.append(chunk, got);
    }
    return Succeeded();
}

bool Win32Files::WriteBytes(const std::string& path, const std::string& bytes, bool append) {
    OwnedHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Failed();
    if (append) {
        // SetFilePointerEx is missing on Windows 95; the high part keeps files above 4 GB right.
        LONG high = 0;
        ::SetLastError(ERROR_SUCCESS);
        if (::SetFilePointer(file.Get(), 0, &high, FILE_END) == INVALID_SET_FILE_POINTER &&
            ::GetLastError() != ERROR_SUCCESS)
            return Failed();
    }
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data() + done, want, &written, nullptr)) return Failed();
        done += written;
    }
    return Succeeded();
}

bool Win32Files::WriteFile(const std::string& path, const std::string& bytes) {
    return WriteBytes(path, bytes, false);
}

bool Win32Files::AppendFile(const std::string& path, const std::string& bytes) {
    return WriteBytes(path, bytes, true);
}

bool Win32Files::WriteNewFileFlushed(const std::string& path, const std::string& bytes, bool& created) {
    created = false;
    OwnedHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Failed();
    created = true;
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data() + done, want, &written, nullptr) || written == 0)
            return Failed();
        done += written;
    }
    // Without it the bytes may sit in the cache and the disk never spins.
    return Check(::FlushFileBuffers(file.Get()));
}

bool Win32Files::GetDiskFreeSpace(const std::string& root, std::uint64_t& freeBytes) {
    std::wstring wroot = Widen(root);
    // The Ex form (Windows 95 OSR2 and later) is the only one right beyond 2 GB.
    using ExFn = BOOL(WINAPI*)(LPCWSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    if (auto freeSpaceEx = LoadProc<ExFn>(L"kernel32.dll", "GetDiskFreeSpaceExW")) {
        ULARGE_INTEGER available{}, total{}, totalFree{};
        if (!freeSpaceEx(wroot.c_str(), &available, &total, &totalFree)) return Failed();
        freeBytes = available.QuadPart;
        return Succeeded();
    }
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!::GetDiskFreeSpaceW(wroot.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return Failed();
    freeBytes = static_cast<std::uint64_t>(sectorsPerCluster) * bytesPerSector * freeClusters;
    return Succeeded();
}

std::string Win32Files::GetCurrentDirectory() {
    DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) {
        Failed();
        return {};
    }
    std::wstring buffer(needed, L'\0');
    DWORD n = ::GetCurrentDirectoryW(needed, buffer.data());
    if (n == 0 || n >= needed) {
        Failed();
        return {};
    }
    Succeeded();
    return Narrow(std::wstring_view(buffer.data(), n));
}

std::string Win32Files::GetFullPathName(const std::string& path) {
    const std::wstring wide = Widen(path);
    DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        Failed();
        return {};
    }
    std::wstring buffer(needed, L'\0');
    DWORD n = ::GetFullPathNameW(wide.c_str(), needed, buffer.data(), nullptr);
    if (n == 0 || n >= needed) {
        Failed();
        return {};
    }
    Succeeded();
    return Narrow(std::wstring_view(buffer.data(), n));
}

bool Win32Files::SetCurrentDirectory(const std::string& path) {
    return Check(::SetCurrentDirectoryW(Widen(path).c_str()));
}

}  // namespace win32
