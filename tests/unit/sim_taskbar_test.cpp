#include <gtest/gtest.h>

#include "sim/machine.h"

namespace {

port::NotifyIconData Icon(port::WindowId window, std::uint32_t flags, const std::string& tip) {
    return port::NotifyIconData{window, 42, flags, 1124, 0x40000, tip};
}

TEST(SimTaskbar, TrayIconsFollowAddModifyDelete) {
    sim::Machine m;
    const port::WindowId w = 0x5000;
    EXPECT_FALSE(m.taskbar.ShellNotifyIcon(port::kNimModify, Icon(w, port::kNifTip, "x")));
    ASSERT_TRUE(m.taskbar.ShellNotifyIcon(port::kNimAdd, Icon(w, 7, "DoubleClick = ShutDown (+Power OFF)")));
    EXPECT_FALSE(m.taskbar.ShellNotifyIcon(port::kNimAdd, Icon(w, 7, "again")));
    ASSERT_TRUE(m.taskbar.ShellNotifyIcon(port::kNimModify, Icon(w, port::kNifTip, std::string(70, 'x'))));
    const port::NotifyIconData* shown = m.taskbar.TrayIcon(w, 42);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->tip, std::string(63, 'x'));
    EXPECT_EQ(shown->callbackMessage, 1124u);
    m.taskbar.failNextNotifies = 1;
    EXPECT_FALSE(m.taskbar.ShellNotifyIcon(port::kNimDelete, Icon(w, 0, "")));
    EXPECT_TRUE(m.taskbar.ShellNotifyIcon(port::kNimDelete, Icon(w, 0, "")));
    EXPECT_FALSE(m.taskbar.TrayIconPresent(w, 42));
    EXPECT_EQ(m.taskbar.notifyCalls.size(), 6u);
}

TEST(SimTaskbar, WindowsShowHideAndChangeParents) {
    sim::Machine m;
    port::WindowId app = m.windows.ApplicationWindow();
    EXPECT_TRUE(m.taskbar.IsWindowVisible(app));
    EXPECT_TRUE(m.taskbar.ShowWindow(app, port::kSwHide));
    EXPECT_FALSE(m.taskbar.IsWindowVisible(app));
    m.taskbar.SetMinimizeAnimation(false);
    EXPECT_FALSE(m.taskbar.ShowWindow(app, port::kSwMinimize));
    EXPECT_TRUE(m.taskbar.IsMinimized(app));
    EXPECT_FALSE(m.taskbar.showCalls.back().animationOn);
    m.taskbar.ShowWindow(app, port::kSwShowNormal);
    EXPECT_FALSE(m.taskbar.IsMinimized(app));

    const port::WindowId parking = 0x7000;
    EXPECT_EQ(m.taskbar.SetParent(app, parking), m.taskbar.DesktopWindow());
    EXPECT_EQ(m.taskbar.Parent(app), parking);
    EXPECT_EQ(m.taskbar.SetParent(app, 0), parking);
    EXPECT_EQ(m.taskbar.Parent(app), 0u);

    // One window at a time may be locked.
    EXPECT_TRUE(m.taskbar.LockWindowUpdate(m.taskbar.DesktopWindow()));
    EXPECT_FALSE(m.taskbar.LockWindowUpdate(app));
    EXPECT_TRUE(m.taskbar.LockWindowUpdate(0));
    EXPECT_EQ(m.taskbar.Locked(), 0u);
}

TEST(SimTaskbar, SystemMenusTakeInsertedDeletedAndCheckedItems) {
    sim::Machine m;
    port::WindowId main = 0x6000;
    port::MenuId menu = m.taskbar.GetSystemMenu(main, false);
    ASSERT_NE(menu, 0u);
    EXPECT_TRUE(m.taskbar.DeleteMenu(menu, port::kScMinimize, port::kMfByCommand));
    EXPECT_TRUE(m.taskbar.DeleteMenu(menu, sim::kScMaximize, port::kMfByCommand));
    EXPECT_TRUE(m.taskbar.DeleteMenu(menu, sim::kScSize, port::kMfByCommand));
    EXPECT_FALSE(m.taskbar.DeleteMenu(menu, sim::kScSize, port::kMfByCommand));
    EXPECT_TRUE(m.taskbar.InsertMenu(menu, sim::kScClose, port::kMfByCommand | port::kMfString, 1, "Hide"));
    EXPECT_TRUE(m.taskbar.InsertMenu(menu, sim::kScClose, port::kMfByCommand, 2, "Move to TaskBar"));
    EXPECT_TRUE(m.taskbar.InsertMenu(menu, sim::kScClose, port::kMfByCommand | port::kMfSeparator, 0, ""));
    EXPECT_FALSE(m.taskbar.InsertMenu(menu, 0x1234, port::kMfByCommand, 3, "nowhere"));
    EXPECT_EQ(m.taskbar.CheckMenuItem(menu, 1, port::kMfByCommand | port::kMfChecked), port::kMfUnchecked);
    EXPECT_EQ(m.taskbar.CheckMenuItem(menu, 1, port::kMfByCommand), port::kMfChecked);
    EXPECT_EQ(m.taskbar.CheckMenuItem(menu, 99, port::kMfByCommand), 0xFFFFFFFFu);

    auto items = m.taskbar.SystemMenu(main);
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.push_back(item.separator ? "-" : item.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"&Restore", "&Move", "-", "Hide", "Move to TaskBar", "-",
                                               "&Close\tAlt+F4"}));
    EXPECT_EQ(m.taskbar.GetSystemMenu(main, true), 0u);
    EXPECT_EQ(m.taskbar.SystemMenu(main).size(), 7u);
    EXPECT_EQ(m.taskbar.systemMenuReverts, 1);
}

TEST(SimTaskbar, IconFilesLoadWhenTheyExist) {
    sim::Machine m;
    m.files.AddFile("C:\\RAVELIN\\S1.ICO", "icon");
    m.files.AddFile("C:\\RAVELIN\\S2.TXT", "text");
    port::IconId icon = m.taskbar.LoadIconFile("C:\\RAVELIN\\s1.ico");
    EXPECT_NE(icon, 0u);
    EXPECT_EQ(m.taskbar.LoadIconFile("C:\\RAVELIN\\S2.TXT"), 0u);
    EXPECT_EQ(m.taskbar.LoadIconFile("C:\\RAVELIN\\S3.ICO"), 0u);
    EXPECT_EQ(m.taskbar.LiveIcons(), 1u);
    m.taskbar.DestroyIcon(icon);
    m.taskbar.DestroyIcon(icon);
    EXPECT_EQ(m.taskbar.LiveIcons(), 0u);
    EXPECT_EQ(m.taskbar.badIconDestroys, 1);
    EXPECT_NE(m.taskbar.ApplicationIcon(), 0u);
}

}  // namespace
