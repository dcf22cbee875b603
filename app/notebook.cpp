#include "app/notebook.h"

#include <algorithm>
#include <initializer_list>

namespace app {

namespace {

// Numbers that the help file gives controls of their own; the option controls count around them.
constexpr int kReservedHelpContexts[] = {390, 400, 410, 420, 930, 940, 950, 970, 980};
constexpr int kFirstOptionHelpContext = 140;
constexpr int kHelpContextStep = 10;

}  // namespace

Notebook::Notebook(ui::Form* form)
    : Panel1(form, "Panel1"),
      PageControl1(&Panel1, "PageControl1"),
      TabSheet1(&PageControl1, "TabSheet1"),
      TabSheet5(&PageControl1, "TabSheet5"),
      TabSheet2(&PageControl1, "TabSheet2"),
      TabSheet3(&PageControl1, "TabSheet3"),
      TabSheet4(&PageControl1, "TabSheet4"),
      GroupTray(&TabSheet1, "GroupTray"),
      GroupGraphic(&TabSheet1, "GroupGraphic"),
      GroupTasks(&TabSheet1, "GroupTasks"),
      GroupEventLog(&TabSheet1, "GroupEventLog"),
      GroupBeeper(&TabSheet1, "GroupBeeper"),
      GroupHotKeys1(&TabSheet5, "GroupHotKeys1"),
      GroupHotKeys2(&TabSheet5, "GroupHotKeys2"),
      GroupTimers(&TabSheet2, "GroupTimers"),
      GroupRunInit(&TabSheet3, "GroupRunInit"),
      GroupEmptyDirs(&TabSheet3, "GroupEmptyDirs"),
      GroupDevices(&TabSheet3, "GroupDevices"),
      GroupCPanel(&TabSheet4, "GroupCPanel"),
      GroupSplash(&TabSheet4, "GroupSplash"),
      GroupBoot(&TabSheet4, "GroupBoot"),
      GroupTaskDevices(&GroupTasks, "GroupTaskDevices"),
      Panel2(&Panel1, "Panel2"),
      Button2(&Panel2, "Button2"),
      Button4(&Panel2, "Button4"),
      Button3(&Panel2, "Button3"),
      SpinEdit1(&Panel2, "SpinEdit1"),
      CheckBox10(&GroupTray, "CheckBox10"),
      CheckBox11(&GroupTray, "CheckBox11"),
      TrackBar2(&GroupTray, "TrackBar2"),
      Label12(&GroupTray, "Label12"),
      Button5(&GroupTray, "Button5"),
      CheckBox1(&GroupGraphic, "CheckBox1"),
      CheckBox3(&GroupGraphic, "CheckBox3"),
      CheckBox14(&GroupGraphic, "CheckBox14"),
      SpeedButton5(&GroupGraphic, "SpeedButton5"),
      CheckBox16(&GroupTasks, "CheckBox16"),
      CheckBox20(&GroupEventLog, "CheckBox20"),
      CheckBox24(&GroupBeeper, "CheckBox24"),
      CheckBox25(&GroupBeeper, "CheckBox25"),
      RadioButton3(&GroupEventLog, "RadioButton3"),
      RadioButton4(&GroupEventLog, "RadioButton4"),
      SpinEdit3(&GroupEventLog, "SpinEdit3"),
      SpinEdit4(&GroupBeeper, "SpinEdit4"),
      SpeedButton9(&GroupEventLog, "SpeedButton9"),
      Label4(&GroupBeeper, "Label4"),
      CheckBox21(&GroupHotKeys1, "CheckBox21"),
      CheckBox22(&GroupHotKeys1, "CheckBox22"),
      CheckBox23(&GroupHotKeys2, "CheckBox23"),
      ComboBox2(&GroupEmptyDirs, "ComboBox2"),
      ComboBox3(&GroupHotKeys1, "ComboBox3"),
      ComboBox4(&GroupHotKeys1, "ComboBox4"),
      ComboBox5(&GroupHotKeys2, "ComboBox5"),
      Label8(&GroupHotKeys1, "Label8"),
      Label16(&GroupHotKeys1, "Label16"),
      Label17(&GroupHotKeys1, "Label17"),
      Label19(&GroupHotKeys2, "Label19"),
      Label18(&GroupHotKeys2, "Label18"),
      CheckBox4(&GroupTimers, "CheckBox4"),
      CheckBox12(&GroupTimers, "CheckBox12"),
      CheckBox2(&GroupTimers, "CheckBox2"),
      RadioButton1(&GroupTimers, "RadioButton1"),
      RadioButton2(&GroupTimers, "RadioButton2"),
      UpDown2(&GroupTimers, "UpDown2"),
      UpDown3(&GroupTimers, "UpDown3"),
      UpDown4(&GroupTimers, "UpDown4"),
      Label5(&GroupTimers, "Label5"),
      Label6(&GroupTimers, "Label6"),
      Label7(&GroupTimers, "Label7"),
      Edit2(&GroupTimers, "Edit2"),
      TrackBar1(&GroupTimers, "TrackBar1"),
      CheckBox5(&GroupRunInit, "CheckBox5"),
      CheckBox13(&GroupRunInit, "CheckBox13"),
      CheckBox6(&GroupRunInit, "CheckBox6"),
      Edit1(&GroupRunInit, "Edit1"),
      UpDown1(&GroupRunInit, "UpDown1"),
      Label9(&GroupRunInit, "Label9"),
      Label10(&GroupRunInit, "Label10"),
      Label11(&GroupRunInit, "Label11"),
      Label13(&GroupEmptyDirs, "Label13"),
      Edit4(&GroupEmptyDirs, "Edit4"),
      SpeedButton7(&GroupEmptyDirs, "SpeedButton7"),
      SpeedButton3(&GroupEmptyDirs, "SpeedButton3"),
      SpeedButton4(&GroupEmptyDirs, "SpeedButton4"),
      CheckBox17(&GroupDevices, "CheckBox17"),
      CheckBox18(&GroupTaskDevices, "CheckBox18"),
      CheckBox19(&GroupTaskDevices, "CheckBox19"),
      SpinEdit2(&GroupDevices, "SpinEdit2"),
      CheckListBox1(&GroupDevices, "CheckListBox1"),
      Image1(&GroupDevices, "Image1"),
      Image2(&GroupDevices, "Image2"),
      SpeedButton8(&GroupDevices, "SpeedButton8"),
      Label14(&GroupDevices, "Label14"),
      Label2(&GroupDevices, "Label2"),
      Label15(&GroupDevices, "Label15"),
      CheckBox15(&GroupCPanel, "CheckBox15"),
      CheckBox7(&GroupSplash, "CheckBox7"),
      CheckBox8(&GroupSplash, "CheckBox8"),
      CheckBox9(&GroupSplash, "CheckBox9"),
      CheckBox26(&GroupBoot, "CheckBox26"),
      CheckBox27(&GroupBoot, "CheckBox27"),
      Label3(&GroupCPanel, "Label3"),
      Edit3(&GroupCPanel, "Edit3"),
      Button6(&GroupCPanel, "Button6"),
      Button7(&GroupCPanel, "Button7"),
      SpeedButton10(&GroupHotKeys1, "SpeedButton10"),
      SpeedButton11(&GroupHotKeys2, "SpeedButton11"),
      SpeedButton12(&GroupTasks, "SpeedButton12"),
      SpeedButton13(&GroupGraphic, "SpeedButton13"),
      SpeedButton14(&GroupCPanel, "SpeedButton14"),
      SpeedButton15(&GroupRunInit, "SpeedButton15"),
      SpeedButton16(&GroupTray, "SpeedButton16"),
      SpeedButton17(&GroupTimers, "SpeedButton17"),
      SpeedButton18(&GroupGraphic, "SpeedButton18"),
      SpeedButton19(&GroupBeeper, "SpeedButton19"),
      SpeedButton20(&GroupBoot, "SpeedButton20") {
    Panel1.SetVisible(false);
    Panel1.SetHelpContext(90);
    // The notebook, and each of its sub-pages, gets its windows when it first shows: start-up
    // makes those of the main view only.
    Panel1.SetPeerOnFirstShow(true);
    PageControl1.SetAlign(ui::Align::Client);
    PageControl1.SetHelpContext(80);
    TabSheet1.SetCaption("&Controls (1/5)");
    TabSheet5.SetCaption("&HotKeys (1/2)");
    TabSheet2.SetCaption("&Timers");
    TabSheet3.SetCaption("&Watchdogs (1/3)");
    TabSheet4.SetCaption("S&ystem (1/3)");
    TabSheet1.SetHelpContext(100);
    TabSheet2.SetHelpContext(110);
    TabSheet3.SetHelpContext(120);
    TabSheet4.SetHelpContext(130);
    for (ui::TabSheet* sheet : PageControl1.Pages())
        sheet->SetAlign(ui::Align::Client);
    PageControl1.SetActivePageIndex(0);

    GroupTray.SetCaption("System Tray ( -Icon ):");
    GroupGraphic.SetCaption("Graphic Controls:");
    GroupTasks.SetCaption("Tasks:");
    GroupEventLog.SetCaption("Event Log:");
    GroupBeeper.SetCaption("Beeper:");
    GroupHotKeys1.SetCaption("System HotKeys [1/2]:");
    GroupHotKeys2.SetCaption("System HotKeys [2/2]:");
    GroupTimers.SetCaption("Timers:");
    GroupRunInit.SetCaption("Run Application && Init Drives:");
    GroupEmptyDirs.SetCaption("Empty Directories:");
    GroupDevices.SetCaption("Device &Manager:");
    GroupCPanel.SetCaption("Copy Control Panel:");
    GroupSplash.SetCaption("Windows\xC2\xAE 95/98 SplashScr.:");
    GroupBoot.SetCaption("Windows\xC2\xAE 98 (Re-)Boot:");
    // Each tab shows its first sub-page.
    for (ui::GroupBox* first : {&GroupTray, &GroupHotKeys1, &GroupTimers, &GroupRunInit, &GroupCPanel}) {
        first->SetAlign(ui::Align::Client);
    }
    for (ui::GroupBox* other : {&GroupGraphic, &GroupTasks, &GroupEventLog, &GroupBeeper, &GroupHotKeys2,
                                &GroupEmptyDirs, &GroupDevices, &GroupSplash, &GroupBoot}) {
        other->SetVisible(false);
        other->SetAlign(ui::Align::Client);
    }
    for (ui::GroupBox* page : {&GroupTray, &GroupGraphic, &GroupTasks, &GroupEventLog, &GroupBeeper,
                               &GroupHotKeys1, &GroupHotKeys2, &GroupTimers, &GroupRunInit, &GroupEmptyDirs,
                               &GroupDevices, &GroupCPanel, &GroupSplash, &GroupBoot}) {
        page->SetPeerOnFirstShow(true);
    }

    Panel2.SetHeight(32);
    Panel2.SetAlign(ui::Align::Bottom);
    Button2.SetCaption("&Save");
    Button2.SetHint("Save all settings");
    Button2.SetHelpContext(400);
    Button4.SetCaption("&Default");
    Button4.SetHint("Reset all pages to defaults");
    Button4.SetHelpContext(410);
    Button3.SetCaption("Ca&ncel");
    Button3.SetHint("Undo all changes");
    Button3.SetHelpContext(420);
    Button2.SetBounds(4, 4, 56, 24);
    Button4.SetBounds(64, 4, 56, 24);
    Button3.SetBounds(124, 4, 56, 24);
    SpinEdit1.SetBounds(188, 5, 40, 22);
    SpinEdit1.maxLength = 1;
    SpinEdit1.minValue = 1;
    SpinEdit1.maxValue = 5;
    SpinEdit1.SetText("1");
    SpinEdit1.SetHint(" Change the current page number.");
    SpinEdit1.SetHelpContext(390);

    // In page order, so that the option controls' help numbers follow the pages.
    nextHelpContext_ = kFirstOptionHelpContext;
    BuildControlsTab();
    BuildHotKeysTab();
    BuildTimersTab();
    BuildWatchdogsTab();
    BuildSystemTab();
    SetDesignState();
}

void Notebook::Option(ui::Widget& control, const std::string& caption, const std::string& hint,
                      ui::Rect bounds) {
    if (!caption.empty()) control.SetCaption(caption);
    control.SetHint(hint);
    control.SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
    control.SetHelpContext(NextHelpContext());
}

int Notebook::NextHelpContext() {
    auto reserved = [](int n) {
        return std::find(std::begin(kReservedHelpContexts), std::end(kReservedHelpContexts), n) !=
               std::end(kReservedHelpContexts);
    };
    while (reserved(nextHelpContext_))
        nextHelpContext_ += kHelpContextStep;
    int context = nextHelpContext_;
    nextHelpContext_ += kHelpContextStep;
    return context;
}

std::vector<ui::SpeedButton*> Notebook::HelpButtons() {
    return {&SpeedButton10, &SpeedButton11, &SpeedButton12, &SpeedButton13, &SpeedButton14, &SpeedButton15,
            &SpeedButton16, &SpeedButton17, &SpeedButton18, &SpeedButton19, &SpeedButton20};
}

// The state the form is designed with; the settings defaults start from the same values.
void Notebook::SetDesignState() {
    for (ui::CheckBox* on : {&CheckBox1, &CheckBox3, &CheckBox11, &CheckBox14, &CheckBox16, &CheckBox18,
                             &CheckBox20, &CheckBox21, &CheckBox22, &CheckBox23, &CheckBox25}) {
        on->SetChecked(true);
    }
    // Off until their switch allows them: the run-application options follow "&Run Application
    // first:", the beeper the timer, the device options a chosen device, and the hotkey lists
    // their "Auto. remap" boxes.
    for (ui::Widget* off : std::initializer_list<ui::Widget*>{
             &CheckBox2, &CheckBox12, &CheckBox13,   &Edit1,        &CheckBox24, &CheckBox25, &SpinEdit4,
             &Label4,    &Label9,     &Label10,      &UpDown1,      &Label11,    &CheckBox17, &Label14,
             &SpinEdit2, &Label2,     &SpeedButton8, &SpeedButton9, &Label8,     &ComboBox3,  &Label16,
             &ComboBox4, &Label17,    &Label19,      &ComboBox5}) {
        off->SetEnabled(false);
    }
    RadioButton2.SetChecked(true);
    RadioButton3.SetChecked(true);
    for (ui::Label* time : {&Label5, &Label6, &Label7, &Label10})
        time->SetCaption("00");
    UpDown1.SetPosition(-32768);
    TrackBar1.SetPosition(1);
    TrackBar2.SetPosition(180);
    Label12.SetCaption("180");
    Edit2.SetText("60");
    Edit3.SetText("Control Panel");
    SpinEdit2.SetValue(20);
    SpinEdit3.SetValue(64);
    SpinEdit4.SetValue(20);
    Image1.SetVisible(true);
    Image2.SetVisible(false);
}

}  // namespace app
