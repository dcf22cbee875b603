// The Windows 95/98 switches: MSDOS.SYS edited in place, the splash-screen files renamed,
// FastReboot written, and the Control Panel copies in the Start menu.
#include <gtest/gtest.h>
#include <string>
#include "sysopts/msdos_sys.h"
#include "tests/unit/settings_fixture.h"

namespace {

using port::RegRoot;
using sim::BoxKind;
using sim::FileOp;

constexpr const char* kMsdos = "C:\\MSDOS.SYS";
constexpr const char* kShutdownKey = "System\\CurrentControlSet\\control\\Shutdown";
constexpr std::uint32_t kBootAttributes =
    port::kAttrReadOnly | port::kAttrHidden | port::kAttrSystem | port::kAttrArchive;

// MSDOS.SYS as Windows 98 setup leaves it: two sections and the padding that keeps it above
// 1,024 bytes, with a last line that has no line end.
std::string RealMsdosSys() {
    std::string text =
        "[Paths]\r\nWinDir=C:\\WINDOWS\r\nWinBootDir=C:\\WINDOWS\r\nHostWinBootDrv=C\r\n\r\n"
        "[Options]\r\nBootMulti=1\r\nBootGUI=1\r\nDoubleBuffer=1\r\nAutoScan=1\r\nWinVer=4.10.2222\r\n"
        ";\r\n;The following lines are required for compatibility with other programs.\r\n"
        ";Do not remove them (MSDOS.SYS needs to be >1024 bytes).\r\n";
    for (int i = 0; i < 18; ++i)
        text += ";" + std::string(68, 'x') + (i % 2 ? "a" : "b") + "\r\n";
    return text + ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxs";
}

TEST(MsdosSysText, EveryOtherByteAndLineEndStays) {
    const std::string file =
        "[Paths]\nWinDir=C:\\WINDOWS\r\n[Options]\r\nAutoScan=2\n; AutoScan off: 0\r\n"
        "BootGUI=1\r\n[Extra]\r\nX=1";
    EXPECT_EQ(
        sysopts::EditMsdosSysText(file, "AutoScan", "0"),
        "[Paths]\nWinDir=C:\\WINDOWS\r\n[Options]\r\nAutoScan=0\nAutoScan=0\r\nBootGUI=1\r\n[Extra]\r\nX=1");
    // A missing key goes to the end of [Options], not into the section that follows.
    EXPECT_EQ(sysopts::EditMsdosSysText(file, "Logo", "0"),
              "[Paths]\nWinDir=C:\\WINDOWS\r\n[Options]\r\nAutoScan=2\n; AutoScan off: 0\r\nBootGUI=1\r\n"
              "Logo=0\r\n[Extra]\r\nX=1");
    // The key is matched with its case.
    EXPECT_EQ(sysopts::EditMsdosSysText("[options]\r\nlogo=1", "Logo", "0"),
              "[options]\r\nlogo=1\r\nLogo=0\r\n");
    EXPECT_EQ(sysopts::EditMsdosSysText("[Options]\r\n", "Logo", "1"), "[Options]\r\nLogo=1\r\n");
    // Without [Options] it is no file Windows reads its options from.
    EXPECT_EQ(sysopts::EditMsdosSysText(std::string("MZ\0\x90[Paths]\r\nLogo=1\r\n", 21), "Logo", "0"),
              std::nullopt);
    EXPECT_EQ(sysopts::EditMsdosSysText("", "Logo", "0"), std::nullopt);
}

class SystemOptionsTest : public settings_test::SettingsTest {
  protected:
    void PlaceMsdosSys(const std::string& bytes) {
        machine.files.AddFile(kMsdos, bytes);
        machine.files.SetFileAttributes(kMsdos, kBootAttributes);
    }
    std::string Msdos() const { return machine.files.FileBytes(kMsdos).value_or("<missing>"); }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const sim::BoxRecord& box : machine.dialogs.boxes)
            texts.push_back(box.text);
        return texts;
    }
    std::vector<std::uint32_t> Beeps() const {
        std::vector<std::uint32_t> types;
        for (const sim::Beep& beep : machine.feedback.beeps)
            types.push_back(beep.type);
        return types;
    }
    std::optional<std::string> Shutdown(const char* name) const {
        return machine.registry.String(RegRoot::LocalMachine, kShutdownKey, name);
    }
    // The machine-wide ticks as the previous run stored them.
    void StoreTick(const char* section, const char* name) {
        machine.registry.SetDword(RegRoot::LocalMachine, std::string(settings_test::kGlobal) + "\\" + section,
                                  name, 1);
    }
};

