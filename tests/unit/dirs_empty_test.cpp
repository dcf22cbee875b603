#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include "dirs/empty_directory.h"
#include "sim/machine.h"

namespace {

using Strings = std::vector<std::string>;
using sim::FileOp;

constexpr std::uint32_t kRo = port::kAttrReadOnly | port::kAttrArchive;
constexpr std::uint32_t kHidden = port::kAttrHidden;
constexpr std::uint32_t kSystem = port::kAttrSystem;

// One tree with every kind of entry, and a folder outside it that two links lead to.
class EmptyDirectoryTest : public ::testing::Test {
  protected:
    EmptyDirectoryTest() {
        sim::SimFiles& f = machine.files;
        f.AddFile("C:\\OUT\\KEEP.TXT", "outside");
        f.AddDirectory("C:\\OUT\\SUB");
        f.AddFile("C:\\E\\PLAIN.TXT", "p");
        f.AddFile("C:\\E\\RO.TXT", "r", kRo);
        f.AddFile("C:\\E\\HID.TXT", "h", kHidden);
        f.AddFile("C:\\E\\SYS.TXT", "s", kSystem);
        f.AddFile("C:\\E\\A\\B\\DEEP.TXT", "d");
        f.AddFile("C:\\E\\A\\RO2.TXT", "r", kRo);
        f.AddDirectory("C:\\E\\HIDDIR", kHidden);
        f.AddFile("C:\\E\\HIDDIR\\IN.TXT", "i");
        f.AddLink("C:\\E\\LINK", "C:\\OUT");
        f.AddLink("C:\\E\\A\\LINK2", "C:\\OUT");
    }
    bool Empty(int mode, const std::string& path = "C:\\E") {
        dirs::EmptyContext ctx{machine.files, machine.system, cdroms};
        return dirs::EmptyDirectory(ctx, path, dirs::ModeFlags(mode));
    }
    Strings Left(const std::string& dir) { return machine.files.List(dir); }
    void ExpectOutsideUntouched() {
        EXPECT_EQ(machine.files.FileBytes("C:\\OUT\\KEEP.TXT"), "outside");
        EXPECT_EQ(machine.files.Attributes("C:\\OUT\\KEEP.TXT"), port::kAttrArchive);
        EXPECT_TRUE(machine.files.IsDirectory("C:\\OUT\\SUB"));
    }

    sim::Machine machine;
    std::string cdroms;
};

TEST_F(EmptyDirectoryTest, ModeZeroEmptiesEverythingButFollowsNoLink) {
    EXPECT_TRUE(Empty(0));
    EXPECT_TRUE(machine.files.IsDirectory("C:\\E"));
    EXPECT_EQ(Left("C:\\E"), Strings{});
    ExpectOutsideUntouched();
    for (const auto& call : machine.files.calls) {
        if (call.op == FileOp::SetAttributes)
            EXPECT_EQ(call.path.find("LINK"), std::string::npos) << call.path;
    }
    EXPECT_TRUE(machine.files.Exists("C:\\WINDOWS\\TEMP"));
    EXPECT_FALSE(machine.files.Exists("C:\\~T.000"));
}

TEST_F(EmptyDirectoryTest, ModeTwoSparesGuardedEntriesAndReportsNothing) {
    EXPECT_TRUE(Empty(2));
    std::vector<std::string> left = Left("C:\\E");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (Strings{"A", "HID.TXT", "HIDDIR", "RO.TXT", "SYS.TXT"}));
    EXPECT_EQ(Left("C:\\E\\A"), Strings{"RO2.TXT"});
    EXPECT_TRUE(machine.files.Exists("C:\\E\\HIDDIR\\IN.TXT"));
    ExpectOutsideUntouched();
    // Guarded files are not even tried.
    EXPECT_EQ(machine.files.CountCalls(FileOp::Delete, "C:\\E\\HID.TXT"), 0);
    EXPECT_EQ(machine.files.CountCalls(FileOp::SetAttributes, ""), 0);
}

