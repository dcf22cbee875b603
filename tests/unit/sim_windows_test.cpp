#include <gtest/gtest.h>

#include "sim/machine.h"

namespace {

// The walk a program makes over the z-order from its application window.
std::vector<std::string> Walk(sim::SimForeignWindows& windows) {
    std::vector<std::string> classes;
    for (port::WindowId w = windows.ApplicationWindow(); w != 0; w = windows.NextWindow(w)) {
        classes.push_back(windows.ClassName(w, 64));
    }
    return classes;
}

TEST(SimForeignWindows, TheApplicationWindowLeadsTheZOrder) {
    sim::Machine m;
    m.AddForeignWindow("Regedit_Regedit");
    m.AddForeignWindow("CFAXMNG");
    port::WindowId tty = m.AddForeignWindow("tty");
    EXPECT_EQ(Walk(m.windows),
              (std::vector<std::string>{"TApplication", "Regedit_Regedit", "CFAXMNG", "tty"}));
    EXPECT_EQ(m.ui.ApplicationWindow(), m.windows.ApplicationWindow());

    // SetForegroundWindow brings a window to the top.
    EXPECT_TRUE(m.windows.SetForegroundWindow(tty));
    EXPECT_EQ(m.windows.ZOrder().front(), tty);
    EXPECT_EQ(Walk(m.windows), (std::vector<std::string>{"TApplication", "Regedit_Regedit", "CFAXMNG"}));
    EXPECT_TRUE(m.windows.SetForegroundWindow(m.windows.ApplicationWindow()));
    EXPECT_EQ(m.windows.Foreground(), m.windows.ApplicationWindow());
    EXPECT_TRUE(m.windows.SetForegroundWindow(m.taskbar.DesktopWindow()));
    EXPECT_EQ(m.windows.Foreground(), m.taskbar.DesktopWindow());

    // GetClassNameA's buffer holds the terminating NUL.
    EXPECT_EQ(m.windows.ClassName(tty, 3), "tt");
}

TEST(SimForeignWindows, WindowsCloseOrIgnorePostedMessagesAsSetUp) {
    sim::Machine m;
    port::WindowId fax = m.AddForeignWindow("CFAXMNG");
    port::WindowId ignoring = m.AddForeignWindow("TTY");
    m.windows.CloseAfter(fax, port::kWmClose, 2);
    m.windows.CloseAfter(ignoring, port::kWmClose, 0);

    m.loop.Sleep(250);
    EXPECT_TRUE(m.windows.PostMessage(fax, port::kWmClose, 0, 0));
    EXPECT_TRUE(m.windows.PostMessage(fax, port::kWmQuit, 0, 0));
    EXPECT_TRUE(m.windows.Alive(fax));
    m.loop.Sleep(250);
    EXPECT_TRUE(m.windows.PostMessage(fax, port::kWmClose, 0, 0));
    EXPECT_FALSE(m.windows.Alive(fax));
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(m.windows.PostMessage(ignoring, port::kWmClose, 0, 0));
    EXPECT_TRUE(m.windows.Alive(ignoring));

    // The handle of a closed window is invalid.
    EXPECT_EQ(m.windows.ClassName(fax, 64), "");
    EXPECT_EQ(m.windows.NextWindow(fax), 0u);
    EXPECT_FALSE(m.windows.PostMessage(fax, port::kWmClose, 0, 0));
    EXPECT_EQ(m.windows.LastError(), sim::kErrInvalidWindowHandle);
    EXPECT_FALSE(m.windows.SetForegroundWindow(fax));

    auto toFax = m.windows.PostedTo(fax);
    ASSERT_EQ(toFax.size(), 4u);
    EXPECT_EQ(toFax[0].atMs, 250u);
    EXPECT_EQ(toFax[2].atMs, 500u);
    EXPECT_EQ(toFax[2].className, "CFAXMNG");
    EXPECT_FALSE(toFax[3].delivered);
}

TEST(SimForeignWindows, MessagesToTheApplicationWindowReachTheProgramsLoop) {
    sim::Machine m;
    std::vector<std::uint32_t> seen;
    m.loop.SetMessageHook([&](const port::Message& msg, bool&) { seen.push_back(msg.msg); });
    EXPECT_TRUE(m.windows.PostMessage(m.windows.ApplicationWindow(), 0x400, 0, 0));
    EXPECT_TRUE(m.windows.Alive(m.windows.ApplicationWindow()));
    m.loop.ProcessMessages();
    EXPECT_EQ(seen, std::vector<std::uint32_t>{0x400});
}

TEST(SimAtoms, NamesIgnoreCaseAndCountReferences) {
    sim::SimAtoms atoms;
    EXPECT_EQ(atoms.GlobalFindAtom("RVLN!-Chris"), 0);
    port::Atom a = atoms.GlobalAddAtom("RVLN!-Chris");
    EXPECT_GE(a, 0xC000);
    EXPECT_EQ(atoms.GlobalFindAtom("rvln!-CHRIS"), a);
    EXPECT_EQ(atoms.GlobalAddAtom("RVLN!-CHRIS"), a);
    EXPECT_EQ(atoms.RefCount("RVLN!-Chris"), 2);
    EXPECT_NE(atoms.GlobalAddAtom("RVLN!-Pat"), a);
    atoms.GlobalDeleteAtom(a);
    EXPECT_TRUE(atoms.Has("RVLN!-Chris"));
    atoms.GlobalDeleteAtom(a);
    EXPECT_FALSE(atoms.Has("RVLN!-Chris"));
    EXPECT_EQ(atoms.GlobalFindAtom("RVLN!-Chris"), 0);
    EXPECT_EQ(atoms.Count(), 1u);
    EXPECT_EQ(atoms.GlobalAddAtom("#123"), 123);
    EXPECT_EQ(atoms.GlobalAddAtom(""), 0);
}

}  // namespace
