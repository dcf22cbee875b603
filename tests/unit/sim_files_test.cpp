#include <gtest/gtest.h>

#include <algorithm>
#include "sim/sim_files.h"
#include "sim/sim_system_info.h"

namespace {

using sim::FileOp;

class SimFilesTest : public ::testing::Test {
  protected:
    sim::SimSystemInfo system;
    sim::SimFiles files{system};

    std::vector<std::string> Names(const std::string& pattern) {
        std::vector<port::FindData> found;
        files.FindFiles(pattern, found);
        std::vector<std::string> names;
        for (const auto& f : found)
            names.push_back(f.name);
        return names;
    }
};

TEST_F(SimFilesTest, DefaultMachineHasDriveCWithWindowsAndProgramFolders) {
    EXPECT_EQ(files.DriveLetters(), "C");
    EXPECT_EQ(files.DriveType('C'), port::kDriveFixed);
    EXPECT_TRUE(files.IsDirectory("C:\\WINDOWS\\TEMP"));
    EXPECT_TRUE(files.Exists("C:\\RAVELIN\\RVLN.EXE"));
    EXPECT_EQ(files.GetCurrentDirectory(), "C:\\RAVELIN");
    std::uint64_t free = 0;
    ASSERT_TRUE(files.GetDiskFreeSpace("C:\\", free));
    EXPECT_GE(free, 1ull << 30);
}

TEST_F(SimFilesTest, PathsIgnoreCaseAndAcceptSlashesDotsAndRelativeNames) {
    ASSERT_TRUE(files.AddFile("C:\\Temp\\Log.Txt", "abc"));
    EXPECT_EQ(files.FileBytes("c:/TEMP/log.txt"), "abc");
    EXPECT_EQ(files.FileBytes("C:\\WINDOWS\\..\\TEMP\\.\\LOG.TXT"), "abc");
    EXPECT_EQ(files.FileBytes("C:\\TEMP\\LOG.TXT. "), "abc");  // trailing dots and blanks go
    ASSERT_TRUE(files.SetCurrentDirectory("c:\\temp"));
    EXPECT_EQ(files.GetCurrentDirectory(), "C:\\Temp");
    std::string bytes;
    EXPECT_TRUE(files.ReadFile("log.txt", bytes));
    EXPECT_TRUE(files.ReadFile("\\TEMP\\LOG.TXT", bytes));
    EXPECT_TRUE(files.WriteFile("new.txt", "x"));
    EXPECT_TRUE(files.Exists("C:\\TEMP\\NEW.TXT"));
    EXPECT_FALSE(files.SetCurrentDirectory("C:\\TEMP\\LOG.TXT"));
    EXPECT_EQ(files.LastError(), sim::kErrDirectory);
}

TEST_F(SimFilesTest, FindListsDotEntriesExceptInARootAndFollowsWindowsPatterns) {
    files.AddFile("C:\\RAVELIN\\S1.ICO");
    files.AddFile("C:\\RAVELIN\\S10.ICO");
    files.AddFile("C:\\RAVELIN\\README");
    files.AddDirectory("C:\\RAVELIN\\SUB");
    EXPECT_EQ(Names("C:\\RAVELIN\\*.*"),
              (std::vector<std::string>{".", "..", "RVLN.EXE", "S1.ICO", "S10.ICO", "README", "SUB"}));
    EXPECT_EQ(Names("C:\\RAVELIN\\s*.ico"), (std::vector<std::string>{"S1.ICO", "S10.ICO"}));
    EXPECT_EQ(Names("C:\\RAVELIN\\*."), (std::vector<std::string>{".", "..", "README", "SUB"}));
    EXPECT_EQ(Names("C:\\RAVELIN\\README.*"), (std::vector<std::string>{"README"}));
    EXPECT_EQ(Names("C:\\RAVELIN\\S?.ICO"), (std::vector<std::string>{"S1.ICO"}));
    EXPECT_EQ(Names("C:\\*.*"), (std::vector<std::string>{"WINDOWS", "RAVELIN"}));

    std::vector<port::FindData> found;
    ASSERT_TRUE(files.FindFiles("C:\\RAVELIN\\SUB", found));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].attributes, port::kAttrDirectory);
    EXPECT_FALSE(files.FindFiles("C:\\RAVELIN\\*.TXT", found));
    EXPECT_EQ(files.LastError(), port::kErrFileNotFound);
    EXPECT_FALSE(files.FindFiles("C:\\NOWHERE\\*.*", found));
    EXPECT_EQ(files.LastError(), port::kErrPathNotFound);
    EXPECT_FALSE(files.FindFiles("Q:\\*.*", found));
    EXPECT_EQ(files.LastError(), port::kErrPathNotFound);
}

