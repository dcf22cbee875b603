#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>
#include <string>
#include <vector>

#include "ports/file_port.h"

namespace win32 {

// LastError() is the error of the call that decided the last result: ERROR_SUCCESS after a success,
// GetLastError() of the failing API call otherwise.
class Win32Files final : public port::FilePort {
  public:
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
    bool WriteNewFileFlushed(const std::string& path, const std::string& bytes, bool& created) override;
    bool GetDiskFreeSpace(const std::string& root, std::uint64_t& freeBytes) override;
    std::string GetCurrentDirectory() override;
    std::string GetFullPathName(const std::string& path) override;
    bool SetCurrentDirectory(const std::string& path) override;
    std::uint32_t LastError() const override { return lastError_; }

  private:
    bool Succeeded();
    bool Failed();
    bool Check(bool ok) { return ok ? Succeeded() : Failed(); }
    bool WriteBytes(const std::string& path, const std::string& bytes, bool append);

    std::uint32_t lastError_ = 0;
};

}  // namespace win32
