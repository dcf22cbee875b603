// Carrying older settings forward at start-up: the version parsing, the three branches and the
// one-time notices.
#include "settings_fixture.h"

#include "settings/version.h"

namespace {

using namespace settings_test;
using settings::Migration;

constexpr const char* kId = "SOFTWARE\\QAV\\Ravelin\\ID";
constexpr const char* kLegacyProduct = "SOFTWARE\\QAV Software\\RVLN";
constexpr const char* kAntivirus = "SOFTWARE\\Symantec\\Norton AntiVirus\\Auto-Protect";

constexpr const char* kIniNotice =
    "The way of saving the INI data has changed!\r\r"
    "NEW: (Nearly) all settings of Ravelin will now be saved differently\r"
    "for each user. Only for changing the Win95 SplashScreens and the Device-\r"
    "Manager settings, you must log on with administrative rights!\r\r"
    "Please do open the Settings Notebook now, after RVLN! has loaded, and\r"
    "check all settings, which shall be available for user: [ Chris ]\r\r"
    "Your old RVLN.INI file [ C:\\WINDOWS ] will not longer be used.";

constexpr const char* kAnimationNotice =
    "The old standard setting for the TrayIcon\r"
    "animation speed has been changed to a\r"
    "value of \"180\" instead of \"80\".\r\r"
    "If you want to change this speed, please do\r"
    "the appropriate settings on page 1/5 of the\r"
    "\"Controls\" Tab in the Settings-Notebook.";

constexpr const char* kAntivirusNotice =
    "ATTENTION: You have installed Symantec`s Norton Antivirus on your System!\r\r"
    "Therefore Symantec has provided a fix for computers which freeze on the\r"
    "\"Please wait while your computer shuts down\" screen. - This especially\r"
    "may occure in conjunction with the \"FORCE Shutdown/Reboot ...\" features\r"
    "of Ravelin - or in general.\r\r"
    "To prevent these freezes, please do the following:\r"
    "Open the folder where you have installed Norton Antivirus and search for\r"
    "the files \"APLD_RUN.REG\" and \"APMSGOFF.REG\". Then double-click on\r"
    "each of them and they will be imported into your registry. - After having\r"
    "rebooted your computer, the problem with NAV for Win95/98 should be\r"
    "fixed.\r\r"
    "If you ever should want to undo these changes, you can import the files:\r"
    "\"APLD_VXD.REG\" and \"APMSGON.REG\" the same way.\r\r"
    "(This message will only be shown once. Please consult the FAQ section of\r"
    "the Online Help, if you want to look at this information again.)";

TEST(VersionTest, MajorAndMinorNumbers) {
    struct Case {
        const char* text;
        int major, minor;
    };
    for (Case c : {Case{"3.3", 3, 30}, Case{"3.31", 3, 31}, Case{"2.49", 2, 49}, Case{"2.5B", 2, 9999},
                   Case{"3.0P", 3, 9999}, Case{"3.0", 3, 0}, Case{"3.01", 3, 1}, Case{"3.1", 3, 10},
                   Case{"2.52", 2, 52}, Case{"2.5a", 2, 5}, Case{"1.2.3", 1, 2}, Case{"3.10b", 3, 9999}}) {
        const settings::StoredVersion v = settings::ParseVersion(c.text);
        EXPECT_EQ(v.major, c.major) << c.text;
        EXPECT_EQ(v.minor, c.minor) << c.text;
    }
    for (const char* unreadable : {"", "3.", "3", "3.3100", "10.0.1234"}) {
        EXPECT_EQ(settings::ParseVersion(unreadable).major, unreadable == std::string("3.3100") ? 3 : 0)
            << unreadable;
    }
}

TEST(VersionTest, WhichMigrationEachVersionGets) {
    struct Case {
        const char* text;
        Migration migration;
    };
    for (Case c : {Case{"2.49", Migration::FromEarlyVersion2}, Case{"2.5B", Migration::FromEarlyVersion2},
                   Case{"1.0", Migration::FromEarlyVersion2}, Case{"2.52", Migration::FromLateVersion2},
                   Case{"2.54", Migration::FromLateVersion2}, Case{"2.55", Migration::None},
                   Case{"3.0", Migration::FromVersion30}, Case{"3.01", Migration::FromVersion30},
                   Case{"3.0P", Migration::FromVersion30}, Case{"3.1B", Migration::FromVersion30},
                   Case{"3.1", Migration::None}, Case{"3.31", Migration::None}, Case{"", Migration::None},
                   Case{"2.4900000", Migration::None}}) {
        EXPECT_EQ(settings::ChooseMigration(settings::ParseVersion(c.text)), c.migration) << c.text;
    }
}

class MigrationTest : public SettingsTest {
  protected:
    void StoreVersion(const std::string& version) {
        machine.registry.SetString(RegRoot::CurrentUser, kId, "Version", version);
    }
    std::optional<std::string> Version() const {
        return machine.registry.String(RegRoot::CurrentUser, kId, "Version");
    }
    void AddLegacyKeys() {
        machine.registry.SetString(RegRoot::LocalMachine, std::string(kLegacyProduct) + "\\Controls",
                                   "AniSpeed", "80");
        machine.registry.SetString(RegRoot::LocalMachine, kLegacyProduct, "Path", "C:\\RVLN");
    }
    bool LegacyKeysGone() const {
        return !machine.registry.HasKey(RegRoot::LocalMachine, kLegacyProduct) &&
               !machine.registry.HasKey(RegRoot::LocalMachine, "SOFTWARE\\QAV Software");
    }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const sim::BoxRecord& box : machine.dialogs.boxes) {
            EXPECT_EQ(box.kind, sim::BoxKind::Information);
            texts.push_back(box.text);
        }
        return texts;
    }
};