constexpr const char* kMsdosRenameBox =
    "ERROR:\r\rCould not rename: C:\\MSDOS.000\rinto: C:\\MSDOS.SYS\r\rPlease make sure that your MSDOS.SYS "
    "file on your\rBootDrive (e.g. C:\\MSDOS.SYS) is still there.\rOtherwise please rename C:\\MSDOS.000 "
    "into\rC:\\MSDOS.SYS, or you will not be able to restart\ryour system!";
constexpr const char* kMsdosMissingBox =
    "ERROR:\r\rC:\\MSDOS.SYS is missing or has no [Options] section.\rIt has not been changed.";

TEST_F(SystemOptionsTest, LogoAndAutoScanChangeOnlyTheirLinesAndKeepTheAttributes) {
    const std::string original = RealMsdosSys();
    PlaceMsdosSys(original);
    Start(sim::Os::Win98);
    // Nothing to change at start-up: the file is not touched.
    EXPECT_EQ(machine.files.CountCalls(FileOp::Write, "C:\\"), 0);
    EXPECT_EQ(form->StatusBar1.PanelText(4), "LS");

    form->CheckBox7.SetChecked(true);
    EXPECT_EQ(Msdos(), original + "\r\nLogo=0\r\n");
    EXPECT_EQ(machine.files.Attributes(kMsdos), kBootAttributes);
    EXPECT_EQ(form->StatusBar1.PanelText(4), "");
    form->CheckBox7.SetChecked(false);
    EXPECT_EQ(Msdos(), original + "\r\nLogo=1\r\n");
    EXPECT_EQ(form->StatusBar1.PanelText(4), "LS");

    form->CheckBox26.SetChecked(true);
    std::string expected = original + "\r\nLogo=1\r\n";
    expected.replace(expected.find("AutoScan=1"), 10, "AutoScan=0");
    EXPECT_EQ(Msdos(), expected);
    EXPECT_EQ(machine.files.Attributes(kMsdos), kBootAttributes);
    EXPECT_FALSE(machine.files.Exists("C:\\MSDOS.000"));
    EXPECT_FALSE(machine.files.Exists("C:\\MSDOS.001"));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(SystemOptionsTest, AFailedWriteOrRenameKeepsTheBootFile) {
    const std::string original = RealMsdosSys();
    PlaceMsdosSys(original);
    Start(sim::Os::Win98);

    machine.files.InjectFailure(FileOp::Write, port::kErrDiskFull, 1, "C:\\MSDOS.000");
    form->CheckBox7.SetChecked(true);
    EXPECT_EQ(Msdos(), original);
    EXPECT_EQ(machine.files.Attributes(kMsdos), kBootAttributes);
    EXPECT_FALSE(machine.files.Exists("C:\\MSDOS.000"));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"ERROR:\r\rCould not write: C:\\MSDOS.000\r"
                                                   "C:\\MSDOS.SYS has not been changed."});
    EXPECT_TRUE(Beeps().empty());

    // Windows 98 has no MoveFileEx; the old file cannot step aside.
    machine.dialogs.boxes.clear();
    machine.files.InjectFailure(FileOp::Move, port::kErrAccessDenied, 1, kMsdos);
    form->CheckBox26.SetChecked(true);
    EXPECT_EQ(Msdos(), original);
    EXPECT_EQ(machine.files.Attributes(kMsdos), kBootAttributes);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kMsdosRenameBox});
    EXPECT_EQ(Beeps(), (std::vector<std::uint32_t>{port::kMbBeepOk, port::kMbBeepExclamation}));
    // The new text waits in the temporary file the box names.
    std::string autoScanOff = original;
    autoScanOff.replace(autoScanOff.find("AutoScan=1"), 10, "AutoScan=0");
    EXPECT_EQ(machine.files.FileBytes("C:\\MSDOS.000"), autoScanOff);
    machine.files.DeleteFile("C:\\MSDOS.000");

    // The old file stepped aside, the new one cannot follow: the old one comes back.
    machine.dialogs.boxes.clear();
    machine.files.InjectFailure(FileOp::Move, port::kErrAccessDenied, 1, "C:\\MSDOS.000");
    form->CheckBox26.SetChecked(false);
    form->CheckBox7.SetChecked(false);
    form->CheckBox7.SetChecked(true);
    EXPECT_EQ(Msdos(), original);
    EXPECT_EQ(machine.files.Attributes(kMsdos), kBootAttributes);
    EXPECT_FALSE(machine.files.Exists("C:\\MSDOS.001"));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kMsdosRenameBox});
}

