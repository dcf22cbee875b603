// Every control of every Settings sub-page: its group, caption, place, hint and help number.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>
#include "app/form1.h"
#include "app/program.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

struct SubPage {
    int tab;
    int subPage;
    ui::GroupBox app::Notebook::*group;
    const char* name;
};

const SubPage kSubPages[] = {
    {0, 1, &app::Notebook::GroupTray, "System Tray"},
    {0, 2, &app::Notebook::GroupGraphic, "Graphic Controls"},
    {0, 3, &app::Notebook::GroupTasks, "Tasks"},
    {0, 4, &app::Notebook::GroupEventLog, "Event Log"},
    {0, 5, &app::Notebook::GroupBeeper, "Beeper"},
    {1, 1, &app::Notebook::GroupHotKeys1, "System HotKeys [1/2]"},
    {1, 2, &app::Notebook::GroupHotKeys2, "System HotKeys [2/2]"},
    {2, 1, &app::Notebook::GroupTimers, "Timers"},
    {3, 1, &app::Notebook::GroupRunInit, "Run & Init"},
    {3, 2, &app::Notebook::GroupEmptyDirs, "Empty Directories"},
    {3, 3, &app::Notebook::GroupDevices, "Device Manager"},
    {4, 1, &app::Notebook::GroupCPanel, "Copy Control Panel"},
    {4, 2, &app::Notebook::GroupSplash, "Splash screens"},
    {4, 3, &app::Notebook::GroupBoot, "Windows 98 boot"},
};

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

class NotebookLayoutTest : public program_test::ProgramTest {
  protected:
    void SetUp() override {
        // No opening animation: the window keeps its size from the start.
        machine.registry.SetDword(port::RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Controls",
                                  "WinAni", 0);
        Start();
    }
    void Open(const SubPage& page) {
        if (page.tab == 2) {
            form->OpenSettingsNotebook(page.tab);
        } else {
            form->OpenSettingsSubPage(page.tab, page.subPage);
        }
    }
    ui::GroupBox& Group(const SubPage& page) { return form->*page.group; }

    // Inside the group's frame and below its caption; then the same for a group inside it.
    void ExpectInside(const ui::Widget& group, const std::string& where) {
        const int right = group.Width() - ui::GroupBox::kFrameWidth;
        const int bottom = group.Height() - ui::GroupBox::kFrameWidth;
        for (const ui::Widget* c : group.Children()) {
            const std::string what = where + " " + c->Name();
            EXPECT_GE(c->Left(), ui::GroupBox::kFrameWidth) << what;
            EXPECT_GE(c->Top(), ui::GroupBox::kCaptionHeight) << what;
            EXPECT_LE(c->Left() + c->Width(), right) << what << " is cut off at the right";
            EXPECT_LE(c->Top() + c->Height(), bottom) << what << " is cut off at the bottom";
            EXPECT_GT(c->Width(), 0) << what;
            EXPECT_GT(c->Height(), 0) << what;
            if (c->kind() == ui::Kind::GroupBox) ExpectInside(*c, what);
        }
    }

    // No two controls share pixels. The two LEDs are one place by design: one of them shows.
    void ExpectNoOverlap(const ui::Widget& group, const std::string& where) {
        const auto& children = group.Children();
        for (size_t i = 0; i < children.size(); ++i) {
            for (size_t j = i + 1; j < children.size(); ++j) {
                const ui::Widget* a = children[i];
                const ui::Widget* b = children[j];
                const bool leds = (a == &form->Image1 && b == &form->Image2);
                if (leds) continue;
                EXPECT_FALSE(Overlap(a->Bounds(), b->Bounds()))
                    << where << ": " << a->Name() << " overlaps " << b->Name();
            }
            if (children[i]->kind() == ui::Kind::GroupBox) ExpectNoOverlap(*children[i], where);
        }
    }
};

TEST_F(NotebookLayoutTest, EveryControlInsideItsGroupAndApart) {
    for (const SubPage& page : kSubPages) {
        Open(page);
        ui::GroupBox& group = Group(page);
        ASSERT_TRUE(group.Showing()) << page.name;
        // The page fills the display area of the tab control under its row of tabs.
        EXPECT_EQ(group.Width(), form->PageControl1.Width() - 2 * ui::PageControl::kFrameWidth) << page.name;
        EXPECT_EQ(group.Height(),
                  form->PageControl1.Height() - ui::PageControl::kTabRowHeight - ui::PageControl::kFrameWidth)
            << page.name;
        ExpectInside(group, page.name);
        ExpectNoOverlap(group, page.name);
    }
}