TEST_F(MigrationTest, EarlyVersion2DropsTheLegacyKeysAndTidiesTheSystemFiles) {
    for (const char* version : {"2.49", "2.5B"}) {
        machine.registry.RemoveKeyTree(RegRoot::CurrentUser, "SOFTWARE\\QAV");
        machine.dialogs.boxes.clear();
        StoreVersion(version);
        AddLegacyKeys();
        machine.files.AddFile("C:\\MSDOS.SYS", "[Options]\r\n");
        machine.files.AddFile("C:\\WINDOWS\\LOGOW.SYS");
        machine.files.AddFile("C:\\WINDOWS\\LOGOS.SY!");
        machine.files.SetFileAttributes("C:\\MSDOS.SYS", port::kAttrArchive);
        machine.files.SetFileAttributes("C:\\WINDOWS\\LOGOW.SYS", port::kAttrHidden | port::kAttrReadOnly);
        machine.files.SetFileAttributes("C:\\WINDOWS\\LOGOS.SY!", port::kAttrSystem | port::kAttrArchive);
        // The stored tick keeps the second logo disabled through start-up.
        machine.registry.SetDword(RegRoot::LocalMachine, "Software\\QAV\\Ravelin\\GlobalUser\\Logos",
                                  "Second_ShutDown", 1);
        Start(sim::Os::Win98);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{kIniNotice}) << version;
        EXPECT_TRUE(LegacyKeysGone()) << version;
        EXPECT_EQ(machine.files.Attributes("C:\\MSDOS.SYS"),
                  port::kAttrReadOnly | port::kAttrHidden | port::kAttrSystem | port::kAttrArchive);
        EXPECT_EQ(machine.files.Attributes("C:\\WINDOWS\\LOGOW.SYS"), port::kAttrArchive);
        EXPECT_EQ(machine.files.Attributes("C:\\WINDOWS\\LOGOS.SY!"), port::kAttrArchive);
        EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\LOGOS.SYS"));
        EXPECT_EQ(Version(), "3.31") << version;
        Stop();
    }
}

TEST_F(MigrationTest, EarlyVersion2OnNtLeavesTheFilesAlone) {
    StoreVersion("2.49");
    machine.files.AddFile("C:\\WINDOWS\\LOGOW.SYS", "", port::kAttrHidden);
    Start(sim::Os::NT4);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kIniNotice});
    EXPECT_EQ(machine.files.Attributes("C:\\WINDOWS\\LOGOW.SYS"), port::kAttrHidden);
    EXPECT_EQ(Version(), "3.31");
}

TEST_F(MigrationTest, SystemFilesOnACdromAreNeverTouched) {
    StoreVersion("2.49");
    machine.system.windowsDirectory = "E:\\WINDOWS";
    machine.files.AddDrive('E', port::kDriveCdrom);
    machine.files.AddFile("E:\\WINDOWS\\LOGOW.SYS", "", port::kAttrHidden | port::kAttrReadOnly);
    Start(sim::Os::Win98);
    EXPECT_EQ(machine.files.Attributes("E:\\WINDOWS\\LOGOW.SYS"), port::kAttrHidden | port::kAttrReadOnly);
}

TEST_F(MigrationTest, LateVersion2ResetsTheOldAnimationSpeed) {
    StoreVersion("2.52");
    AddLegacyKeys();
    Start(sim::Os::Win98);
    // No RVLN.INI: the speed was the old standard.
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kIniNotice, kAnimationNotice}));
    EXPECT_TRUE(LegacyKeysGone());
    EXPECT_EQ(form->TrackBar2.Position(), 180);
    EXPECT_EQ(Dword("Controls", "AniSpeed"), 180u);
    EXPECT_EQ(Version(), "3.31");
}