TEST_F(SystemOptionsTest, AMissingOrForeignFileIsNeverWritten) {
    Start(sim::Os::Win98);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    form->CheckBox7.SetChecked(true);
    EXPECT_FALSE(machine.files.Exists(kMsdos));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kMsdosMissingBox});
    // The tick is stored all the same; the next start reports nothing.
    Stop();
    const std::string dos(std::string("\xEB\x3C\x90MSDOS\0\0Logo=1\r\n", 18));
    PlaceMsdosSys(dos);
    machine.dialogs.boxes.clear();
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(form->CheckBox7.Checked());
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    form->CheckBox7.SetChecked(false);
    EXPECT_EQ(Msdos(), dos);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kMsdosMissingBox});
}

TEST_F(SystemOptionsTest, StartUpAppliesTheSwitchesThenTheStoredTicksWin) {
    PlaceMsdosSys("[Options]\r\nBootGUI=1\r\nLogo=0\r\nAutoScan=0\r\n");
    machine.files.AddFile("C:\\WINDOWS\\LOGOW.SY!", "first");
    machine.files.AddFile("C:\\WINDOWS\\LOGOS.SY!", "second");
    machine.registry.SetString(RegRoot::LocalMachine, kShutdownKey, "FastReboot", "0");
    for (auto [section, name] :
         {std::pair{"Logos", "StartUp"}, std::pair{"Logos", "First_ShutDown"},
          std::pair{"98_Features", "AutoScan"}, std::pair{"98_Features", "FastReboot"}})
        StoreTick(section, name);
    Start(sim::Os::Win98);

    EXPECT_EQ(Msdos(), "[Options]\r\nBootGUI=1\r\nLogo=0\r\nAutoScan=0\r\n");
    EXPECT_EQ(machine.files.Attributes(kMsdos), kBootAttributes);
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOW.SY!"), "first");
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\LOGOW.SYS"));
    // The second logo was not ticked: it shows again.
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOS.SYS"), "second");
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\LOGOS.SY!"));
    EXPECT_EQ(Shutdown("FastReboot"), "0");
    EXPECT_EQ(form->StatusBar1.PanelText(4), "");
    EXPECT_EQ(form->StatusBar1.PanelText(5), "");
    EXPECT_EQ(form->StatusBar1.PanelText(6), "L2");
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(SystemOptionsTest, SplashScreensRenameAndBackUpWithoutLosingAFile) {
    machine.files.AddFile("C:\\WINDOWS\\LOGOW.SYS", "current");
    machine.files.AddFile("C:\\WINDOWS\\LOGOW.SY!", "older");
    machine.files.AddFile("C:\\WINDOWS\\LOGOW.000", "taken");
    Start(sim::Os::Win98);
    // Cleared at start-up with both names taken: the current file is kept as the first free number.
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOW.001"), "current");
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOW.SYS"), "older");
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\LOGOW.SY!"));
    EXPECT_EQ(
        BoxTexts(),
        std::vector<std::string>{
            "Your existing original first Shutdown-SplashScreen file\rhas been backuped as:\r"
            "C:\\WINDOWS\\LOGOW.001\r\rPlease close RVLN!, delete the existing file (LOGOW.SYS)\r"
            "and rename the backuped one to:\rC:\\WINDOWS\\LOGOW.SYS\rif you want to use it as default."});

    // Ticked over an older disabled file, which gives way.
    machine.dialogs.boxes.clear();
    machine.files.AddFile("C:\\WINDOWS\\LOGOW.SY!", "stale");
    form->CheckBox8.SetChecked(true);
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOW.SY!"), "older");
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\LOGOW.SYS"));
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\LOGOW.002"));
    EXPECT_EQ(form->StatusBar1.PanelText(5), "");
    form->CheckBox8.SetChecked(false);
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOW.SYS"), "older");
    EXPECT_EQ(form->StatusBar1.PanelText(5), "L1");
    EXPECT_TRUE(machine.dialogs.boxes.empty());

    // ... but only once the rename can follow.
    machine.files.AddFile("C:\\WINDOWS\\LOGOW.SY!", "stale");
    machine.files.InjectFailure(FileOp::Move, port::kErrAccessDenied, 1, "C:\\WINDOWS\\LOGOW.SYS");
    form->CheckBox8.SetChecked(true);
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOW.SYS"), "older");
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOW.SY!"), "stale");
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\LOGOW.002"));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Could not rename:\rC:\\WINDOWS\\LOGOW.SYS"});

    // Cleared with both names taken while the backup cannot be made: nothing changes.
    machine.dialogs.boxes.clear();
    machine.files.InjectFailure(FileOp::Move, port::kErrAccessDenied, 1, "C:\\WINDOWS\\LOGOW.SYS");
    form->CheckBox8.SetChecked(false);
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOW.SYS"), "older");
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\LOGOW.SY!"), "stale");
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\LOGOW.002"));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Could not rename:\rC:\\WINDOWS\\LOGOW.SYS"});

    machine.dialogs.boxes.clear();
    machine.system.windowsDirectory.clear();
    form->CheckBox9.SetChecked(true);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Could not find Windows-Directory!"});
}