TEST_F(NotebookLayoutTest, TheWindowGrowsByTheNotebooksNeedsAndBack) {
    const int width = form->ClientWidth();
    const int height = form->ClientHeight();
    EXPECT_EQ(width, 235);
    EXPECT_EQ(height, 218);
    form->OpenSettingsNotebook(2);
    EXPECT_EQ(form->ClientWidth(), 235 + app::Notebook::kNotebookGrowWidth);
    EXPECT_EQ(form->ClientHeight(), 218 + app::Notebook::kNotebookGrowHeight);
    // The Timers page is the tallest: its track bar ends just above the frame.
    const ui::GroupBox& timers = form->GroupTimers;
    EXPECT_LE(form->TrackBar1.Top() + form->TrackBar1.Height(), timers.Height() - ui::GroupBox::kFrameWidth);
}

TEST_F(NotebookLayoutTest, HelpButtonsSitTopRightWithTheirTips) {
    struct Expected {
        ui::SpeedButton* button;
        ui::GroupBox* group;
        int context;
    };
    const std::vector<Expected> expected = {
        {&form->SpeedButton16, &form->GroupTray, 10000},
        {&form->SpeedButton10, &form->GroupHotKeys1, 10001},
        {&form->SpeedButton11, &form->GroupHotKeys2, 10001},
        {&form->SpeedButton12, &form->GroupTasks, 10002},
        {&form->SpeedButton13, &form->GroupGraphic, 10003},
        {&form->SpeedButton14, &form->GroupCPanel, 10004},
        {&form->SpeedButton15, &form->GroupRunInit, 10005},
        {&form->SpeedButton17, &form->GroupTimers, 10006},
        {&form->SpeedButton18, &form->GroupGraphic, 10007},
        {&form->SpeedButton19, &form->GroupBeeper, 10008},
        {&form->SpeedButton20, &form->GroupBoot, 10009},
    };
    std::vector<ui::SpeedButton*> listed = form->HelpButtons();
    ASSERT_EQ(listed.size(), expected.size());
    for (const Expected& e : expected) {
        const std::string name = e.button->Name();
        EXPECT_NE(std::find(listed.begin(), listed.end(), e.button), listed.end()) << name;
        EXPECT_EQ(e.button->Parent(), e.group) << name;
        EXPECT_EQ(e.button->HelpContext(), e.context) << name;
        EXPECT_EQ(e.button->Caption(), "?") << name;
        EXPECT_EQ(e.button->Hint(), " Press me for a short tip!") << name;
        EXPECT_TRUE(e.button->Visible()) << name;
    }
    // Each group's first "?" is in its top-right corner: the first row, against the right frame.
    for (ui::SpeedButton* corner :
         {&form->SpeedButton16, &form->SpeedButton10, &form->SpeedButton11, &form->SpeedButton12,
          &form->SpeedButton13, &form->SpeedButton14, &form->SpeedButton15, &form->SpeedButton17,
          &form->SpeedButton19, &form->SpeedButton20}) {
        form->OpenSettingsNotebook(0);
        EXPECT_EQ(corner->Top(), ui::GroupBox::kCaptionHeight) << corner->Name();
        for (const ui::Widget* other : corner->Parent()->Children()) {
            if (other == corner) continue;
            EXPECT_LE(other->Top() < corner->Top() + corner->Height() ? other->Left() + other->Width() : 0,
                      corner->Left())
                << other->Name() << " reaches past " << corner->Name();
        }
    }
}