TEST_F(MigrationTest, LateVersion2WithTheSpeed80OrAnOwnSpeedInTheIniFile) {
    StoreVersion("2.52");
    machine.files.AddFile("C:\\WINDOWS\\RVLN.INI", "[Controls]\r\nAniSpeed=80\r\n");
    Start(sim::Os::Win98);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kIniNotice, kAnimationNotice}));
    Stop();

    machine.dialogs.boxes.clear();
    machine.registry.RemoveKeyTree(RegRoot::CurrentUser, "SOFTWARE\\QAV");
    StoreVersion("2.52");
    machine.files.AddFile("C:\\WINDOWS\\RVLN.INI", "[Controls]\r\nAniSpeed=250\r\n");
    StartAgain();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kIniNotice});
    EXPECT_FALSE(Dword("Controls", "AniSpeed"));
}

TEST_F(MigrationTest, Version30MovesTheShutdownHotkeyIntoItsSection) {
    for (const char* version : {"3.0", "3.01", "3.0P"}) {
        machine.registry.RemoveKeyTree(RegRoot::CurrentUser, "SOFTWARE\\QAV");
        machine.dialogs.boxes.clear();
        StoreVersion(version);
        AddLegacyKeys();
        machine.registry.SetString(RegRoot::CurrentUser, kUser, "ShutDown HotKey", "K");
        // With CTRL + ALT + D taken the moved letter is the one start-up registers.
        machine.hotkeys.TakeByOther(port::kModControl | port::kModAlt, 'D');
        Start(sim::Os::Win98);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{kIniNotice}) << version;
        EXPECT_EQ(String("HotKeys", "ShutDown HotKey"), "K") << version;
        EXPECT_FALSE(machine.registry.HasValue(RegRoot::CurrentUser, kUser, "ShutDown HotKey")) << version;
        // The legacy keys belong to versions 1 and 2 only.
        EXPECT_TRUE(machine.registry.HasKey(RegRoot::LocalMachine, kLegacyProduct)) << version;
        EXPECT_EQ(Version(), "3.31") << version;
        Stop();
    }
}

TEST_F(MigrationTest, CurrentAndMissingVersionsRunNothing) {
    for (const char* version : std::initializer_list<const char*>{"3.1", "3.31", nullptr}) {
        machine.registry.RemoveKeyTree(RegRoot::CurrentUser, "SOFTWARE\\QAV");
        if (version) StoreVersion(version);
        AddLegacyKeys();
        machine.registry.SetString(RegRoot::CurrentUser, kUser, "ShutDown HotKey", "K");
        Start(sim::Os::Win98);
        EXPECT_TRUE(machine.dialogs.boxes.empty()) << (version ? version : "missing");
        EXPECT_TRUE(machine.registry.HasKey(RegRoot::LocalMachine, kLegacyProduct));
        // Start-up stores the letter it registered; the old value stays where it was.
        EXPECT_EQ(String("HotKeys", "ShutDown HotKey"), "D");
        EXPECT_TRUE(machine.registry.HasValue(RegRoot::CurrentUser, kUser, "ShutDown HotKey"));
        EXPECT_EQ(Version(), version ? std::optional<std::string>(version) : std::nullopt);
        Stop();
    }
}

TEST_F(MigrationTest, AntivirusNoticeOnceOnWindows9x) {
    machine.registry.AddKey(RegRoot::LocalMachine, kAntivirus);
    Start(sim::Os::Win98);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kAntivirusNotice});
    EXPECT_EQ(Dword("Warnings", "NAV"), 1u);
    Stop();
    machine.dialogs.boxes.clear();
    StartAgain();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(MigrationTest, AntivirusNoticeComesBeforeTheIniNotice) {
    machine.registry.AddKey(RegRoot::LocalMachine, kAntivirus);
    StoreVersion("3.0");
    Start(sim::Os::Win95);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kAntivirusNotice, kIniNotice}));
}

TEST_F(MigrationTest, NoAntivirusNoticeOnNtOrWithoutTheProduct) {
    machine.registry.AddKey(RegRoot::LocalMachine, kAntivirus);
    Start(sim::Os::NT4);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_FALSE(Dword("Warnings", "NAV"));
    Stop();
    machine.registry.RemoveKeyTree(RegRoot::LocalMachine, "SOFTWARE\\Symantec");
    machine.SetOs(sim::Os::Win98);
    StartAgain();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(MigrationTest, IniNoticeNamesTheUserAsTheInstanceAtomDoes) {
    machine.SetUser("Alex   ");
    StoreVersion("3.0");
    Start(sim::Os::Win98);
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_NE(machine.dialogs.boxes[0].text.find("for user: [ Alex ]"), std::string::npos);
}

}  // namespace