TEST_F(SystemOptionsTest, FastRebootKeepsTheFirstValueOnce) {
    Start(sim::Os::Win98);
    // A missing value already means a fast reboot.
    EXPECT_FALSE(machine.registry.HasKey(RegRoot::LocalMachine, kShutdownKey));
    machine.registry.SetString(RegRoot::LocalMachine, kShutdownKey, "FastReboot", "1");
    form->CheckBox27.SetChecked(true);
    EXPECT_EQ(Shutdown("FastReboot"), "0");
    EXPECT_EQ(Shutdown("original_FastReboot"), "1");
    form->CheckBox27.SetChecked(false);
    machine.registry.SetString(RegRoot::LocalMachine, kShutdownKey, "FastReboot", "2");
    form->CheckBox27.SetChecked(true);
    EXPECT_EQ(Shutdown("FastReboot"), "0");
    EXPECT_EQ(Shutdown("original_FastReboot"), "1");
}

TEST_F(SystemOptionsTest, OtherSystemsLeaveTheFilesAndFastRebootAlone) {
    PlaceMsdosSys("[Options]\r\nLogo=0\r\nAutoScan=0\r\n");
    machine.files.AddFile("C:\\WINDOWS\\LOGOW.SY!");
    machine.registry.SetString(RegRoot::LocalMachine, kShutdownKey, "FastReboot", "0");
    Start(sim::Os::NT4);
    form->CheckBox26.SetChecked(true);
    form->CheckBox27.SetChecked(true);
    EXPECT_EQ(Msdos(), "[Options]\r\nLogo=0\r\nAutoScan=0\r\n");
    EXPECT_TRUE(machine.files.Exists("C:\\WINDOWS\\LOGOW.SY!"));
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\LOGOW.SYS"));
    EXPECT_FALSE(machine.registry.HasValue(RegRoot::LocalMachine, kShutdownKey, "original_FastReboot"));
    EXPECT_EQ(form->StatusBar1.PanelText(4), "");

    // Windows 95 has the logos, but neither AutoScan nor FastReboot.
    Stop();
    machine.SetOs(sim::Os::Win95);
    ASSERT_TRUE(Launch());
    EXPECT_EQ(Msdos(), "[Options]\r\nLogo=1\r\nAutoScan=0\r\n");
    EXPECT_TRUE(machine.files.Exists("C:\\WINDOWS\\LOGOW.SYS"));
    EXPECT_TRUE(form->CheckBox7.Enabled());
    EXPECT_FALSE(form->CheckBox26.Enabled());
    EXPECT_FALSE(form->CheckBox27.Enabled());
    EXPECT_EQ(Shutdown("FastReboot"), "0");
}

