// The Settings notebook in the main window: opening and closing it, its tabs, sub-pages and page
// spinner.
#include <string>
#include "app/form1.h"
#include "devices/drives.h"
#include "log/log_page.h"
#include "settings/settings_store.h"
#include "timers/countdown.h"
#include "tray/tray_window.h"

namespace app {
namespace {

enum Tab { kControls = 0, kHotKeys = 1, kTimers = 2, kWatchdogs = 3, kSystem = 4, kTabCount = 5 };

// Slot of the remembered sub-page per tab; the Timers tab has a single page and no slot.
constexpr int kSlotOfTab[kTabCount] = {1, 5, 0, 3, 4};
constexpr int kSubPagesOfTab[kTabCount] = {5, 2, 1, 3, 3};
constexpr int kWipeStep = 4;
// The notebook's own hint belongs to the row of tabs at its top.
constexpr int kTabRowHeight = 20;

// Keeps only the digits of the spinner's text; true when that changed it (and so ran its change
// handler again).
bool CleanSpinner(ui::SpinEdit& spinner) {
    std::string digits;
    for (char c : spinner.Text()) {
        if (c >= '0' && c <= '9') digits += c;
    }
    if (digits == spinner.Text()) return false;
    spinner.SetText(digits);
    return true;
}

// Hides the panel's visible controls; the ones hidden on purpose stay out of the list.
std::vector<ui::Widget*> HideControls(ui::Widget& panel) {
    std::vector<ui::Widget*> hidden;
    for (ui::Widget* child : panel.Children()) {
        if (!child->Visible()) continue;
        hidden.push_back(child);
        child->SetVisible(false);
    }
    return hidden;
}

void ShowControls(const std::vector<ui::Widget*>& controls) {
    for (ui::Widget* control : controls)
        control->SetVisible(true);
}

}  // namespace

int TForm1::SubPageCount(int tab) {
    return tab >= 0 && tab < kTabCount ? kSubPagesOfTab[tab] : 1;
}

int TForm1::RememberedSubPage(int tab) const {
    if (tab < 0 || tab >= kTabCount || kSlotOfTab[tab] == 0) return 1;
    return SubPageSlots[kSlotOfTab[tab]];
}

void TForm1::RememberSubPage(int tab, int subPage) {
    if (tab >= 0 && tab < kTabCount && kSlotOfTab[tab] != 0) SubPageSlots[kSlotOfTab[tab]] = subPage;
}

ui::GroupBox& TForm1::SubPagePanel(int tab, int subPage) {
    static constexpr ui::GroupBox Notebook::*kPanels[kTabCount][5] = {
        {&Notebook::GroupTray, &Notebook::GroupGraphic, &Notebook::GroupTasks, &Notebook::GroupEventLog,
         &Notebook::GroupBeeper},
        {&Notebook::GroupHotKeys1, &Notebook::GroupHotKeys2},
        {&Notebook::GroupTimers},
        {&Notebook::GroupRunInit, &Notebook::GroupEmptyDirs, &Notebook::GroupDevices},
        {&Notebook::GroupCPanel, &Notebook::GroupSplash, &Notebook::GroupBoot},
    };
    if (tab < 0 || tab >= kTabCount) tab = kControls;
    if (subPage < 1 || subPage > kSubPagesOfTab[tab]) subPage = 1;
    return this->*kPanels[tab][subPage - 1];
}

// The caption keeps its text around the number: "&Controls (1/5)" becomes "&Controls (4/5)".
void TForm1::SetTabNumber(int tab, int subPage) {
    auto pages = PageControl1.Pages();
    if (tab < 0 || tab >= static_cast<int>(pages.size())) return;
    const std::string& caption = pages[tab]->Caption();
    const auto open = caption.find('(');
    const auto slash = caption.find('/', open == std::string::npos ? 0 : open);
    if (open == std::string::npos || slash == std::string::npos) return;
    pages[tab]->SetCaption(caption.substr(0, open + 1) + std::to_string(subPage) + caption.substr(slash));
    PageControl1.TabsChanged();
}

void TForm1::SetSpinnerForTab(int tab) {
    SpinEdit1.minValue = 1;
    SpinEdit1.maxValue = SubPageCount(tab);
}

void TForm1::BindNotebook() {
    Button2.OnClick = [this] { settings::TabSheet1_Save(*this); };
    Button4.OnClick = [this] { settings::TabSheet1_Default(*this); };
    Button3.OnClick = [this] { settings::TabSheet1_Cancel(*this); };
    PageControl1.OnChange = [this] { PageControl1Change(); };
    PageControl1.OnMouseMove = [this](int x, int y) { PageControl1MouseMove(x, y); };
    SpinEdit1.OnChange = [this] { SpinEdit1Change(); };
    SpinEdit1.OnClick = [this] { SpinEdit1Click(); };
    SpinEdit1.OnExit = [this] { SpinEdit1Exit(); };
    CheckBox3.OnClick = [this] { CheckBox3Click(); };
    SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
    for (int tab = 0; tab < kTabCount; ++tab) {
        PageControl1.Pages()[tab]->OnMouseMove = [this](int, int) { NotebookHintOff(); };
        for (int subPage = 1; subPage <= SubPageCount(tab); ++subPage)
            SubPagePanel(tab, subPage).OnMouseMove = [this](int, int) { NotebookHintOff(); };
    }
    StatusBar2.OnMouseMove = [this](int, int) { NotebookHintOff(); };
    for (ui::SpeedButton* help : HelpButtons()) {
        help->OnClick = [this, help] {
            os().feedback.WinHelp(program.application.helpFile, port::kHelpContextPopup,
                                  static_cast<std::uint32_t>(help->HelpContext()), "");
        };
    }
}

void TForm1::CheckBox3Click() {
    const bool on = CheckBox3.Checked();
    program.application.SetShowHint(on);
    std::vector<ui::Widget*> pending{this};
    while (!pending.empty()) {
        ui::Widget* w = pending.back();
        pending.pop_back();
        w->SetShowHint(on);
        pending.insert(pending.end(), w->Children().begin(), w->Children().end());
    }
}

void TForm1::PageControl1MouseMove(int, int y) {
    if (y >= kTabRowHeight) {
        NotebookHintOff();
    } else if (PageControl1.Hint().empty()) {
        PageControl1.SetHint(
            " Use the arrows (or type the under-\r lined letters) to scroll from >Controls<\r to >System< "
            "and/or back!");
    }
}

void TForm1::NotebookHintOff() {
    if (!PageControl1.Hint().empty()) PageControl1.SetHint("");
}

void TForm1::SpeedButton5Click() {
    WindowTop = CentredTop();
    WindowLeft = CentredLeft();
    SetBounds(WindowLeft, WindowTop, Width(), Height());
}

void TForm1::ShowSettingsPanel() {
    CheckListBox1.SetVisible(true);
    CheckListBox1.SetEnabled(true);
    ToolBar1.SetVisible(false);
    if (mainClientWidth_ == 0) {
        mainClientWidth_ = ClientWidth();
        mainClientHeight_ = ClientHeight();
        SetClientSize(mainClientWidth_ + kNotebookGrowWidth, mainClientHeight_ + kNotebookGrowHeight);
    }
    Panel1.SetAlign(ui::Align::Client);
    Panel1.SetEnabled(true);
    Panel1.SetVisible(true);
    Panel2.SetVisible(true);
    Button1.SetDefault(false);
    Button1.SetEnabled(false);
    Button2.SetDefault(true);
    for (ui::Button* b : {&Button2, &Button3, &Button4}) {
        b->SetVisible(true);
        b->SetEnabled(true);
    }
    for (ui::CheckBox* option : {&CheckBox1, &CheckBox3, &CheckBox10, &CheckBox11})
        option->SetVisible(true);
    CheckBox1.SetEnabled(true);
    CheckBox3.SetEnabled(true);
    Label12.SetCaption(std::to_string(TrackBar2.Position()));
    for (ui::BitBtn* b : {&BitBtn2, &BitBtn3}) {
        b->SetVisible(false);
        b->SetEnabled(false);
    }
    SpinEdit1.SetEnabled(true);
    const int tab = PageControl1.ActivePageIndex();
    if (tab == kControls) {
        SetSpinnerForTab(tab);
        SpinEdit1.SetText(std::to_string(RememberedSubPage(tab)));
        SpinEdit1.SetVisible(true);
    } else {
        SpinEdit1.SetVisible(false);
    }
    // Systems without a tray hide the tray group while the settings load; the notebook shows it.
    if (RememberedSubPage(kControls) == 1) GroupTray.SetVisible(true);
    // The greyed icon tells the settings apart from the ready window in the task switcher.
    SetIcon(XKTrayIcon951.DisabledIcon());
    if (TrayIconActive()) tray::LockTrayMenu(*this);
    if (starting_ && CheckBox4.Checked()) {
        tray::ShowFromTray(*this);
    } else {
        PageControl1.SetVisible(true);
        if (PageControl1.Showing()) PageControl1.SetFocus();
    }
}

void TForm1::CloseSettingsPanel() {
    NotebookHintOff();
    CheckListBox1.SetVisible(false);
    CheckListBox1.SetEnabled(false);
    ComboBox1.SetVisible(true);
    ComboBox1.SetEnabled(true);
    for (ui::Widget* w :
         std::initializer_list<ui::Widget*>{&Button2, &Button3, &Button4, &Panel1, &SpinEdit1}) {
        w->SetVisible(false);
        w->SetEnabled(false);
    }
    Button2.SetDefault(false);
    Button1.SetEnabled(true);
    Button1.SetDefault(true);
    for (ui::BitBtn* b : {&BitBtn2, &BitBtn3}) {
        b->SetVisible(true);
        b->SetEnabled(true);
    }
    ToolBar1.SetVisible(true);
    if (mainClientWidth_ != 0) {
        SetClientSize(mainClientWidth_, mainClientHeight_);
        mainClientWidth_ = mainClientHeight_ = 0;
    }
    tray::SettingsPanelClosed(*this);
    SetIcon(kClassIcon);
    CheckBox2.SetEnabled(CheckBox12.Checked() && CheckBox12.Enabled() && program.osKind != osNT3);
}

void TForm1::OpenSettingsNotebook(int tab) {
    if (wiping_) return;
    if (CountdownRunning) timers::StopCountdown(TimersView());
    if (TrayIconActive()) tray::ShowFromTray(*this);
    ComboBox1.SetEnabled(false);
    ComboBox1.SetVisible(false);
    PageControl1.SetActivePageIndex(tab);
    if (!NotebookShowing()) settings::SnapshotSettings(*this);
    if (CheckBox4.Checked()) timers::HideTimerControls(TimersView());
    ShowSettingsPanel();
}

void TForm1::OpenSettingsSubPage(int tab, int subPage) {
    if (wiping_) return;
    OpenSettingsNotebook(tab);
    if (tab == kTimers) return;
    SetTabNumber(tab, subPage);
    SetSpinnerForTab(tab);
    SpinEdit1.SetEnabled(true);
    SpinEdit1.SetVisible(true);
    // Remembered first, so that the spinner's change handler finds nothing to do.
    RememberSubPage(tab, subPage);
    SpinEdit1.SetText(std::to_string(subPage));
    ShowSubPage(subPage);
}

void TForm1::PageControl1Change() {
    if (wiping_) return;
    const int tab = PageControl1.ActivePageIndex();
    const int subPage = RememberedSubPage(tab);
    NotebookHintOff();
    if (tab == kTimers) {
        SpinEdit1.SetVisible(false);
        SubPageShown(tab, 1);
        return;
    }
    SetSpinnerForTab(tab);
    SpinEdit1.SetVisible(true);
    SpinEdit1.SetText(std::to_string(subPage));
    ShowSubPage(subPage);
}

void TForm1::SpinEdit1Change() {
    if (LoadingSettings || wiping_) return;
    if (CleanSpinner(SpinEdit1)) return;
    const std::string digits = SpinEdit1.Text();
    const int tab = PageControl1.ActivePageIndex();
    if (digits.empty() || tab == kTimers) return;
    const int count = SubPageCount(tab);
    int typed = 0;
    for (char c : digits)
        typed = typed > 99 ? typed : typed * 10 + (c - '0');
    const int subPage = typed < 1 ? 1 : typed > count ? count : typed;
    if (std::to_string(subPage) != digits) {
        SpinEdit1.SetText(std::to_string(subPage));
        return;
    }
    if (subPage == RememberedSubPage(tab)) return;
    SetTabNumber(tab, subPage);
    ShowSubPage(subPage);
    RememberSubPage(tab, subPage);
}

void TForm1::SpinEdit1Click() {
    CleanSpinner(SpinEdit1);
    if (SpinEdit1.Enabled() && !SpinEdit1.Text().empty() && !LoadingSettings) SpinEdit1.SelectAll();
}

void TForm1::SpinEdit1Exit() {
    CleanSpinner(SpinEdit1);
    if (SpinEdit1.Text().empty() || SpinEdit1.Text() == "0") {
        SpinEdit1.SetText(std::to_string(RememberedSubPage(PageControl1.ActivePageIndex())));
    }
}

void TForm1::ShowSubPage(int subPage) {
    const int tab = PageControl1.ActivePageIndex();
    ui::GroupBox& target = SubPagePanel(tab, subPage);
    std::vector<ui::Widget*> controls{&PageControl1, &Button2, &Button3, &Button4, &SpinEdit1};
    for (ui::Widget* w : controls)
        w->SetEnabled(false);
    wiping_ = true;
    ui::Widget* sheet = target.Parent();
    for (ui::Widget* panel : sheet->Children()) {
        if (!panel->Visible() || panel->kind() != ui::Kind::GroupBox) continue;
        // Wipe out: the panel narrows with its controls hidden, then it goes.
        const std::vector<ui::Widget*> hidden = HideControls(*panel);
        const ui::Rect full = panel->Bounds();
        panel->SetAlign(ui::Align::None);
        for (int width = full.width - kWipeStep; width > 0; width -= kWipeStep) {
            panel->SetWidth(width);
            program.application.ProcessMessages();
        }
        panel->SetVisible(false);
        panel->SetBounds(full.left, full.top, full.width, full.height);
        panel->SetAlign(ui::Align::Client);
        ShowControls(hidden);
    }
    // Wipe in: from one pixel to the full width, then its controls appear.
    const std::vector<ui::Widget*> hidden = HideControls(target);
    const ui::Rect full{0, 0, sheet->ClientWidth(), sheet->ClientHeight()};
    target.SetAlign(ui::Align::None);
    target.SetBounds(full.left, full.top, 1, full.height);
    target.SetVisible(true);
    for (int width = 1 + kWipeStep; width < full.width; width += kWipeStep) {
        target.SetWidth(width);
        program.application.ProcessMessages();
    }
    target.SetAlign(ui::Align::Client);
    ShowControls(hidden);
    wiping_ = false;
    SubPageShown(tab, subPage);
    for (ui::Widget* w : controls)
        w->SetEnabled(true);
    // Selected, so that the next digit typed replaces it.
    if (SpinEdit1.Showing()) {
        SpinEdit1.SetFocus();
        SpinEdit1.SelectAll();
    }
}

// What a sub-page needs each time it comes up.
void TForm1::SubPageShown(int tab, int subPage) {
    if (tab == kControls && subPage == 4) eventlog::UpdateShowLogButton(*this);
    if (tab == kWatchdogs && subPage == 2) Edit4.SetSelStart(static_cast<int>(Edit4.Text().size()));
    if (tab == kWatchdogs && subPage == 3) devices::RefreshDeviceList(*this);
}

}  // namespace app