TEST_F(NotebookLayoutTest, ControlsOfEveryPageWithParentAndCaption) {
    app::TForm1& f = *form;
    struct Control {
        ui::Widget* widget;
        ui::Widget* parent;
        std::string caption;
    };
    const std::vector<Control> controls = {
        {&f.CheckBox10, &f.GroupTray, "&Always start in System Tray"},
        {&f.CheckBox11, &f.GroupTray, "Icon ani&mation, - speed:"},
        {&f.TrackBar2, &f.GroupTray, ""},
        {&f.Label12, &f.GroupTray, "180"},
        {&f.Button5, &f.GroupTray, "reset"},
        {&f.CheckBox1, &f.GroupGraphic, "Start ce&ntered"},
        {&f.SpeedButton5, &f.GroupGraphic, "... center now"},
        {&f.CheckBox14, &f.GroupGraphic, "&Animated Windows"},
        {&f.CheckBox3, &f.GroupGraphic, "Enable &Hints in Windows"},
        {&f.CheckBox16, &f.GroupTasks, "Confirm &for empty Directories"},
        {&f.GroupTaskDevices, &f.GroupTasks, "Devices:"},
        {&f.CheckBox19, &f.GroupTaskDevices, "As&k before ejecting..."},
        {&f.CheckBox18, &f.GroupTaskDevices, "Inform &before retracting..."},
        {&f.CheckBox20, &f.GroupEventLog, "Ena&ble Logging:"},
        {&f.RadioButton3, &f.GroupEventLog, "to RVLN.LOG,ma&x Kb:"},
        {&f.RadioButton4, &f.GroupEventLog, "to NT's Syste&m Event-Log"},
        {&f.SpinEdit3, &f.GroupEventLog, "64"},
        {&f.SpeedButton9, &f.GroupEventLog, "Show Log"},
        {&f.CheckBox24, &f.GroupBeeper, "&Beep:"},
        {&f.CheckBox25, &f.GroupBeeper, "F&lash Window:"},
        {&f.SpinEdit4, &f.GroupBeeper, "20"},
        {&f.Label4, &f.GroupBeeper, "sec. before Shutdown."},
        {&f.CheckBox21, &f.GroupHotKeys1, "Auto. rema&p {D} HKey."},
        {&f.Label8, &f.GroupHotKeys1, "- &Use CTRL+ALT+"},
        {&f.ComboBox3, &f.GroupHotKeys1, ""},
        {&f.CheckBox22, &f.GroupHotKeys1, "Auto. re&map Device's HKeys."},
        {&f.Label16, &f.GroupHotKeys1, "- Us&e:"},
        {&f.ComboBox4, &f.GroupHotKeys1, ""},
        {&f.Label17, &f.GroupHotKeys1, "+DrvL."},
        {&f.CheckBox23, &f.GroupHotKeys2, "Aut&o. remap \"All, (if insert)...\""},
        {&f.Label19, &f.GroupHotKeys2, ""},
        {&f.ComboBox5, &f.GroupHotKeys2, ""},
        {&f.Label18, &f.GroupHotKeys2, "Device-HotKey."},
        {&f.CheckBox4, &f.GroupTimers, "&Enable Timer:"},
        {&f.CheckBox12, &f.GroupTimers, "&Run at Start"},
        {&f.CheckBox2, &f.GroupTimers, "Invisible, if \"Run at Start\""},
        {&f.RadioButton1, &f.GroupTimers, "Shutdown &at:"},
        {&f.RadioButton2, &f.GroupTimers, "Shutdown &in:"},
        {&f.UpDown2, &f.GroupTimers, ""},
        {&f.UpDown3, &f.GroupTimers, ""},
        {&f.UpDown4, &f.GroupTimers, ""},
        {&f.Label5, &f.GroupTimers, ""},
        {&f.Label6, &f.GroupTimers, ""},
        {&f.Label7, &f.GroupTimers, ""},
        {&f.Edit2, &f.GroupTimers, ""},
        {&f.TrackBar1, &f.GroupTimers, ""},
        {&f.CheckBox5, &f.GroupRunInit, "&Run Application first:"},
        {&f.Edit1, &f.GroupRunInit, ""},
        {&f.CheckBox13, &f.GroupRunInit, "No Warnin&g,"},
        {&f.Label9, &f.GroupRunInit, "slee&p:"},
        {&f.Label10, &f.GroupRunInit, ""},
        {&f.UpDown1, &f.GroupRunInit, ""},
        {&f.Label11, &f.GroupRunInit, "ms"},
        {&f.CheckBox6, &f.GroupRunInit, "Init &local Drives"},
        {&f.Label13, &f.GroupEmptyDirs, "Separate with semicolon (;)"},
        {&f.Edit4, &f.GroupEmptyDirs, ""},
        {&f.SpeedButton7, &f.GroupEmptyDirs, "Add Dir. ..."},
        {&f.SpeedButton3, &f.GroupEmptyDirs, "... add TMP Dir."},
        {&f.SpeedButton4, &f.GroupEmptyDirs, "now..."},
        {&f.ComboBox2, &f.GroupEmptyDirs, ""},
        {&f.CheckListBox1, &f.GroupDevices, ""},
        {&f.Image1, &f.GroupDevices, ""},
        {&f.Image2, &f.GroupDevices, ""},
        {&f.CheckBox17, &f.GroupDevices, "&Eject, if insert"},
        {&f.Label14, &f.GroupDevices, "Time for rem&oving:"},
        {&f.SpinEdit2, &f.GroupDevices, "20"},
        {&f.Label2, &f.GroupDevices, "sec"},
        {&f.SpeedButton8, &f.GroupDevices, "Test"},
        {&f.Label15, &f.GroupDevices, ""},
        {&f.Label3, &f.GroupCPanel, "Alt. n&ame:"},
        {&f.Edit3, &f.GroupCPanel, "Control Panel"},
        {&f.Button6, &f.GroupCPanel, "... to Startmenu"},
        {&f.Button7, &f.GroupCPanel, "remove"},
        {&f.CheckBox15, &f.GroupCPanel, "&private"},
        {&f.CheckBox7, &f.GroupSplash, "Disable Start&Up-Logo"},
        {&f.CheckBox8, &f.GroupSplash, "Disable &1st Shutdown-Logo"},
        {&f.CheckBox9, &f.GroupSplash, "Disable &2nd Shutdown-Logo"},
        {&f.CheckBox26, &f.GroupBoot, "Disable A&utoScan HDs"},
        {&f.CheckBox27, &f.GroupBoot, "Disable Fast &Reboot"},
    };
    for (const Control& c : controls) {
        EXPECT_EQ(c.widget->Parent(), c.parent) << c.widget->Name();
        // Labels whose text the program writes at run time are checked for their place only.
        if (!c.caption.empty()) EXPECT_EQ(c.widget->Caption(), c.caption) << c.widget->Name();
    }
    // Nothing on the pages that the list above does not name, apart from the "?" buttons.
    std::set<const ui::Widget*> named;
    for (const Control& c : controls)
        named.insert(c.widget);
    for (ui::SpeedButton* b : f.HelpButtons())
        named.insert(b);
    for (const SubPage& page : kSubPages) {
        std::vector<const ui::Widget*> pending{&Group(page)};
        while (!pending.empty()) {
            const ui::Widget* w = pending.back();
            pending.pop_back();
            for (const ui::Widget* child : w->Children()) {
                EXPECT_TRUE(named.count(child)) << child->Name() << " on " << page.name << " is not listed";
                pending.push_back(child);
            }
        }
    }
}