TEST_F(SimFilesTest, ReadOnlyFilesRefuseDeletionAndOverwriting) {
    files.AddFile("C:\\MSDOS.SYS", "[Options]\r\n",
                  port::kAttrReadOnly | port::kAttrHidden | port::kAttrSystem | port::kAttrArchive);
    EXPECT_EQ(files.GetFileAttributes("C:\\MSDOS.SYS"), 0x27u);
    EXPECT_FALSE(files.DeleteFile("C:\\MSDOS.SYS"));
    EXPECT_EQ(files.LastError(), port::kErrAccessDenied);
    EXPECT_FALSE(files.WriteFile("C:\\MSDOS.SYS", "x"));
    EXPECT_FALSE(files.AppendFile("C:\\MSDOS.SYS", "x"));
    EXPECT_FALSE(files.CopyFile("C:\\RAVELIN\\RVLN.EXE", "C:\\MSDOS.SYS", false));
    EXPECT_EQ(files.FileBytes("C:\\MSDOS.SYS"), "[Options]\r\n");

    ASSERT_TRUE(files.SetFileAttributes("C:\\MSDOS.SYS", port::kAttrNormal));
    EXPECT_EQ(files.GetFileAttributes("C:\\MSDOS.SYS"), port::kAttrNormal);
    EXPECT_TRUE(files.DeleteFile("C:\\MSDOS.SYS"));
    EXPECT_EQ(files.GetFileAttributes("C:\\MSDOS.SYS"), port::kInvalidAttributes);
    EXPECT_EQ(files.LastError(), port::kErrFileNotFound);
}

TEST_F(SimFilesTest, FreeSpaceFollowsWritesAndAFullDriveFailsWithDiskFull) {
    files.AddDrive('D', port::kDriveFixed, 100);
    ASSERT_TRUE(files.WriteFile("D:\\A.TXT", std::string(60, 'a')));
    EXPECT_EQ(files.FreeBytes('D'), 40u);
    EXPECT_FALSE(files.AppendFile("D:\\A.TXT", std::string(41, 'b')));
    EXPECT_EQ(files.LastError(), port::kErrDiskFull);
    EXPECT_EQ(files.FileBytes("D:\\A.TXT")->size(), 60u);
    ASSERT_TRUE(files.AppendFile("D:\\A.TXT", std::string(40, 'b')));
    EXPECT_EQ(files.FreeBytes('D'), 0u);
    // Rewriting frees the old contents first.
    ASSERT_TRUE(files.WriteFile("D:\\A.TXT", std::string(100, 'c')));
    // A rewrite that does not fit leaves the file truncated and empty, as on Windows.
    files.SetFreeBytes('D', 0);
    EXPECT_FALSE(files.WriteFile("D:\\A.TXT", std::string(101, 'd')));
    EXPECT_EQ(files.FileBytes("D:\\A.TXT"), "");
    EXPECT_EQ(files.FreeBytes('D'), 100u);
    ASSERT_TRUE(files.WriteFile("D:\\B.TXT", std::string(30, 'e')));
    EXPECT_TRUE(files.DeleteFile("D:\\B.TXT"));
    EXPECT_EQ(files.FreeBytes('D'), 100u);
}

