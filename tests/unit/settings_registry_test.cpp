// The registry layer of the settings: plain and string forms, reads that never fail, the safe
// reading of string values, and writes that name the value Windows refused.
#include <gtest/gtest.h>
#include "settings/autostart.h"
#include "settings/clamp.h"
#include "settings/ini.h"
#include "settings/registry_access.h"
#include "settings/user_values.h"
#include "sim/machine.h"

namespace {

using port::RegRoot;
using sim::BoxKind;
constexpr const char* kBase = "Software\\QAV\\Ravelin\\LocalUser";
constexpr const char* kControls = "Software\\QAV\\Ravelin\\LocalUser\\Controls";

port::RegValue Raw(std::uint32_t type, const std::string& bytes) {
    port::RegValue value;
    value.type = type;
    value.data.assign(bytes.begin(), bytes.end());
    return value;
}

class RegistryAccessTest : public ::testing::Test {
  protected:
    sim::Machine machine;
    port::Platform os = machine.Platform();
    port::RegistryPort& reg = machine.registry;
};

TEST(StringDataTest, StopsAtTheFirstNulAndNeverReadsPastTheData) {
    EXPECT_EQ(settings::StringData(Raw(port::kRegSz, std::string("abc\0", 4))), "abc");
    // Not terminated: exactly the stored bytes, nothing behind them.
    EXPECT_EQ(settings::StringData(Raw(port::kRegSz, "abc")), "abc");
    EXPECT_EQ(settings::StringData(Raw(port::kRegSz, std::string("ab\0cd", 5))), "ab");
    EXPECT_EQ(settings::StringData(Raw(port::kRegSz, "")), "");
    EXPECT_EQ(settings::StringData(Raw(port::kRegSz, std::string("\0", 1))), "");
}

TEST_F(RegistryAccessTest, StringWithoutTerminatorOrLongerThanAnyBufferReadsWhole) {
    machine.registry.SetRaw(RegRoot::CurrentUser, kControls, "Open",
                            Raw(port::kRegSz, "C:\\TOOLS\\VIEW.EXE"));
    EXPECT_EQ(settings::ReadString(reg, RegRoot::CurrentUser, kBase, "Controls", "Open", "x"),
              "C:\\TOOLS\\VIEW.EXE");

    const std::string longText(100'000, 'L');
    machine.registry.SetRaw(RegRoot::CurrentUser, kControls, "Long", Raw(port::kRegSz, longText));
    EXPECT_EQ(settings::ReadString(reg, RegRoot::CurrentUser, kBase, "Controls", "Long", ""), longText);
    machine.registry.SetString(RegRoot::CurrentUser, kControls, "LongSz", longText);
    EXPECT_EQ(settings::ReadString(reg, RegRoot::CurrentUser, kBase, "Controls", "LongSz", ""), longText);

    machine.registry.SetRaw(RegRoot::CurrentUser, kControls, "Expand", Raw(port::kRegExpandSz, "%TEMP%"));
    EXPECT_EQ(settings::ReadString(reg, RegRoot::CurrentUser, kBase, "Controls", "Expand", ""), "%TEMP%");
}

TEST_F(RegistryAccessTest, ReadsGiveTheDefaultForMissingKeysValuesAndOtherTypes) {
    const RegRoot cu = RegRoot::CurrentUser;
    EXPECT_TRUE(settings::ReadBool(reg, cu, kBase, "Nowhere", "Center", true));
    EXPECT_EQ(settings::ReadInteger(reg, cu, kBase, "Nowhere", "AniSpeed", 180), 180);
    EXPECT_EQ(settings::ReadString(reg, cu, kBase, "Nowhere", "Edit2", "*"), "*");

    machine.registry.SetString(cu, kControls, "Center", "0");
    machine.registry.SetBinary(cu, kControls, "AniSpeed", {1, 0, 0, 0});
    machine.registry.SetDword(cu, kControls, "Edit2", 7);
    machine.registry.SetRaw(cu, kControls, "Short", Raw(port::kRegDword, std::string("\1\0", 2)));
    EXPECT_TRUE(settings::ReadBool(reg, cu, kBase, "Controls", "Center", true));
    EXPECT_EQ(settings::ReadInteger(reg, cu, kBase, "Controls", "AniSpeed", 180), 180);
    EXPECT_EQ(settings::ReadString(reg, cu, kBase, "Controls", "Edit2", "*"), "*");
    EXPECT_EQ(settings::ReadInteger(reg, cu, kBase, "Controls", "Short", 9), 9);
    EXPECT_TRUE(machine.dialogs.boxes.empty());

    // A key the user may not read is as good as missing.
    machine.registry.SetDword(cu, kControls, "Locked", 0);
    machine.registry.DenyReads(cu, kControls);
    EXPECT_TRUE(settings::ReadBool(reg, cu, kBase, "Controls", "Locked", true));
}

TEST_F(RegistryAccessTest, AnyNonZeroIsTrueAndIntegersKeepTheirSign) {
    const RegRoot cu = RegRoot::CurrentUser;
    machine.registry.SetDword(cu, kControls, "Hints", 5);
    machine.registry.SetDword(cu, kControls, "Top", 0xFFFFFF9C);
    EXPECT_TRUE(settings::ReadBool(reg, cu, kBase, "Controls", "Hints", false));
    EXPECT_EQ(settings::ReadInteger(reg, cu, kBase, "Controls", "Top", 0), -100);
}

TEST_F(RegistryAccessTest, PlainWritesUseDwordsAndTerminatedStrings) {
    const RegRoot cu = RegRoot::CurrentUser;
    EXPECT_TRUE(settings::WriteBool(os, cu, kBase, "Controls", "Hints", true));
    EXPECT_TRUE(settings::WriteInteger(os, cu, kBase, "Window", "Left", -12));
    EXPECT_TRUE(settings::WriteString(os, cu, kBase, "Guards", "Edit2", "C:\\A.EXE"));
    EXPECT_EQ(machine.registry.Dword(cu, kControls, "Hints"), 1u);
    EXPECT_EQ(machine.registry.Dword(cu, std::string(kBase) + "\\Window", "Left"), 0xFFFFFFF4u);
    auto raw = machine.registry.Raw(cu, std::string(kBase) + "\\Guards", "Edit2");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, port::kRegSz);
    EXPECT_EQ(raw->data.size(), 9u);
    EXPECT_EQ(raw->data.back(), 0);
}

TEST_F(RegistryAccessTest, RefusedWriteNamesTheValueInAnErrorBox) {
    machine.DenyMachineKeyWrites();
    EXPECT_FALSE(settings::WriteBool(os, RegRoot::LocalMachine, "Software\\QAV\\Ravelin\\GlobalUser", "Logos",
                                     "First_ShutDown", true));
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    const sim::BoxRecord& box = machine.dialogs.boxes[0];
    EXPECT_EQ(box.kind, BoxKind::Error);
    EXPECT_NE(box.text.find("[ First_ShutDown ]"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("HKEY_LOCAL_MACHINE\\Software\\QAV\\Ravelin\\GlobalUser\\Logos"),
              std::string::npos)
        << box.text;
    EXPECT_NE(box.text.find("access denied"), std::string::npos) << box.text;
}

TEST_F(RegistryAccessTest, StringFormNumbers) {
    const RegRoot cu = RegRoot::CurrentUser;
    const std::string key = "SOFTWARE\\QAV\\Ravelin\\LocalUser";
    struct Case {
        const char* text;
        int expected;
    };
    for (Case c : {Case{"1", 1}, Case{"0", 0}, Case{"0x1F", 31}, Case{"0X10", 16}, Case{" 42 ", 42},
                   Case{"-3", -3}, Case{"0xFFFFFFFF", -1}, Case{"abc", 77}, Case{"", 77}, Case{"12a", 77},
                   Case{"--5", 77}, Case{"0x", 77}, Case{"99999999999", 77}}) {
        machine.registry.SetString(cu, key, "Systray", c.text);
        EXPECT_EQ(settings::ReadNumberText(reg, "SOFTWARE\\QAV\\Ravelin", "LocalUser", "Systray", 77),
                  c.expected)
            << '"' << c.text << '"';
    }
    machine.registry.SetDword(cu, key, "Systray", 1);
    EXPECT_EQ(settings::ReadNumberText(reg, "SOFTWARE\\QAV\\Ravelin", "LocalUser", "Systray", 77), 77);
    EXPECT_EQ(settings::ReadNumberText(reg, "SOFTWARE\\QAV\\Ravelin", "LocalUser", "Missing", 77), 77);

    EXPECT_TRUE(settings::WriteNumberText(os, "SOFTWARE\\QAV\\Ravelin", "LocalUser", "Systray", 1));
    EXPECT_EQ(machine.registry.String(cu, key, "Systray"), "1");
    EXPECT_EQ(machine.registry.Raw(cu, key, "Systray")->type, port::kRegSz);
}

TEST_F(RegistryAccessTest, StringFormPathsMayNameTheirRoot) {
    EXPECT_EQ(settings::SplitRootedPath("SOFTWARE\\QAV").root, RegRoot::CurrentUser);
    auto machineKey = settings::SplitRootedPath("HKEY_LOCAL_MACHINE\\SOFTWARE\\QAV");
    EXPECT_EQ(machineKey.root, RegRoot::LocalMachine);
    EXPECT_EQ(machineKey.key, "SOFTWARE\\QAV");
    EXPECT_EQ(settings::SplitRootedPath("hkey_users\\.DEFAULT").root, RegRoot::Users);
    // A name that only begins like a root is a key of the current user.
    auto lookalike = settings::SplitRootedPath("HKEY_LOCAL_MACHINEX\\A");
    EXPECT_EQ(lookalike.root, RegRoot::CurrentUser);
    EXPECT_EQ(lookalike.key, "HKEY_LOCAL_MACHINEX\\A");

    EXPECT_TRUE(settings::WriteText(os, "HKEY_LOCAL_MACHINE\\SOFTWARE\\QAV", "Test", "Name", "x"));
    EXPECT_EQ(machine.registry.String(RegRoot::LocalMachine, "SOFTWARE\\QAV\\Test", "Name"), "x");
    EXPECT_EQ(settings::ReadText(reg, "HKEY_LOCAL_MACHINE\\SOFTWARE\\QAV", "Test", "Name", "d"), "x");
    EXPECT_EQ(settings::ReadText(reg, "SOFTWARE\\QAV", "Test", "Name", "d"), "d");
}

TEST_F(RegistryAccessTest, DeleteAndExistenceReportNothing) {
    const RegRoot lm = RegRoot::LocalMachine;
    machine.registry.SetString(lm, "SOFTWARE\\Old\\Product\\Controls", "A", "1");
    machine.registry.SetString(lm, "SOFTWARE\\Old\\Product\\Guards\\Deep", "B", "2");
    EXPECT_TRUE(settings::KeyExists(reg, lm, "SOFTWARE\\Old\\Product"));
    EXPECT_TRUE(settings::ValueExists(reg, lm, "SOFTWARE\\Old\\Product\\Controls", "a"));
    EXPECT_FALSE(settings::ValueExists(reg, lm, "SOFTWARE\\Old\\Product\\Controls", "B"));
    EXPECT_TRUE(settings::DeleteKeyTree(reg, lm, "SOFTWARE\\Old\\Product"));
    EXPECT_FALSE(machine.registry.HasKey(lm, "SOFTWARE\\Old\\Product"));
    EXPECT_TRUE(machine.registry.HasKey(lm, "SOFTWARE\\Old"));
    EXPECT_FALSE(settings::DeleteValue(reg, lm, "SOFTWARE\\Old", "Nothing"));
    EXPECT_FALSE(settings::KeyExists(reg, lm, "SOFTWARE\\Old\\Product"));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(RegistryAccessTest, SingleUserValuesAndThePowerOffWay) {
    EXPECT_EQ(settings::ReadPowerResult(os), 0);
    EXPECT_TRUE(settings::WritePowerResult(os, 3));
    EXPECT_EQ(machine.registry.Dword(RegRoot::CurrentUser, std::string(kBase) + "\\Guards", "PowerResult"),
              3u);
    EXPECT_EQ(settings::ReadPowerResult(os), 3);
    EXPECT_TRUE(settings::WriteUserString(os, "ExternalPrograms", "TextViewer", "C:\\V.EXE"));
    EXPECT_EQ(settings::ReadUserString(os, "ExternalPrograms", "TextViewer", "NOTEPAD.EXE"), "C:\\V.EXE");
    EXPECT_EQ(settings::ReadUserInt(os, "Controls", "LogSize", 992), 992);
    EXPECT_TRUE(settings::WriteUserBool(os, "Controls", "EmptyConfirm", true));
    EXPECT_TRUE(settings::ReadUserBool(os, "Controls", "EmptyConfirm", false));
    EXPECT_TRUE(settings::DeleteUserValue(os, "Controls", "EmptyConfirm"));
    EXPECT_FALSE(settings::ReadUserBool(os, "Controls", "EmptyConfirm", false));
}

TEST(AutostartCommandTest, QuotedOnlyWithBlanksAndReadInBothForms) {
    EXPECT_EQ(settings::AutostartCommand("C:\\RAVELIN\\RVLN.EXE"), "C:\\RAVELIN\\RVLN.EXE");
    EXPECT_EQ(settings::AutostartCommand("C:\\Program Files\\Ravelin\\RVLN.EXE"),
              "\"C:\\Program Files\\Ravelin\\RVLN.EXE\"");
    EXPECT_EQ(settings::AutostartProgramPath("\"C:\\Program Files\\Ravelin\\RVLN.EXE\""),
              "C:\\Program Files\\Ravelin\\RVLN.EXE");
    EXPECT_EQ(settings::AutostartProgramPath("C:\\Program Files\\Ravelin\\RVLN.EXE"),
              "C:\\Program Files\\Ravelin\\RVLN.EXE");
    EXPECT_EQ(settings::AutostartProgramPath("  C:\\RAVELIN\\RVLN.EXE "), "C:\\RAVELIN\\RVLN.EXE");
    EXPECT_EQ(settings::AutostartProgramPath("\"C:\\A B\\RVLN.EXE\" /Q"), "C:\\A B\\RVLN.EXE");
    EXPECT_EQ(settings::AutostartProgramPath("\"C:\\A B\\RVLN.EXE"), "C:\\A B\\RVLN.EXE");
    EXPECT_EQ(settings::AutostartProgramPath(""), "");
}

TEST_F(RegistryAccessTest, AutostartValueFollowsTheExecutable) {
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    machine.system.executablePath = "C:\\Program Files\\Ravelin\\RVLN.EXE";
    EXPECT_TRUE(settings::SetAutostart(os));
    EXPECT_EQ(machine.registry.String(RegRoot::CurrentUser, run, "Ravelin"),
              "\"C:\\Program Files\\Ravelin\\RVLN.EXE\"");
    EXPECT_EQ(settings::ReadAutostart(os), "C:\\Program Files\\Ravelin\\RVLN.EXE");
    // An older version wrote the path unquoted.
    machine.registry.SetString(RegRoot::CurrentUser, run, "Ravelin", "C:\\Program Files\\Ravelin\\RVLN.EXE");
    EXPECT_EQ(settings::ReadAutostart(os), "C:\\Program Files\\Ravelin\\RVLN.EXE");
    settings::ClearAutostart(os);
    EXPECT_FALSE(machine.registry.HasValue(RegRoot::CurrentUser, run, "Ravelin"));
    EXPECT_EQ(settings::ReadAutostart(os), "");
    settings::ClearAutostart(os);  // nothing to delete: no complaint
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST(ClampToScreenTest, ThirtyPixelsStayOnTheScreen) {
    // A 241 x 243 window on 1024 x 768.
    auto clamp = [](int top, int left) { return settings::ClampToScreen({top, left}, 241, 243, 1024, 768); };
    EXPECT_EQ(clamp(-30, 100).top, -30);
    EXPECT_EQ(clamp(-31, 100).top, 0);
    EXPECT_EQ(clamp(738, 100).top, 738);
    EXPECT_EQ(clamp(739, 100).top, 768 - 243);
    EXPECT_EQ(clamp(100, -211).left, -211);
    EXPECT_EQ(clamp(100, -212).left, 0);
    EXPECT_EQ(clamp(100, 994).left, 994);
    EXPECT_EQ(clamp(100, 995).left, 1024 - 241);
    EXPECT_EQ(clamp(-5000, -5000).top, 0);
    EXPECT_EQ(clamp(-5000, -5000).left, 0);
    EXPECT_EQ(clamp(100, 200).top, 100);
    EXPECT_EQ(clamp(100, 200).left, 200);
}

TEST(IniValueTest, SectionAndKeyWithoutRegardToCase) {
    const std::string ini =
        "[Window]\r\nAniSpeed=10\r\n; comment\r\n[controls]\r\n  aniSpeed = 80 \r\nOther=1";
    EXPECT_EQ(settings::IniValue(ini, "Controls", "AniSpeed"), "80");
    EXPECT_EQ(settings::IniValue(ini, "Window", "AniSpeed"), "10");
    EXPECT_EQ(settings::IniValue(ini, "Controls", "Other"), "1");
    EXPECT_EQ(settings::IniValue(ini, "Controls", "Missing"), std::nullopt);
    EXPECT_EQ(settings::IniValue(ini, "Guards", "AniSpeed"), std::nullopt);
    EXPECT_EQ(settings::IniValue("", "Controls", "AniSpeed"), std::nullopt);
    EXPECT_EQ(settings::IniValue("AniSpeed=80\n[Controls]\n", "Controls", "AniSpeed"), std::nullopt);
}

}  // namespace
