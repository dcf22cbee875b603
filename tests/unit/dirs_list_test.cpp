#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include "dirs/dir_list.h"
#include "sim/machine.h"

namespace {

using Strings = std::vector<std::string>;

class DirListTest : public ::testing::Test {
  protected:
    DirListTest() {
        machine.AddFixedDrive('D');
        machine.files.AddDirectory("C:\\TEMP");
        machine.files.AddFile("C:\\TEMP\\A.TXT");
    }
    // The text after normalising, the list it gave in out.
    std::string Normalize(std::string text, Strings* out = nullptr) {
        Strings list = dirs::NormalizeDirText(os, text);
        if (out) *out = list;
        return text;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : machine.dialogs.boxes)
            texts.push_back(box.text);
        return texts;
    }

    sim::Machine machine;
    dirs::ListServices os{machine.files, machine.dialogs, machine.system};
};

TEST_F(DirListTest, EndsAreFixedAndARootGetsItsBackslash) {
    Strings list;
    EXPECT_EQ(Normalize("D:", &list), "D:\\;");
    EXPECT_EQ(list, Strings{"D:\\"});
    EXPECT_EQ(Normalize("D:;"), "D:\\;");
    EXPECT_EQ(Normalize(";C:\\TEMP", &list), "C:\\TEMP;");
    EXPECT_EQ(list, Strings{"C:\\TEMP"});
    EXPECT_EQ(Normalize(""), "");
    EXPECT_EQ(Normalize(";;"), "");
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(DirListTest, DuplicateIsReportedAndOneInstanceStays) {
    Strings list;
    EXPECT_EQ(Normalize("c:\\temp;C:\\TEMP;", &list), "C:\\TEMP;");
    EXPECT_EQ(list, Strings{"C:\\TEMP"});
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, sim::BoxKind::Information);
    EXPECT_EQ(machine.dialogs.boxes[0].text,
              "The path:\rc:\\temp\rexists several times in the path-list.\r\rThe first instance will be "
              "removed now.");
}

TEST_F(DirListTest, InvalidEntriesAreRemovedWithTheirErrors) {
    Strings list;
    EXPECT_EQ(Normalize("CD:\\X;TEMP;C:\\TEMP;C:\\NONE;\\\\SRV\\X:;", &list), "C:\\TEMP;");
    EXPECT_EQ(list, Strings{"C:\\TEMP"});
    EXPECT_EQ(Texts(),
              (Strings{
                  "ERROR: The path:\r\rCD:\\X\r\ris invalid!",
                  "ERROR: The path:\r\rTEMP\r\ris not a valid path! - A valid path contains either\ra "
                  "\":\" colon or a \"\\\\\" double backslash for network\rdomains.\r\rPlease check "
                  "your input and retry!",
                  "ERROR: The path:\r\rC:\\NONE\r\rdoes not exist!",
                  "ERROR: The path:\r\r\\\\SRV\\X:\\\r\ris invalid!",
              }));
    for (const auto& box : machine.dialogs.boxes)
        EXPECT_EQ(box.kind, sim::BoxKind::Error);
}

TEST_F(DirListTest, ListingErrorNamesItsCode) {
    machine.files.InjectFailure(sim::FileOp::Find, port::kErrAccessDenied, 1, "C:\\TEMP");
    EXPECT_EQ(Normalize("C:\\TEMP"), "");
    EXPECT_EQ(Texts(),
              Strings{"ERROR: The path:\r\rC:\\TEMP\r\rhas caused the the following error:\rAccess denied."});
}

TEST_F(DirListTest, TheSystemAndEverythingAboveItIsRefused) {
    machine.files.AddDirectory("C:\\WINDOWS\\SYSTEM");
    machine.files.SetCurrentDirectory("C:\\WINDOWS");
    Strings list;
    EXPECT_EQ(Normalize("C:\\;c:\\windows;C:\\WINDOWS\\..;C:.;C:\\WINDOWS\\SYSTEM\\;C:;C:\\WINDOWS\\TEMP;D:",
                        &list),
              "C:\\WINDOWS\\TEMP;D:\\;");
    EXPECT_EQ(list, (Strings{"C:\\WINDOWS\\TEMP", "D:\\"}));
    ASSERT_EQ(machine.dialogs.boxes.size(), 6u);
    EXPECT_EQ(machine.dialogs.boxes[0].text,
              "ERROR: The path:\r\rC:\\\r\ris the Windows folder, the system folder or a folder\rabove them, "
              "and will not be emptied!");
    EXPECT_EQ(machine.dialogs.Containing("will not be emptied!").size(), 6u);
}

TEST_F(DirListTest, HundredEntriesAtMost) {
    std::string text;
    for (int i = 0; i < 101; ++i) {
        const std::string dir = "D:\\" + std::to_string(i);
        machine.files.AddDirectory(dir);
        text += dir + ";";
    }
    Strings list;
    const std::string out = Normalize(text, &list);
    ASSERT_EQ(list.size(), 100u);
    EXPECT_EQ(list.back(), "D:\\99");
    EXPECT_EQ(out, text.substr(0, text.size() - 7));
    EXPECT_EQ(Texts(),
              Strings{"INFO:\r\rThe maximum number of entries (100)\rhas been reached!\rThe last entries "
                      "will be cut off."});
}

TEST_F(DirListTest, TextAbove1024CharactersLosesItsLastEntry) {
    std::string text;
    const std::string name(60, 'N');
    for (int i = 0; text.size() < 1000; ++i) {
        const std::string dir = "D:\\" + std::to_string(i % 10) + name.substr(0, 50) + std::to_string(i);
        machine.files.AddDirectory(dir);
        text += dir + ";";
    }
    const std::string kept = text;
    machine.files.AddDirectory("D:\\" + name);
    text += "D:\\" + name;  // typed without its ";": 1,025 characters and more
    ASSERT_GT(dirs::FixListEnds(text).size(), 1024u);
    Strings list;
    EXPECT_EQ(Normalize(text, &list), kept);
    EXPECT_EQ(list.size(), static_cast<size_t>(std::count(kept.begin(), kept.end(), ';')));
    EXPECT_EQ(Texts(), Strings{"INFO:\r\rThe maximum length of the path-list\r(1024 characters) has been "
                               "reached!\rYour last input will be cut off!"});
}

TEST_F(DirListTest, EmptyRootIsThereAndNonEmptyNeedsARealEntry) {
    EXPECT_TRUE(dirs::ValidateDirPath(os, "D:\\"));
    EXPECT_FALSE(dirs::IsDirNonEmpty(machine.files, "D:\\"));
    machine.files.AddDirectory("D:\\EMPTY");
    EXPECT_FALSE(dirs::IsDirNonEmpty(machine.files, "D:\\EMPTY"));
    EXPECT_TRUE(dirs::IsDirNonEmpty(machine.files, "D:\\"));
    EXPECT_TRUE(dirs::IsDirNonEmpty(machine.files, "C:\\TEMP"));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

}  // namespace
