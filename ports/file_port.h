#pragma once
// Files and directories. Paths are full Windows paths ("C:\DIR\FILE.EXT"); bytes are written as given.
#include <cstdint>
#include <string>
#include <vector>

namespace port {

enum : std::uint32_t {
    kAttrReadOnly = 0x01,
    kAttrHidden = 0x02,
    kAttrSystem = 0x04,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
    kAttrNormal = 0x80,
    kAttrReparsePoint = 0x400  // a junction, symbolic link or mount point
};
constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFFu;
enum : std::uint32_t { kMoveReplaceExisting = 1, kMoveCopyAllowed = 2, kMoveWriteThrough = 8 };

struct FindData {
    std::string name;  // without the folder
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
};

class FilePort {
  public:
    virtual ~FilePort() = default;
    // FindFirstFileA / FindNextFileA over a pattern such as "C:\TEMP\*.*", "." and ".." included.
    virtual bool FindFiles(const std::string& pattern, std::vector<FindData>& out) = 0;
    virtual std::uint32_t GetFileAttributes(const std::string& path) = 0;
    virtual bool SetFileAttributes(const std::string& path, std::uint32_t attributes) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    virtual bool CreateDirectory(const std::string& path) = 0;
    virtual bool RemoveDirectory(const std::string& path) = 0;
    virtual bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual bool MoveFile(const std::string& from, const std::string& to) = 0;
    virtual bool MoveFileEx(const std::string& from, const std::string& to, std::uint32_t flags) = 0;
    virtual bool ReadFile(const std::string& path, std::string& bytes) = 0;
    virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;   // create or truncate
    virtual bool AppendFile(const std::string& path, const std::string& bytes) = 0;  // create if missing
    // Creates a new file (an existing one is never opened), writes the bytes and flushes them to
    // the disk before closing. False when a step failed; created then tells whether the file was
    // made, and is left for the caller to delete.
    virtual bool WriteNewFileFlushed(const std::string& path, const std::string& bytes, bool& created) = 0;
    // Free bytes available to the caller on the drive of root ("C:\"); false when unknown.
    virtual bool GetDiskFreeSpace(const std::string& root, std::uint64_t& freeBytes) = 0;
    virtual std::string GetCurrentDirectory() = 0;
    // GetFullPathNameA: the path made absolute against the current directories, "." and ".."
    // resolved; empty when it cannot be formed.
    virtual std::string GetFullPathName(const std::string& path) = 0;
    virtual bool SetCurrentDirectory(const std::string& path) = 0;
    virtual std::uint32_t LastError() const = 0;
};

}  // namespace port
