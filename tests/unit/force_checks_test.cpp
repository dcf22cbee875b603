// Guarded programs that refuse FORCE, and the auxiliary windows closed before the session ends.
#include "shutdown/force_checks.h"

#include <gtest/gtest.h>
#include "sim/machine.h"

namespace {

using shutdown::CloseFamily;

class ForceChecksTest : public ::testing::Test {
  protected:
    size_t Boxes() const { return machine.dialogs.boxes.size(); }
    bool Blocked(app::OsKind kind, bool messages = true) {
        return shutdown::IsForceBlocked(platform, kind, messages);
    }

    sim::Machine machine;
    port::Platform platform = machine.Platform();
};

TEST_F(ForceChecksTest, NothingGuardedNothingBlocked) {
    machine.AddForeignWindow("Notepad");
    machine.AddForeignWindow("Shell_TrayWnd");
    EXPECT_FALSE(Blocked(app::osWin98));
    EXPECT_EQ(Boxes(), 0u);
}

TEST_F(ForceChecksTest, OnNtOnlyScsiBenchAndTheRegistryEditorBlock) {
    for (const char* cls : {"MSDefragWClass1", "SDWMAINDLG", "DVPTRAY", "dvp"})
        machine.AddForeignWindow(cls);
    EXPECT_FALSE(Blocked(app::osNT4));
    EXPECT_FALSE(Blocked(app::osNT3));
    EXPECT_EQ(Boxes(), 0u);
    machine.AddForeignWindow("ScBnch32");
    EXPECT_TRUE(Blocked(app::osNT4));
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, sim::BoxKind::Information);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "INFO: This shutdown-option does not work, because:\r\rADAPTEC SCSIBench\xC2\xAE is "
        "active!\r\rPlease "
        "close SCSIBench, before using a FORCE option!\rThis is a safety function to avoid getting a corrupt "
        "hard-\rdisk, if forcing SCSIBench to close!");
}

TEST_F(ForceChecksTest, OnWindows9xAllFiveBlock) {
    const char* classes[] = {"SCBNCH32", "Regedit_Regedit", "MSDEFRAGWCLASS1", "SDWMainDlg", "DVPTRAY"};
    const char* words[] = {"SCSIBench", "Registration-Editor", "Defrag", "SpeedDisk",
                           "DVP, a known resident"};
    for (int i = 0; i < 5; ++i) {
        sim::Machine m;
        m.AddForeignWindow(classes[i]);
        port::Platform p = m.Platform();
        EXPECT_TRUE(shutdown::IsForceBlocked(p, app::osWin95, true)) << classes[i];
        ASSERT_EQ(m.dialogs.boxes.size(), 1u) << classes[i];
        EXPECT_NE(m.dialogs.boxes[0].text.find(words[i]), std::string::npos) << classes[i];
    }
}

TEST_F(ForceChecksTest, TwoRegistryEditorsTwoBoxesTwoSpeedDisksOne) {
    machine.AddForeignWindow("REGEDIT_REGEDIT");
    machine.AddForeignWindow("SDWMAINDLG");
    machine.AddForeignWindow("REGEDIT_REGEDIT");
    machine.AddForeignWindow("SDWMAINDLG");
    EXPECT_TRUE(Blocked(app::osWin98));
    ASSERT_EQ(Boxes(), 3u);
    EXPECT_NE(machine.dialogs.boxes[0].text.find("Registration-Editor"), std::string::npos);
    EXPECT_NE(machine.dialogs.boxes[1].text.find("SpeedDisk"), std::string::npos);
    EXPECT_NE(machine.dialogs.boxes[2].text.find("Registration-Editor"), std::string::npos);
    // SpeedDisk is reported once per call, not once per program run.
    EXPECT_TRUE(Blocked(app::osWin98));
    EXPECT_EQ(Boxes(), 6u);
}

TEST_F(ForceChecksTest, DvpIsAPrefixOtherNamesAreExact) {
    machine.AddForeignWindow("REGEDIT_REGEDITX");
    machine.AddForeignWindow("XDVP");
    machine.AddForeignWindow("DV");
    EXPECT_FALSE(Blocked(app::osWin98));
    machine.AddForeignWindow("DVPTRAY");
    EXPECT_TRUE(Blocked(app::osWin98));
}

TEST_F(ForceChecksTest, WithoutMessagesTheResultIsTheSame) {
    machine.AddForeignWindow("REGEDIT_REGEDIT");
    EXPECT_TRUE(Blocked(app::osNT4, false));
    EXPECT_EQ(Boxes(), 0u);
}

TEST_F(ForceChecksTest, SystemClassesAreSkipped) {
    machine.AddForeignWindow("#32770");
    EXPECT_FALSE(Blocked(app::osWin98));
    EXPECT_EQ(machine.windows.Foreground(), machine.windows.ApplicationWindow());
}

