// Files and folders through Win32Files, in a scratch folder of the temp path.
#include "win32/ports/win_api.h"

#include <algorithm>

#include "tests/win32/check.h"
#include "tests/win32/support.h"
#include "win32/ports/files.h"
#include "win32/text.h"

namespace {

const port::FindData* Find(const std::vector<port::FindData>& list, const std::string& name) {
    auto it = std::find_if(list.begin(), list.end(), [&](const port::FindData& d) { return d.name == name; });
    return it == list.end() ? nullptr : &*it;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

CHECK_GROUP(files) {
    win32::Win32Files files;
    const std::string dir = support::ScratchFolder("files");
    const std::string a = dir + "a.txt", b = dir + "b.txt", c = dir + "c.txt";
    const std::string bytes("line 1\r\n\0\xFF\xE4 end", 15);
    std::string read;

    // Whole-file writing, appending and reading, byte for byte.
    CHECK(files.WriteFile(a, bytes));
    CHECK_EQ(files.LastError(), 0u);
    CHECK(files.ReadFile(a, read));
    CHECK_EQ(read, bytes);
    CHECK(files.AppendFile(a, "+tail"));
    CHECK(files.ReadFile(a, read));
    CHECK_EQ(read, bytes + "+tail");
    CHECK(files.WriteFile(a, "short"));  // truncates
    CHECK(files.ReadFile(a, read));
    CHECK_EQ(read, std::string("short"));
    CHECK(files.AppendFile(dir + "new.log", "first"));  // created when missing
    CHECK(files.ReadFile(dir + "new.log", read));
    CHECK_EQ(read, std::string("first"));
    CHECK(files.WriteFile(dir + "empty", ""));
    CHECK(files.ReadFile(dir + "empty", read));
    CHECK(read.empty());

    std::string big(1500000, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 131 % 251);
    CHECK(files.WriteFile(dir + "big.bin", big));
    CHECK(files.ReadFile(dir + "big.bin", read));
    CHECK(read == big);

    read = "stale";
    CHECK(!files.ReadFile(dir + "missing.txt", read));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    CHECK(read.empty());
    CHECK(!files.WriteFile(dir + "no folder\\x.txt", "x"));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));

    // Attributes.
    CHECK_EQ(files.GetFileAttributes(a) & port::kAttrDirectory, 0u);
    CHECK(files.GetFileAttributes(dir) & port::kAttrDirectory);
    CHECK_EQ(files.GetFileAttributes(dir + "missing.txt"), port::kInvalidAttributes);
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    CHECK(files.SetFileAttributes(a, port::kAttrReadOnly | port::kAttrHidden));
    CHECK_EQ(files.GetFileAttributes(a) & (port::kAttrReadOnly | port::kAttrHidden),
             static_cast<std::uint32_t>(port::kAttrReadOnly | port::kAttrHidden));
    CHECK(!files.DeleteFile(a));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    CHECK(files.SetFileAttributes(a, port::kAttrNormal));
    CHECK_EQ(files.GetFileAttributes(a) & (port::kAttrReadOnly | port::kAttrHidden), 0u);

    // Copying and moving.
    CHECK(files.CopyFile(a, b, true));
    CHECK(files.ReadFile(b, read));
    CHECK_EQ(read, std::string("short"));
    CHECK(files.WriteFile(a, "changed"));
    CHECK(!files.CopyFile(a, b, true));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_FILE_EXISTS));
    CHECK(files.CopyFile(a, b, false));
    CHECK(files.ReadFile(b, read));
    CHECK_EQ(read, std::string("changed"));
    CHECK(files.MoveFile(b, c));
    CHECK_EQ(files.GetFileAttributes(b), port::kInvalidAttributes);
    CHECK(files.WriteFile(b, "other"));
    CHECK(!files.MoveFile(b, c));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_ALREADY_EXISTS));
    CHECK(!files.MoveFileEx(b, c, 0));
    CHECK(files.MoveFileEx(b, c, port::kMoveReplaceExisting));
    CHECK(files.ReadFile(c, read));
    CHECK_EQ(read, std::string("other"));
    CHECK_EQ(files.GetFileAttributes(b), port::kInvalidAttributes);
    CHECK(!files.MoveFile(dir + "missing.txt", b));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));

    // Folders.
    const std::string sub = dir + "Sub \xC3\xBC";
    CHECK(files.CreateDirectory(sub));
    CHECK(!files.CreateDirectory(sub));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_ALREADY_EXISTS));
    CHECK(files.WriteFile(sub + "\\Gr\xC3\xBC\xC3\x9F\x65.txt", "12345"));
    CHECK(!files.RemoveDirectory(sub));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_DIR_NOT_EMPTY));

    // Finding, "." and ".." included.
    std::vector<port::FindData> found;
    CHECK(files.FindFiles(dir + "*.*", found));
    const port::FindData* dot = Find(found, ".");
    CHECK(dot != nullptr);
    if (dot) CHECK(dot->attributes & port::kAttrDirectory);
    CHECK(Find(found, "..") != nullptr);
    const port::FindData* big_ = Find(found, "big.bin");
    CHECK(big_ != nullptr);
    if (big_) CHECK_EQ(big_->size, static_cast<std::uint64_t>(big.size()));
    const port::FindData* subEntry = Find(found, "Sub \xC3\xBC");
    CHECK(subEntry != nullptr);
    if (subEntry) CHECK(subEntry->attributes & port::kAttrDirectory);
    CHECK_EQ(found.size(), 8u);  // . .. a.txt c.txt new.log empty big.bin Sub
    CHECK(files.FindFiles(sub + "\\*.txt", found));
    CHECK_EQ(found.size(), 1u);
    if (!found.empty()) {
        CHECK_EQ(found[0].name, std::string("Gr\xC3\xBC\xC3\x9F\x65.txt"));
        CHECK_EQ(found[0].size, 5u);
    }
    CHECK(!files.FindFiles(dir + "*.nothing", found));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    CHECK(found.empty());

    CHECK(files.DeleteFile(sub + "\\Gr\xC3\xBC\xC3\x9F\x65.txt"));
    CHECK(!files.DeleteFile(sub + "\\Gr\xC3\xBC\xC3\x9F\x65.txt"));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    CHECK(files.RemoveDirectory(sub));
    CHECK_EQ(files.GetFileAttributes(sub), port::kInvalidAttributes);

    // Free space and the current folder.
    std::uint64_t freeBytes = 0;
    CHECK(files.GetDiskFreeSpace("C:\\", freeBytes));
    CHECK(freeBytes > 0);

    std::string before = files.GetCurrentDirectory();
    CHECK(!before.empty());
    CHECK(files.SetCurrentDirectory(dir));
    CHECK_EQ(Lower(files.GetCurrentDirectory()), Lower(dir.substr(0, dir.size() - 1)));
    CHECK(!files.SetCurrentDirectory(dir + "missing"));
    CHECK_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    CHECK(files.SetCurrentDirectory(before));
    CHECK_EQ(files.GetCurrentDirectory(), before);

    support::RemoveTree(win32::Widen(dir.substr(0, dir.size() - 1)));
    CHECK_EQ(files.GetFileAttributes(dir), port::kInvalidAttributes);
}