TEST_F(EmptyDirectoryTest, ModesFourAndSixLeaveSubdirectories) {
    EXPECT_TRUE(Empty(4));
    std::vector<std::string> left = Left("C:\\E");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (Strings{"A", "HIDDIR", "LINK"}));
    EXPECT_TRUE(machine.files.Exists("C:\\E\\A\\B\\DEEP.TXT"));
    EXPECT_EQ(machine.files.Attributes("C:\\E\\A\\RO2.TXT"), kRo);
    ExpectOutsideUntouched();

    machine.files.AddFile("C:\\E\\RO.TXT", "r", kRo);
    machine.files.AddFile("C:\\E\\NEW.TXT", "n");
    EXPECT_TRUE(Empty(6));
    EXPECT_TRUE(machine.files.Exists("C:\\E\\RO.TXT"));
    EXPECT_FALSE(machine.files.Exists("C:\\E\\NEW.TXT"));
}

TEST_F(EmptyDirectoryTest, SecureModeErasesEachNameThreeMoreTimes) {
    machine.files.calls.clear();
    EXPECT_TRUE(Empty(1));
    EXPECT_EQ(Left("C:\\E"), Strings{});
    for (const char* file : {"C:\\E\\PLAIN.TXT", "C:\\E\\RO.TXT", "C:\\E\\A\\B\\DEEP.TXT"}) {
        EXPECT_EQ(machine.files.CountCalls(FileOp::Write, file), 3) << file;
        EXPECT_EQ(machine.files.CountCalls(FileOp::Delete, file), 4) << file;
    }
    // The order of one file: attributes off, delete, then three times create and erase.
    std::vector<FileOp> ops;
    for (const auto& call : machine.files.calls) {
        if (call.path == "C:\\E\\PLAIN.TXT") ops.push_back(call.op);
    }
    EXPECT_EQ(ops, (std::vector<FileOp>{FileOp::SetAttributes, FileOp::Delete, FileOp::Write, FileOp::Delete,
                                        FileOp::Write, FileOp::Delete, FileOp::Write, FileOp::Delete}));
    ExpectOutsideUntouched();
}

TEST_F(EmptyDirectoryTest, RefusedDrivesAndFolders) {
    machine.AddCdrom('E');
    machine.files.AddFile("E:\\X\\F.TXT");
    cdroms = "E";
    EXPECT_FALSE(Empty(0, "E:\\X"));
    machine.AddFixedDrive('F');
    machine.files.AddFile("F:\\X\\F.TXT");
    machine.files.SetWriteError('F');
    EXPECT_FALSE(Empty(0, "F:\\X"));
    EXPECT_FALSE(Empty(0, "\\\\SRV\\SHARE\\X"));
    EXPECT_FALSE(Empty(0, "C:\\WINDOWS\\.."));
    EXPECT_TRUE(machine.files.Exists("C:\\RAVELIN\\RVLN.EXE"));
    EXPECT_TRUE(machine.files.Exists("F:\\X\\F.TXT"));
    machine.files.SetWriteError('F', 0);
    EXPECT_TRUE(Empty(0, "F:\\X"));
    EXPECT_FALSE(machine.files.Exists("F:\\X\\F.TXT"));
}

TEST_F(EmptyDirectoryTest, AccessDeniedRootIsTestedInTheDirectory) {
    machine.files.InjectFailure(FileOp::Write, port::kErrAccessDenied, -1, "C:\\~T.000");
    EXPECT_TRUE(Empty(0));
    EXPECT_EQ(machine.files.CountCalls(FileOp::Write, "C:\\E\\~T.000"), 1);
    EXPECT_EQ(Left("C:\\E"), Strings{});
}

TEST_F(EmptyDirectoryTest, FailuresFollowTheMode) {
    machine.files.InjectFailure(FileOp::Delete, 32, -1, "C:\\E\\PLAIN.TXT");
    // Clearing attributes: a file that stays ends the emptying with failure.
    EXPECT_FALSE(Empty(0));
    EXPECT_TRUE(machine.files.Exists("C:\\E\\PLAIN.TXT"));
    // Sparing: the rest goes, the locked file is still reported.
    EXPECT_FALSE(Empty(2));
    EXPECT_FALSE(machine.files.Exists("C:\\E\\A\\B\\DEEP.TXT"));
    machine.files.ClearFailures();
    // A subdirectory that cannot be removed counts only when clearing attributes.
    machine.files.InjectFailure(FileOp::RemoveDirectory, 32, -1, "C:\\E\\A");
    EXPECT_TRUE(Empty(2));
    EXPECT_FALSE(Empty(0));
}

}  // namespace
