#include <gtest/gtest.h>

#include "sim/sim_registry.h"

namespace {

using port::RegRoot;
using sim::SimRegistry;

port::RegValue Sz(const std::string& text, bool withNul = true) {
    port::RegValue v{port::kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
    if (withNul) v.data.push_back(0);
    return v;
}

TEST(SimRegistry, NamesCompareWithoutCaseAndKeepTheirSpelling) {
    SimRegistry reg;
    ASSERT_EQ(
        reg.SetValue(RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Timer1", "Enabled", Sz("x")),
        0);
    port::RegValue out;
    EXPECT_EQ(
        reg.QueryValue(RegRoot::CurrentUser, "SOFTWARE\\qav\\RAVELIN\\localuser\\timer1", "ENABLED", out), 0);
    EXPECT_EQ(reg.KeyExists(RegRoot::CurrentUser, "software\\QAV\\Ravelin\\LocalUser"), 0);
    std::vector<std::string> names;
    ASSERT_EQ(reg.EnumSubKeys(RegRoot::CurrentUser, "SOFTWARE\\QAV\\RAVELIN\\LOCALUSER", names), 0);
    EXPECT_EQ(names, std::vector<std::string>{"Timer1"});

    // Writing under another spelling updates the one value and keeps the first spelling.
    ASSERT_EQ(
        reg.SetValue(RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Timer1", "enabled", Sz("y")),
        0);
    EXPECT_EQ(reg.ValueNames(RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Timer1"),
              std::vector<std::string>{"Enabled"});
    EXPECT_EQ(reg.String(RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Timer1", "Enabled"), "y");
}

TEST(SimRegistry, ValuesKeepTheirTypeAndRawBytes) {
    SimRegistry reg;
    // A REG_SZ written without its NUL comes back without it.
    ASSERT_EQ(reg.SetValue(RegRoot::CurrentUser, "K", "NoNul", Sz("abc", false)), 0);
    port::RegValue out;
    ASSERT_EQ(reg.QueryValue(RegRoot::CurrentUser, "K", "NoNul", out), 0);
    EXPECT_EQ(out.type, port::kRegSz);
    EXPECT_EQ(out.data, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(reg.String(RegRoot::CurrentUser, "K", "NoNul"), "abc");

    reg.SetDword(RegRoot::CurrentUser, "K", "Number", 0x01020304);
    ASSERT_EQ(reg.QueryValue(RegRoot::CurrentUser, "K", "Number", out), 0);
    EXPECT_EQ(out.type, port::kRegDword);
    EXPECT_EQ(out.data, (std::vector<std::uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(reg.Dword(RegRoot::CurrentUser, "K", "Number"), 0x01020304u);

    // The typed helpers see nothing of a value of another type.
    EXPECT_FALSE(reg.Dword(RegRoot::CurrentUser, "K", "NoNul").has_value());
    EXPECT_FALSE(reg.String(RegRoot::CurrentUser, "K", "Number").has_value());
    reg.SetString(RegRoot::CurrentUser, "K", "Text", "hello");
    EXPECT_EQ(reg.Raw(RegRoot::CurrentUser, "K", "Text")->data.size(), 6u);
}

TEST(SimRegistry, MissingKeysAndValuesAnswerFileNotFound) {
    SimRegistry reg;
    port::RegValue out;
    std::vector<std::string> names;
    EXPECT_EQ(reg.KeyExists(RegRoot::CurrentUser, "Software\\Nowhere"), 2);
    EXPECT_EQ(reg.QueryValue(RegRoot::CurrentUser, "Software\\Nowhere", "X", out), 2);
    EXPECT_EQ(reg.EnumValueNames(RegRoot::CurrentUser, "Software\\Nowhere", names), 2);
    EXPECT_EQ(reg.DeleteKey(RegRoot::CurrentUser, "Software\\Nowhere"), 2);
    reg.AddKey(RegRoot::CurrentUser, "Software\\There");
    EXPECT_EQ(reg.QueryValue(RegRoot::CurrentUser, "Software\\There", "X", out), 2);
    EXPECT_EQ(reg.DeleteValue(RegRoot::CurrentUser, "Software\\There", "X"), 2);
    // Roots are separate trees.
    EXPECT_EQ(reg.KeyExists(RegRoot::LocalMachine, "Software\\There"), 2);
}

TEST(SimRegistry, EnumeratesInCreationOrder) {
    SimRegistry reg;
    for (const char* name : {"Zeta", "alpha", "Mid"}) {
        ASSERT_EQ(reg.CreateKey(RegRoot::LocalMachine, std::string("SOFTWARE\\T\\") + name), 0);
        ASSERT_EQ(reg.SetValue(RegRoot::LocalMachine, "SOFTWARE\\T", name, Sz(name)), 0);
    }
    std::vector<std::string> keys, values;
    ASSERT_EQ(reg.EnumSubKeys(RegRoot::LocalMachine, "SOFTWARE\\T", keys), 0);
    ASSERT_EQ(reg.EnumValueNames(RegRoot::LocalMachine, "SOFTWARE\\T", values), 0);
    EXPECT_EQ(keys, (std::vector<std::string>{"Zeta", "alpha", "Mid"}));
    EXPECT_EQ(values, (std::vector<std::string>{"Zeta", "alpha", "Mid"}));
}

TEST(SimRegistry, DeleteKeyRefusesAKeyWithSubkeys) {
    SimRegistry reg;
    reg.AddKey(RegRoot::LocalMachine, "SOFTWARE\\QAV\\Ravelin\\DeviceTable 0");
    reg.SetString(RegRoot::LocalMachine, "SOFTWARE\\QAV\\Ravelin\\DeviceTable 0", "Device1", "CD - E:,");
    EXPECT_EQ(reg.DeleteKey(RegRoot::LocalMachine, "SOFTWARE\\QAV\\Ravelin"), 5);
    EXPECT_TRUE(reg.HasKey(RegRoot::LocalMachine, "SOFTWARE\\QAV\\Ravelin"));
    // A key with values but no subkeys goes, values and all.
    EXPECT_EQ(reg.DeleteKey(RegRoot::LocalMachine, "software\\qav\\ravelin\\devicetable 0"), 0);
    EXPECT_FALSE(reg.HasKey(RegRoot::LocalMachine, "SOFTWARE\\QAV\\Ravelin\\DeviceTable 0"));
    EXPECT_TRUE(reg.HasKey(RegRoot::LocalMachine, "SOFTWARE\\QAV\\Ravelin"));
}

TEST(SimRegistry, DeniedWritesUnderAPrefixFailWithAccessDenied) {
    SimRegistry reg;
    reg.SetDword(RegRoot::LocalMachine, "Software\\QAV\\Ravelin\\GlobalUser\\Logos", "Logo", 1);
    reg.DenyWrites(RegRoot::LocalMachine);
    EXPECT_EQ(
        reg.SetValue(RegRoot::LocalMachine, "Software\\QAV\\Ravelin\\GlobalUser\\Logos", "Logo", Sz("0")), 5);
    EXPECT_EQ(reg.CreateKey(RegRoot::LocalMachine, "Software\\New"), 5);
    EXPECT_EQ(reg.DeleteValue(RegRoot::LocalMachine, "Software\\QAV\\Ravelin\\GlobalUser\\Logos", "Logo"), 5);
    EXPECT_EQ(reg.DeleteKey(RegRoot::LocalMachine, "Software\\QAV\\Ravelin\\GlobalUser\\Logos"), 5);
    EXPECT_FALSE(reg.HasKey(RegRoot::LocalMachine, "Software\\New"));
    EXPECT_EQ(reg.Dword(RegRoot::LocalMachine, "Software\\QAV\\Ravelin\\GlobalUser\\Logos", "Logo"), 1u);
    // Reads still work, and other roots are untouched.
    port::RegValue out;
    EXPECT_EQ(reg.QueryValue(RegRoot::LocalMachine, "Software\\QAV\\Ravelin\\GlobalUser\\Logos", "Logo", out),
              0);
    EXPECT_EQ(reg.SetValue(RegRoot::CurrentUser, "Software\\QAV", "X", Sz("1")), 0);

    reg.ClearAccessRules();
    EXPECT_EQ(reg.CreateKey(RegRoot::LocalMachine, "Software\\New"), 0);
}

TEST(SimRegistry, DeniedReadsCoverOnlyTheirPrefix) {
    SimRegistry reg;
    reg.SetDword(RegRoot::CurrentUser, "Software\\Secret\\Deep", "V", 7);
    reg.SetDword(RegRoot::CurrentUser, "Software\\SecretNot", "V", 8);
    reg.DenyReads(RegRoot::CurrentUser, "SOFTWARE\\SECRET");
    port::RegValue out;
    std::vector<std::string> names;
    EXPECT_EQ(reg.KeyExists(RegRoot::CurrentUser, "Software\\Secret"), 5);
    EXPECT_EQ(reg.QueryValue(RegRoot::CurrentUser, "Software\\Secret\\Deep", "V", out), 5);
    EXPECT_EQ(reg.EnumSubKeys(RegRoot::CurrentUser, "Software\\Secret", names), 5);
    // A prefix matches whole key names only.
    EXPECT_EQ(reg.QueryValue(RegRoot::CurrentUser, "Software\\SecretNot", "V", out), 0);
    // Writes are not covered by a read rule.
    EXPECT_EQ(reg.SetValue(RegRoot::CurrentUser, "Software\\Secret", "W", Sz("")), 0);
}

TEST(SimRegistry, RefusesPathsWithLeadingOrDoubledBackslash) {
    SimRegistry reg;
    EXPECT_EQ(reg.CreateKey(RegRoot::CurrentUser, "\\Software\\X"), sim::kErrBadPathname);
    EXPECT_EQ(reg.CreateKey(RegRoot::CurrentUser, "Software\\\\X"), sim::kErrBadPathname);
    EXPECT_EQ(reg.CreateKey(RegRoot::CurrentUser, "Software\\X\\"), 0);
    EXPECT_TRUE(reg.HasKey(RegRoot::CurrentUser, "Software\\X"));
}

TEST(SimRegistry, RecordsCallsAndDumpsItsTree) {
    SimRegistry reg;
    port::RegValue out;
    reg.QueryValue(RegRoot::CurrentUser, "Software\\QAV", "A", out);
    EXPECT_EQ(reg.WriteCalls(), 0);
    reg.SetValue(RegRoot::CurrentUser, "Software\\QAV", "A", Sz("1"));
    reg.DeleteValue(RegRoot::CurrentUser, "Software\\QAV", "B");
    EXPECT_EQ(reg.WriteCalls(), 2);
    ASSERT_EQ(reg.calls.size(), 3u);
    EXPECT_EQ(reg.calls[2].kind, sim::RegCall::DeleteValue);
    EXPECT_EQ(reg.calls[2].result, 2);

    reg.SetDword(RegRoot::CurrentUser, "Software\\QAV", "Count", 3);
    std::string dump = reg.DumpTree();
    EXPECT_NE(dump.find("HKEY_CURRENT_USER"), std::string::npos);
    EXPECT_NE(dump.find("\"A\" = REG_SZ \"1\\0\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"Count\" = REG_DWORD 0x00000003"), std::string::npos) << dump;
}

}  // namespace