// A countdown or hotkey acting while another program has the focus cannot raise the program's
// window: a registry editor opened later stays above it and must still be found, and an auxiliary
// window above it still gets its message, with the walk going on past a window that closed.
TEST_F(ForceChecksTest, WindowsAboveTheProgramsOwnAreSeenWhenItCannotComeToTheFront) {
    machine.windows.foregroundLocked = true;
    port::WindowId below = machine.AddForeignWindow("CFAXMNG");
    machine.windows.CloseAfter(below, port::kWmClose, 1);
    machine.windows.AddWindow("REGEDIT_REGEDIT", true);
    port::WindowId fax = machine.windows.AddWindow("CFAXMNG", true);
    machine.windows.CloseAfter(fax, port::kWmClose, 1);

    EXPECT_TRUE(Blocked(app::osNT4));
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_NE(machine.dialogs.boxes[0].text.find("Registration-Editor"), std::string::npos);
    EXPECT_EQ(machine.windows.foregroundCalls.back(), machine.windows.ApplicationWindow());

    shutdown::PreCloseWindows(platform, app::osNT4, CloseFamily::Force);
    EXPECT_FALSE(machine.windows.Alive(fax));
    EXPECT_FALSE(machine.windows.Alive(below));
}

TEST_F(ForceChecksTest, AnIgnoringWindowCostsTenPostsAQuarterSecondApart) {
    port::WindowId tty = machine.AddForeignWindow("tty");
    const std::uint64_t start = machine.loop.NowMs();
    shutdown::PreCloseWindows(platform, app::osWin98, CloseFamily::Normal);
    auto posts = machine.windows.PostedTo(tty);
    ASSERT_EQ(posts.size(), 10u);
    for (size_t i = 0; i < posts.size(); ++i) {
        EXPECT_EQ(posts[i].msg, port::kWmQuit);
        EXPECT_EQ(posts[i].atMs, start + 250 * i);
    }
    EXPECT_EQ(machine.loop.NowMs(), start + 2500);
}

TEST_F(ForceChecksTest, AWindowThatClosesCostsOnePost) {
    port::WindowId fax = machine.AddForeignWindow("CFAXMNG");
    machine.windows.CloseAfter(fax, port::kWmClose, 1);
    shutdown::PreCloseWindows(platform, app::osNT4, CloseFamily::Normal);
    auto posts = machine.windows.PostedTo(fax);
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].msg, port::kWmClose);
    EXPECT_FALSE(machine.windows.Alive(fax));
}

TEST_F(ForceChecksTest, ClassesAndMessagesPerSystemAndFamily) {
    struct Case {
        app::OsKind kind;
        CloseFamily family;
        const char* cls;
        std::uint32_t msg;  // 0: left alone
    };
    const Case cases[] = {
        {app::osWin98, CloseFamily::Normal, "CFAXMNG", port::kWmClose},
        {app::osWin98, CloseFamily::Normal, "TTY", port::kWmQuit},
        {app::osWin98, CloseFamily::Normal, "WINPOPUP", 0},
        {app::osWin98, CloseFamily::Normal, "CONSOLEWINDOWCLASS", 0},
        {app::osNT4, CloseFamily::Normal, "CFAXMNG", port::kWmClose},
        {app::osNT4, CloseFamily::Normal, "ConsoleWindowClass", port::kWmQuit},
        {app::osNT4, CloseFamily::Normal, "TTY", 0},
        {app::osWin95, CloseFamily::Force, "WINPOPUP", port::kWmDestroy},
        {app::osWin95, CloseFamily::Force, "TTY", port::kWmQuit},
        {app::osWin95, CloseFamily::Force, "CFAXMNG", port::kWmClose},
        {app::osNT3, CloseFamily::Force, "CONSOLEWINDOWCLASS", port::kWmQuit},
        {app::osNT3, CloseFamily::Force, "CFAXMNG", port::kWmClose},
        {app::osNT3, CloseFamily::Force, "WINPOPUP", 0},
    };
    for (const Case& c : cases) {
        sim::Machine m;
        port::WindowId w = m.AddForeignWindow(c.cls);
        if (c.msg) m.windows.CloseAfter(w, c.msg, 1);
        port::Platform p = m.Platform();
        shutdown::PreCloseWindows(p, c.kind, c.family);
        auto posts = m.windows.PostedTo(w);
        if (c.msg == 0) {
            EXPECT_TRUE(posts.empty()) << c.cls;
        } else {
            ASSERT_EQ(posts.size(), 1u) << c.cls;
            EXPECT_EQ(posts[0].msg, c.msg) << c.cls;
        }
    }
}

}  // namespace
