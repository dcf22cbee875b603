#pragma once
// The file system: volumes on drive letters (and "\\SERVER\SHARE" roots), directories and files
// with attributes and contents, free space per volume. Paths compare without regard to case,
// take "\" (or "/") as separator, resolve ".", ".." and relative paths against the current
// directory, and lose trailing dots and blanks of their names as Win32 paths do.
//
// Windows behaviour kept on purpose: read-only files refuse deletion and overwriting
// (ERROR_ACCESS_DENIED); a write that does not fit fails with ERROR_DISK_FULL and leaves a
// truncated file empty; a root directory lists no "." and ".."; a volume without its medium
// answers ERROR_NOT_READY; the current directory cannot be removed (ERROR_SHARING_VIOLATION);
// MoveFileEx does not exist on Windows 95/98 (ERROR_CALL_NOT_IMPLEMENTED); directories list
// in creation order, as on FAT.
//
// The default machine has C: (fixed, 2 GB free) with C:\WINDOWS, C:\WINDOWS\TEMP and
// C:\RAVELIN holding RVLN.EXE; the current directory is C:\RAVELIN.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "ports/device_port.h"
#include "ports/file_port.h"
#include "sim/errors.h"

namespace sim {

class SimSystemInfo;

enum class FileOp {
    Any,
    Find,
    GetAttributes,
    SetAttributes,
    Delete,
    CreateDirectory,
    RemoveDirectory,
    Copy,
    Move,
    Read,
    Write,  // WriteFile, AppendFile, and the creation and writing of WriteNewFileFlushed
    Flush,  // the bytes of WriteNewFileFlushed reached the disk
    FreeSpace,
    SetCurrentDirectory,
};

// One call of the program, in order, for tests that look at what happened to a path.
struct FileCall {
    FileOp op;
    std::string path;
    std::string path2;  // the destination of a copy or move
    bool ok = false;
    std::uint32_t error = 0;
};

class SimFiles : public port::FilePort {
  public:
    explicit SimFiles(const SimSystemInfo& system);