TEST_F(SimFilesTest, CopyAndMoveFollowWindowsRules) {
    files.AddDrive('D', port::kDriveFixed, 1000);
    files.AddFile("C:\\A.TXT", "aaa", port::kAttrReadOnly);
    files.AddFile("C:\\B.TXT", "bb");
    EXPECT_FALSE(files.CopyFile("C:\\A.TXT", "C:\\B.TXT", true));
    EXPECT_EQ(files.LastError(), sim::kErrFileExists);
    ASSERT_TRUE(files.CopyFile("C:\\A.TXT", "C:\\B.TXT", false));
    EXPECT_EQ(files.FileBytes("C:\\B.TXT"), "aaa");
    EXPECT_EQ(files.Attributes("C:\\B.TXT"), port::kAttrReadOnly | port::kAttrArchive);
    EXPECT_FALSE(files.CopyFile("C:\\NONE.TXT", "C:\\C.TXT", false));
    EXPECT_EQ(files.LastError(), port::kErrFileNotFound);
    EXPECT_FALSE(files.CopyFile("C:\\A.TXT", "C:\\NODIR\\C.TXT", false));
    EXPECT_EQ(files.LastError(), port::kErrPathNotFound);

    files.AddFile("C:\\C.TXT", "c");
    EXPECT_FALSE(files.MoveFile("C:\\C.TXT", "C:\\A.TXT"));
    EXPECT_EQ(files.LastError(), port::kErrAlreadyExists);
    ASSERT_TRUE(files.MoveFile("C:\\C.TXT", "D:\\MOVED.TXT"));  // MoveFile copies across drives
    EXPECT_FALSE(files.Exists("C:\\C.TXT"));
    EXPECT_EQ(files.FreeBytes('D'), 999u);
    ASSERT_TRUE(files.MoveFile("C:\\RAVELIN", "C:\\RAVELIN2"));
    EXPECT_TRUE(files.Exists("C:\\RAVELIN2\\RVLN.EXE"));
    EXPECT_FALSE(files.MoveFile("C:\\RAVELIN2", "D:\\RAVELIN"));
    EXPECT_EQ(files.LastError(), sim::kErrNotSameDevice);
    ASSERT_TRUE(files.MoveFile("c:\\b.txt", "C:\\b.txt"));  // only the case changes
    auto names = files.List("C:\\");
    EXPECT_NE(std::find(names.begin(), names.end(), "b.txt"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "B.TXT"), names.end());
}

TEST_F(SimFilesTest, MoveFileExReplacesOnNtAndDoesNotExistOnWindows98) {
    files.AddFile("C:\\NEW.TMP", "new");
    files.AddFile("C:\\OLD.LOG", "old");
    system.SetOs(sim::Os::Win98);
    EXPECT_FALSE(files.MoveFileEx("C:\\NEW.TMP", "C:\\OLD.LOG", port::kMoveReplaceExisting));
    EXPECT_EQ(files.LastError(), port::kErrCallNotImplemented);
    system.SetOs(sim::Os::NT4);
    EXPECT_FALSE(files.MoveFileEx("C:\\NEW.TMP", "C:\\OLD.LOG", 0));
    EXPECT_EQ(files.LastError(), port::kErrAlreadyExists);
    ASSERT_TRUE(files.MoveFileEx("C:\\NEW.TMP", "C:\\OLD.LOG", port::kMoveReplaceExisting));
    EXPECT_EQ(files.FileBytes("C:\\OLD.LOG"), "new");
    EXPECT_FALSE(files.Exists("C:\\NEW.TMP"));
    files.AddDrive('D', port::kDriveFixed, 1000);
    EXPECT_FALSE(files.MoveFileEx("C:\\OLD.LOG", "D:\\OLD.LOG", port::kMoveReplaceExisting));
    EXPECT_EQ(files.LastError(), sim::kErrNotSameDevice);
    EXPECT_TRUE(files.MoveFileEx("C:\\OLD.LOG", "D:\\OLD.LOG", port::kMoveCopyAllowed));
}

TEST_F(SimFilesTest, DirectoriesAreCreatedAndRemovedLikeOnWindows) {
    EXPECT_FALSE(files.CreateDirectory("C:\\A\\B"));
    EXPECT_EQ(files.LastError(), port::kErrPathNotFound);
    ASSERT_TRUE(files.CreateDirectory("C:\\A"));
    EXPECT_FALSE(files.CreateDirectory("C:\\a"));
    EXPECT_EQ(files.LastError(), port::kErrAlreadyExists);
    ASSERT_TRUE(files.CreateDirectory("C:\\A\\B"));
    EXPECT_FALSE(files.RemoveDirectory("C:\\A"));
    EXPECT_EQ(files.LastError(), sim::kErrDirNotEmpty);
    EXPECT_FALSE(files.DeleteFile("C:\\A\\B"));
    EXPECT_EQ(files.LastError(), port::kErrAccessDenied);
    files.SetFileAttributes("C:\\A\\B", port::kAttrReadOnly);
    EXPECT_EQ(files.Attributes("C:\\A\\B"), port::kAttrReadOnly | port::kAttrDirectory);
    EXPECT_FALSE(files.RemoveDirectory("C:\\A\\B"));
    EXPECT_EQ(files.LastError(), port::kErrAccessDenied);
    files.SetFileAttributes("C:\\A\\B", 0);
    EXPECT_TRUE(files.RemoveDirectory("C:\\A\\B"));
    // The current directory and the root stay.
    EXPECT_FALSE(files.RemoveDirectory("C:\\RAVELIN"));
    files.DeleteFile("C:\\RAVELIN\\RVLN.EXE");
    EXPECT_FALSE(files.RemoveDirectory("C:\\RAVELIN"));
    EXPECT_EQ(files.LastError(), sim::kErrSharingViolation);
    EXPECT_FALSE(files.RemoveDirectory("C:\\"));
    EXPECT_EQ(files.LastError(), port::kErrAccessDenied);
}