TEST_F(NotebookLayoutTest, DesignStateOfTheDevicePageAndTheLogButton) {
    app::TForm1& f = *form;
    EXPECT_TRUE(f.Image1.Visible());
    EXPECT_FALSE(f.Image2.Visible());
    EXPECT_EQ(f.Image1.Bounds(), f.Image2.Bounds());
    EXPECT_EQ(f.Image1.Width(), 15);
    EXPECT_EQ(f.Image1.Height(), 15);
    EXPECT_NE(f.Image1.Picture(), f.Image2.Picture());
    EXPECT_EQ(f.CheckListBox1.itemHeight, 16);
    EXPECT_TRUE(f.CheckListBox1.Enabled());
    for (ui::Widget* off : std::initializer_list<ui::Widget*>{&f.CheckBox17, &f.Label14, &f.SpinEdit2,
                                                              &f.Label2, &f.SpeedButton8, &f.SpeedButton9}) {
        EXPECT_FALSE(off->Enabled()) << off->Name();
    }
    EXPECT_EQ(f.SpinEdit2.minValue, 1);
    EXPECT_EQ(f.SpinEdit2.maxValue, 99);
    EXPECT_EQ(f.SpinEdit2.maxLength, 2);
    // With no CD-ROM drive the settings load registers nothing and says so.
    EXPECT_EQ(f.Label15.Caption(), "No CD-ROM devices found!");
    EXPECT_EQ(f.Label15.alignment, ui::TextAlign::Center);
}