    bool FindFiles(const std::string& pattern, std::vector<port::FindData>& out) override;
    std::uint32_t GetFileAttributes(const std::string& path) override;
    bool SetFileAttributes(const std::string& path, std::uint32_t attributes) override;
    bool DeleteFile(const std::string& path) override;
    bool CreateDirectory(const std::string& path) override;
    bool RemoveDirectory(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool MoveFile(const std::string& from, const std::string& to) override;
    bool MoveFileEx(const std::string& from, const std::string& to, std::uint32_t flags) override;
    bool ReadFile(const std::string& path, std::string& bytes) override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;
    bool AppendFile(const std::string& path, const std::string& bytes) override;
    // Fails with ERROR_FILE_EXISTS for an existing path; records the creation and the bytes as
    // Write calls and the flush as a Flush call.
    bool WriteNewFileFlushed(const std::string& path, const std::string& bytes, bool& created) override;
    bool GetDiskFreeSpace(const std::string& root, std::uint64_t& freeBytes) override;
    std::string GetCurrentDirectory() override;
    std::string GetFullPathName(const std::string& path) override;
    bool SetCurrentDirectory(const std::string& path) override;
    std::uint32_t LastError() const override { return lastError_; }

    // Volumes. A CD-ROM drive refuses writes with ERROR_ACCESS_DENIED.
    void AddDrive(char letter, std::uint32_t type, std::uint64_t freeBytes = 0);
    void AddShare(const std::string& root, std::uint64_t freeBytes);  // "\\SERVER\SHARE"
    void RemoveDrive(char letter);
    void RemoveAll();
    bool HasDrive(char letter) const;
    std::uint32_t DriveType(char letter) const;  // kDriveNoRootDir when there is no such drive
    std::string DriveLetters() const;            // "ACDE"
    void SetFreeBytes(char letter, std::uint64_t bytes);
    std::uint64_t FreeBytes(char letter) const;
    void SetMediaPresent(char letter, bool present);
    bool MediaPresent(char letter) const;
    // 0 makes the drive writable again.
    void SetWriteError(char letter, std::uint32_t error = kErrWriteProtect);
    void SetVolumeInfo(char letter, port::VolumeInfo info);
    std::optional<port::VolumeInfo> VolumeInfo(char letter) const;
    void SetRemoteName(char letter, std::string remoteName);  // a network drive's "\\SERVER\SHARE"
    std::string RemoteName(char letter) const;

    // Contents. Missing parent folders are created; free space is left alone.
    // False when the path names no volume or runs through a file.
    bool AddFile(const std::string& path, const std::string& bytes = {},
                 std::uint32_t attributes = port::kAttrArchive);
    bool AddDirectory(const std::string& path, std::uint32_t attributes = 0);
    // A directory link (junction, symbolic link) at path to the folder target: it lists as a
    // directory with the reparse attribute, paths through it and its listing reach the target,
    // and removing it leaves the target alone.
    bool AddLink(const std::string& path, const std::string& target);
    bool Exists(const std::string& path) const;
    bool IsDirectory(const std::string& path) const;
    std::optional<std::string> FileBytes(const std::string& path) const;
    std::uint32_t Attributes(const std::string& path) const;  // kInvalidAttributes when absent
    std::vector<std::string> List(const std::string& directory) const;
    std::string Dump() const;

    // The next count calls of op (every call when count < 0) on path or below it (on any path
    // when empty) fail with error. For a copy or move either path counts.
    void InjectFailure(FileOp op, std::uint32_t error, int count = 1, const std::string& path = {});
    void ClearFailures() { failures_.clear(); }

    std::vector<FileCall> calls;
    int CountCalls(FileOp op, const std::string& path) const;

  private:
    struct Node {
        std::string name;
        std::uint32_t attributes = 0;
        std::string bytes;
        std::vector<std::unique_ptr<Node>> children;
        std::string linkTarget;  // a link's full target path
        bool IsDir() const { return attributes & port::kAttrDirectory; }
        Node* Child(const std::string& childName) const;
        void Remove(const Node* child);
    };
    struct Volume {
        std::string root;  // "C:" or "\\SERVER\SHARE" as given
        std::uint32_t type = port::kDriveFixed;
        std::uint64_t freeBytes = 0;
        bool mediaPresent = true;
        std::uint32_t writeError = 0;
        port::VolumeInfo info;
        std::string remoteName;
        Node top;
    };
    // A path taken apart: its volume and the names below the volume's root.
    struct Path {
        Volume* volume = nullptr;
        std::vector<std::string> parts;
        std::string key;  // upper-case full path, for comparisons
    };
    struct Failure {
        FileOp op;
        std::string path;  // upper-case full path, or empty
        std::uint32_t error;
        int remaining;
    };

    // The attributes a file keeps; the directory bit comes from what it is.
    static constexpr std::uint32_t kKeptAttributes =
        port::kAttrReadOnly | port::kAttrHidden | port::kAttrSystem | port::kAttrArchive;
    // Windows reports a file without attributes as FILE_ATTRIBUTE_NORMAL.
    static std::uint32_t Reported(std::uint32_t attributes) {
        return attributes == 0 ? port::kAttrNormal : attributes;
    }
    static std::string Key(const std::string& root);
    Volume* FindVolume(const std::string& key) const;
    Volume* DriveVolume(char letter) const;
    // Takes a path apart; on failure sets error (no volume: PATH_NOT_FOUND, bad name:
    // INVALID_NAME, no medium: NOT_READY).
    bool Parse(const std::string& path, Path& out, std::uint32_t& error, bool needMedium = true) const;
    // The folder that holds the path's last name; null with PATH_NOT_FOUND when it is missing.
    Node* Parent(const Path& path, std::uint32_t& error) const;
    // The folder a link leads to (null when it leads nowhere); any other node itself.
    Node* Follow(Node* node) const;
    // The named node; null with FILE_NOT_FOUND (or PATH_NOT_FOUND for a missing parent).
    Node* Lookup(const Path& path, std::uint32_t& error) const;
    std::string Display(const Path& path) const;
    // Creates the folders down to the path's parent for the set-up helpers.
    Node* MakeParents(const Path& path);
    bool Injected(FileOp op, const std::string& path, const std::string& path2, std::uint32_t& error);
    bool Done(FileOp op, const std::string& path, const std::string& path2, std::uint32_t error);
    bool WriteBytes(const std::string& path, const std::string& bytes, bool append);
    bool Move(const std::string& from, const std::string& to, bool replace, bool copyAllowed);
    static std::uint64_t TreeSize(const Node& node);
    void MakeDefaultMachine();
    static void DumpNode(const Node& node, int depth, std::string& out);

    const SimSystemInfo& system_;
    std::map<std::string, std::unique_ptr<Volume>> volumes_;  // by upper-case root
    std::string currentVolume_;                               // key of the current volume
    std::vector<std::string> currentParts_;
    std::vector<Failure> failures_;
    std::uint32_t lastError_ = 0;
};

}  // namespace sim