TEST_F(SimFilesTest, InjectedFailuresHitTheNamedOperationsAndPaths) {
    files.AddFile("C:\\TEMP\\LOCKED.TXT", "x");
    files.AddFile("C:\\TEMP\\FREE.TXT", "y");
    files.InjectFailure(FileOp::Delete, sim::kErrSharingViolation, 2, "c:\\temp\\locked.txt");
    EXPECT_TRUE(files.DeleteFile("C:\\TEMP\\FREE.TXT"));
    EXPECT_FALSE(files.DeleteFile("C:\\TEMP\\LOCKED.TXT"));
    EXPECT_EQ(files.LastError(), sim::kErrSharingViolation);
    EXPECT_FALSE(files.DeleteFile("C:\\TEMP\\LOCKED.TXT"));
    EXPECT_TRUE(files.DeleteFile("C:\\TEMP\\LOCKED.TXT"));

    // A folder rule covers what lies below it; count < 0 means every call.
    files.InjectFailure(FileOp::Any, port::kErrAccessDenied, -1, "C:\\WINDOWS");
    EXPECT_FALSE(files.WriteFile("C:\\WINDOWS\\TEMP\\X.TMP", "x"));
    EXPECT_EQ(files.GetFileAttributes("C:\\WINDOWS"), port::kInvalidAttributes);
    EXPECT_FALSE(files.CopyFile("C:\\RAVELIN\\RVLN.EXE", "C:\\WINDOWS\\RVLN.EXE", false));
    EXPECT_TRUE(files.WriteFile("C:\\WINDOWSX.TXT", "x"));
    files.ClearFailures();
    EXPECT_TRUE(files.WriteFile("C:\\WINDOWS\\TEMP\\X.TMP", "x"));

    files.InjectFailure(FileOp::Write, port::kErrDiskFull);
    EXPECT_FALSE(files.AppendFile("C:\\ANY.LOG", "x"));
    EXPECT_TRUE(files.AppendFile("C:\\ANY.LOG", "x"));
    EXPECT_EQ(files.CountCalls(FileOp::Write, "C:\\ANY.LOG"), 2);
}

TEST_F(SimFilesTest, DrivesWithoutMediumOrWritesAnswerTheirErrors) {
    files.AddDrive('E', port::kDriveCdrom);
    files.AddFile("E:\\SETUP.EXE", "MZ");
    files.AddDrive('A', port::kDriveRemovable, 1'457'664);
    files.SetMediaPresent('A', false);
    std::vector<port::FindData> found;
    EXPECT_FALSE(files.FindFiles("A:\\*.*", found));
    EXPECT_EQ(files.LastError(), port::kErrNotReady);
    EXPECT_FALSE(files.WriteFile("A:\\X.TMP", "x"));
    EXPECT_EQ(files.LastError(), port::kErrNotReady);
    EXPECT_TRUE(files.FindFiles("E:\\*.*", found));
    EXPECT_FALSE(files.DeleteFile("E:\\SETUP.EXE"));
    EXPECT_EQ(files.LastError(), port::kErrAccessDenied);
    files.SetMediaPresent('A', true);
    files.SetWriteError('A');
    EXPECT_FALSE(files.WriteFile("A:\\X.TMP", "x"));
    EXPECT_EQ(files.LastError(), sim::kErrWriteProtect);
    EXPECT_EQ(files.DriveLetters(), "ACE");
}

TEST_F(SimFilesTest, NetworkSharesAreVolumesOfTheirOwn) {
    files.AddShare("\\\\SERVER\\DATA", 5000);
    ASSERT_TRUE(files.AddFile("\\\\server\\data\\TEMP\\A.TXT", "a"));
    std::vector<port::FindData> found;
    ASSERT_TRUE(files.FindFiles("\\\\SERVER\\DATA\\TEMP\\*.*", found));
    EXPECT_EQ(found.size(), 3u);
    EXPECT_FALSE(files.FindFiles("\\\\OTHER\\DATA\\*.*", found));
    EXPECT_EQ(files.LastError(), sim::kErrBadNetPath);
}

}  // namespace