TEST_F(NotebookLayoutTest, HintsOfTheDevicePageAndTheSystemPages) {
    app::TForm1& f = *form;
    EXPECT_EQ(
        f.CheckListBox1.Hint(),
        " Choose ejectable/retractable devices:\r CD (95/NT)  = Atapi/SCSI CD-ROM\r RM (NT)       = SCSI "
        "Removable Device\r TapeX (NT) = SCSI Tape Device");
    EXPECT_EQ(f.Image1.Hint(), " No medium in device / \r device not ready!");
    EXPECT_EQ(f.Image2.Hint(), " Medium in device / \r device ready!");
    EXPECT_EQ(f.SpeedButton8.Hint(), " Press this button to test\r the chosen device.");
    EXPECT_EQ(f.Label15.Hint(), " This field displays help\r for current actions.");
    EXPECT_EQ(f.CheckBox15.Hint(), " Check this for a private\r entry or for a global\rsystem entry.");
    EXPECT_EQ(f.CheckBox27.Hint(),
              " Check this to disable Windows\xC2\xB4s built-in\r FastReboot option to troubleshoot "
              "problems\r encountered while shutting down Windows.");
    EXPECT_EQ(f.Edit3.Hint(), " Type in an alternative name\r for the systems Control Panel.");
    EXPECT_EQ(
        f.CheckBox2.Hint(),
        " Hide the minimized window on top\r of the Start button, after RVLN!\r has automatically started "
        "with:\r Timers => Run at Startup");
    EXPECT_EQ(f.UpDown3.Hint(), " Set the minutes.");
    // Every hint line but CheckBox15's last starts with one blank.
    std::vector<const ui::Widget*> pending{&f.PageControl1};
    while (!pending.empty()) {
        const ui::Widget* w = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), w->Children().begin(), w->Children().end());
        if (w == &f.CheckBox15 || w->Hint().empty()) continue;
        std::string hint = w->Hint();
        size_t start = 0;
        while (start <= hint.size()) {
            size_t end = hint.find('\r', start);
            std::string line = hint.substr(start, end == std::string::npos ? std::string::npos : end - start);
            EXPECT_TRUE(line.size() > 1 && line[0] == ' ' && line[1] != ' ')
                << w->Name() << ": \"" << line << "\"";
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }
}

TEST_F(NotebookLayoutTest, HelpNumbersOfTheOptionControls) {
    app::TForm1& f = *form;
    EXPECT_EQ(f.CheckListBox1.HelpContext(), 930);
    EXPECT_EQ(f.CheckBox17.HelpContext(), 940);
    EXPECT_EQ(f.SpinEdit2.HelpContext(), 950);
    EXPECT_EQ(f.CheckBox19.HelpContext(), 970);
    EXPECT_EQ(f.CheckBox18.HelpContext(), 980);
    // Every option control has its own number from 140 to 1170, in steps of 10; a later page has
    // higher numbers than an earlier one.
    std::map<int, std::string> seen;
    int previousPageMax = 0;
    const ui::GroupBox* pages[] = {&f.GroupTray,    &f.GroupGraphic,   &f.GroupTasks,    &f.GroupEventLog,
                                   &f.GroupBeeper,  &f.GroupHotKeys1,  &f.GroupHotKeys2, &f.GroupTimers,
                                   &f.GroupRunInit, &f.GroupEmptyDirs, &f.GroupDevices,  &f.GroupCPanel,
                                   &f.GroupSplash,  &f.GroupBoot};
    std::vector<ui::SpeedButton*> help = f.HelpButtons();
    for (const ui::GroupBox* page : pages) {
        int pageMin = 100000, pageMax = 0;
        std::vector<const ui::Widget*> pending{page};
        while (!pending.empty()) {
            const ui::Widget* w = pending.back();
            pending.pop_back();
            pending.insert(pending.end(), w->Children().begin(), w->Children().end());
            switch (w->kind()) {
                case ui::Kind::Label:
                case ui::Kind::Image:
                case ui::Kind::GroupBox:
                    continue;
                default:
                    break;
            }
            if (std::find(help.begin(), help.end(), w) != help.end()) continue;
            const int n = w->HelpContext();
            EXPECT_GE(n, 140) << w->Name();
            EXPECT_LE(n, 1170) << w->Name();
            EXPECT_EQ(n % 10, 0) << w->Name();
            EXPECT_FALSE(seen.count(n)) << w->Name() << " shares " << n << " with " << seen[n];
            seen[n] = w->Name();
            // The fixed numbers of the device options stand outside the running count.
            if (n >= 930 && n <= 980) continue;
            pageMin = std::min(pageMin, n);
            pageMax = std::max(pageMax, n);
        }
        if (pageMax == 0) continue;
        EXPECT_GT(pageMin, previousPageMax) << page->Name();
        previousPageMax = pageMax;
    }
}

}  // namespace