TEST_F(SystemOptionsTest, ControlPanelCopyGoesIntoTheStartMenuOfTheLanguage) {
    constexpr const char* kSuffix = ".{21EC2020-3AEA-1069-A2DD-08002B30309D}";
    // Other languages take the first "START" folder found (in creation order, as on FAT).
    machine.files.AddDirectory("C:\\WINDOWS\\STARTMENY");
    machine.files.AddDirectory("C:\\WINDOWS\\Start Menu");
    machine.files.AddDirectory("C:\\WINDOWS\\Startmen\xC3\xBC");
    machine.files.AddDirectory("C:\\OTHER");
    Start(sim::Os::Win98);
    form->Edit3.SetText("");
    form->Button6.Click();
    EXPECT_EQ(form->Edit3.Text(), "Control Panel");
    EXPECT_TRUE(machine.files.IsDirectory(std::string("C:\\WINDOWS\\Start Menu\\Control Panel") + kSuffix));
    machine.system.languageId = 1031;
    form->Button6.Click();
    EXPECT_TRUE(
        machine.files.IsDirectory(std::string("C:\\WINDOWS\\Startmen\xC3\xBC\\Control Panel") + kSuffix));
    machine.system.languageId = 1053;
    form->Button6.Click();
    EXPECT_TRUE(machine.files.IsDirectory(std::string("C:\\WINDOWS\\STARTMENY\\Control Panel") + kSuffix));
    EXPECT_TRUE(machine.dialogs.boxes.empty());

    // A second copy of one name, a name that leaves the folder, and no folder at all.
    const std::string created = machine.files.Dump();
    for (const char* name : {"Control Panel", "..\\X", "C:X", "a/b", "Panel*"}) {
        form->Edit3.SetText(name);
        form->Button6.Click();
    }
    machine.system.windowsDirectory = "C:\\OTHER";
    form->Edit3.SetText("Panel");
    form->Button6.Click();
    EXPECT_EQ(machine.dialogs.Count(BoxKind::Error), 6u);
    EXPECT_EQ(machine.dialogs.Containing("ERROR: Could not create the Control Panel folder!").size(), 6u);
    EXPECT_FALSE(machine.files.Exists(std::string("C:\\WINDOWS\\X") + kSuffix));
    EXPECT_FALSE(machine.files.Exists(std::string("C:\\Panel") + kSuffix));
    EXPECT_EQ(machine.files.List("C:\\OTHER").size(), 0u);
    EXPECT_EQ(machine.files.Dump(), created);

    machine.dialogs.boxes.clear();
    for (const char* name : {"Programs", "My PROGRAM"}) {
        form->Edit3.SetText(name);
        form->Button6.Click();
    }
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"This name is not allowed!\rChoose another one.",
                                                    "This name is not allowed!\rChoose another one."}));
}

TEST_F(SystemOptionsTest, Nt351HasNoStartMenuToCopyInto) {
    Start(sim::Os::NT3);
    for (ui::Widget* control :
         std::initializer_list<ui::Widget*>{&form->Edit3, &form->Button6, &form->Button7, &form->CheckBox15})
        EXPECT_FALSE(control->Enabled()) << control->Name();
}

TEST_F(SystemOptionsTest, PrivateCopiesOnNt4AndRemovalGoesOnAfterAFailure) {
    constexpr const char* kSuffix = ".{21EC2020-3AEA-1069-A2DD-08002B30309D}";
    const std::string all = "C:\\WINDOWS\\Profiles\\All Users\\Start Menu";
    const std::string mine = "C:\\WINDOWS\\Profiles\\Chris\\Start Menu";
    machine.files.AddDirectory(all);
    machine.files.AddDirectory(mine);
    machine.files.AddDirectory(mine + "\\Busy.Panel" + kSuffix);
    machine.files.AddFile(mine + "\\Busy.Panel" + kSuffix + "\\note.txt");
    Start(sim::Os::NT4);
    form->Edit3.SetText("Panel");
    form->Button6.Click();
    EXPECT_TRUE(machine.files.IsDirectory(all + "\\Panel" + kSuffix));
    form->CheckBox15.SetChecked(true);
    form->Button6.Click();
    form->Edit3.SetText("Other");
    form->Button6.Click();
    EXPECT_TRUE(machine.files.IsDirectory(mine + "\\Panel" + kSuffix));

    machine.dialogs.Answer(port::kIdYes);
    form->Button7.Click();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "This will remove all instances\rof the Control Panel from your\rprivate Start Menu!\r\r"
                  "Are you sure?",
                  "ERROR: Start Menu folder not found / not deleteable!\r\rCould not remove: \r>>>Busy<<<\r"
                  "Is it hidden, sys-file, or read-only?"}));
    EXPECT_FALSE(machine.files.Exists(mine + "\\Panel" + kSuffix));
    EXPECT_FALSE(machine.files.Exists(mine + "\\Other" + kSuffix));
    EXPECT_TRUE(machine.files.Exists(mine + "\\Busy.Panel" + kSuffix));
    // The all-users copy stays; No removes nothing.
    EXPECT_TRUE(machine.files.Exists(all + "\\Panel" + kSuffix));
    form->CheckBox15.SetChecked(false);
    machine.dialogs.Answer(port::kIdNo);
    form->Button7.Click();
    EXPECT_TRUE(machine.files.Exists(all + "\\Panel" + kSuffix));
    EXPECT_EQ(
        machine.dialogs.Last()->text,
        "This will remove all instances\rof the Control Panel from the\rglobal Start Menu!\r\rAre you sure?");
}

}  // namespace
