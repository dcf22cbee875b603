#include "win32/ui/backend.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/controls.h"
#include "win32/res/resource.h"
#include "win32/ui/button_peers.h"
#include "win32/ui/combo_box_peer.h"
#include "win32/ui/container_peers.h"
#include "win32/ui/form_peer.h"
#include "win32/ui/image_peer.h"
#include "win32/ui/list_peers.h"
#include "win32/ui/page_control_peer.h"
#include "win32/ui/popup_menu.h"
#include "win32/ui/range_peers.h"
#include "win32/ui/scroll_box_peer.h"
#include "win32/ui/status_bar_peer.h"
#include "win32/ui/text_peers.h"
#include "win32/ui/toolbar_peer.h"
#include "win32/ui/tree_peer.h"

namespace win32 {

namespace {

constexpr int kModalCancel = 2;

FormPeer* FormPeerOf(const ui::Form& form) {
    return dynamic_cast<FormPeer*>(form.GetPeer());
}

BOOL CALLBACK DisableWindow(HWND hwnd, LPARAM param) {
    auto& list = *reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(param);
    if (hwnd != list.first && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
        EnableWindow(hwnd, FALSE);
        list.second.push_back(hwnd);
    }
    return TRUE;
}

// What a modal form does to the program's other windows: they take no input until it is done.
std::vector<HWND> DisableOtherWindows(HWND modal) {
    std::pair<HWND, std::vector<HWND>> list{modal, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&list));
    return list.second;
}

}  // namespace

Win32Backend::Win32Backend(Win32Loop& loop)
    : loop_(loop),
      instance_(GetModuleHandleW(nullptr)),
      app_(instance_, win32::ApplicationWindow::Events{
                          [this](bool minimized) { OnApplicationState(minimized); },
                          [this] { OnApplicationClose(); }, [this] { return MainFormWindow(); }}) {
    loop_.SetPreTranslate([this](MSG& msg) { return keys_.PreTranslate(msg); });
}

Win32Backend::~Win32Backend() {
    loop_.SetPreTranslate(nullptr);
}

std::unique_ptr<ui::Peer> Win32Backend::CreatePeer(ui::Widget& widget) {
    std::unique_ptr<Win32Peer> peer;
    using ui::Kind;
    switch (widget.kind()) {
        case Kind::Form:
            peer = std::make_unique<FormPeer>(*this, static_cast<ui::Form&>(widget));
            break;
        case Kind::Panel:
            peer = std::make_unique<PanelPeer>(*this, widget);
            break;
        case Kind::TabSheet:
            peer = std::make_unique<TabSheetPeer>(*this, widget);
            break;
        case Kind::GroupBox:
            peer = std::make_unique<GroupBoxPeer>(*this, widget);
            break;
        case Kind::ToolBar:
            peer = std::make_unique<ToolBarPeer>(*this, widget);
            break;
        case Kind::BitBtn:
            if (widget.Parent() && widget.Parent()->kind() == Kind::ToolBar) {
                peer = std::make_unique<ToolButtonPeer>(*this, static_cast<ui::Button&>(widget));
            } else {
                peer = std::make_unique<ButtonPeer>(*this, static_cast<ui::Button&>(widget));
            }
            break;
        case Kind::Button:
            peer = std::make_unique<ButtonPeer>(*this, static_cast<ui::Button&>(widget));
            break;
        case Kind::SpeedButton:
            peer = std::make_unique<SpeedButtonPeer>(*this, static_cast<ui::SpeedButton&>(widget));
            break;
        case Kind::CheckBox:
        case Kind::RadioButton:
            peer = std::make_unique<CheckPeer>(*this, widget);
            break;
        case Kind::Label:
            peer = std::make_unique<LabelPeer>(*this, static_cast<ui::Label&>(widget));
            break;
        case Kind::Edit:
            peer = std::make_unique<EditPeer>(*this, static_cast<ui::Edit&>(widget));
            break;
        case Kind::SpinEdit:
            peer = std::make_unique<SpinEditPeer>(*this, static_cast<ui::SpinEdit&>(widget));
            break;
        case Kind::ComboBox:
            peer = std::make_unique<ComboBoxPeer>(*this, static_cast<ui::ComboBox&>(widget));
            break;
        case Kind::ProgressBar:
            peer = std::make_unique<ProgressBarPeer>(*this, static_cast<ui::ProgressBar&>(widget));
            break;
        case Kind::TrackBar:
            peer = std::make_unique<TrackBarPeer>(*this, static_cast<ui::TrackBar&>(widget));
            break;
        case Kind::UpDown:
            peer = std::make_unique<UpDownPeer>(*this, static_cast<ui::UpDown&>(widget));
            break;
        case Kind::StatusBar:
            peer = std::make_unique<StatusBarPeer>(*this, static_cast<ui::StatusBar&>(widget));
            break;
        case Kind::PageControl:
            peer = std::make_unique<PageControlPeer>(*this, static_cast<ui::PageControl&>(widget));
            break;
        case Kind::CheckListBox:
            peer = std::make_unique<CheckListBoxPeer>(*this, static_cast<ui::CheckListBox&>(widget));
            break;
        case Kind::ListBox:
            peer = std::make_unique<ListBoxPeer>(*this, static_cast<ui::ListBox&>(widget));
            break;
        case Kind::TreeView:
            peer = std::make_unique<TreeViewPeer>(*this, static_cast<ui::TreeView&>(widget));
            break;
        case Kind::Image:
            peer = std::make_unique<ImagePeer>(*this, static_cast<ui::Image&>(widget));
            break;
        case Kind::RadioGroup:
            peer = std::make_unique<GroupBoxPeer>(*this, widget);
            break;
        case Kind::ScrollBox:
            peer = std::make_unique<ScrollBoxPeer>(*this, static_cast<ui::ScrollBox&>(widget));
            break;
    }
    if (!peer || !peer->Realize()) return nullptr;
    return peer;
}

ui::Extent Win32Backend::NonClientExtent(const ui::Form& form) {
    if (FormPeer* peer = FormPeerOf(form); peer && peer->Hwnd()) {
        RECT window, client;
        GetWindowRect(peer->Hwnd(), &window);
        GetClientRect(peer->Hwnd(), &client);
        return {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
    }
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, FormStyle(form), FALSE, FormExStyle(form));
    return {r.right - r.left, r.bottom - r.top};
}

int Win32Backend::RunModal(ui::Form& form) {
    FormPeer* peer = FormPeerOf(form);
    if (!peer || !peer->Hwnd()) return 0;
    HWND self = peer->Hwnd();
    HWND previous = GetActiveWindow();
    std::vector<HWND> disabled = DisableOtherWindows(self);
    peer->SetModal(true);
    form.Show();
    SetActiveWindow(self);
    for (;;) {
        while (form.ModalResult() == 0) {
            if (loop_.Terminated()) {
                form.SetModalResult(kModalCancel);
                break;
            }
            // Hidden by the program: nobody could end it any more.
            if (!form.Visible()) {
                form.SetModalResult(kModalCancel);
                break;
            }
            if (!loop_.HandleOneMessage()) {
                form.SetModalResult(kModalCancel);
                break;
            }
        }
        // As VCL's CloseModal: OnClose may keep the form open, which clears the modal result.
        ui::CloseAction action = ui::CloseAction::Hide;
        if (form.OnClose) form.OnClose(action);
        if (action != ui::CloseAction::None || loop_.Terminated() || !form.Visible()) break;
        form.SetModalResult(0);
    }
    int result = form.ModalResult();
    if (FormPeer* still = FormPeerOf(form)) still->SetModal(false);
    // Enabled again before the form goes, so that the activation returns to them.
    for (auto it = disabled.rbegin(); it != disabled.rend(); ++it) {
        if (IsWindow(*it)) EnableWindow(*it, TRUE);
    }
    if (previous && IsWindow(previous) && previous != self) SetActiveWindow(previous);
    form.Hide();
    return result;
}

void Win32Backend::Popup(ui::PopupMenu& menu, int x, int y) {
    if (menu.OnPopup) menu.OnPopup();
    HWND owner = GetActiveWindow();
    if (!owner) owner = MainFormWindow();
    if (!owner) owner = AppWindow();
    if (ui::MenuItem* chosen = TrackPopup(menu, owner, x, y)) chosen->Click();
}

void Win32Backend::SetApplicationTitle(const std::string& title) {
    app_.SetTitle(title);
}

port::WindowId Win32Backend::ApplicationWindow() {
    return reinterpret_cast<port::WindowId>(AppWindow());
}

void Win32Backend::SetHintTiming(int pauseMs, int hidePauseMs) {
    hintPause_ = pauseMs;
    hintHidePause_ = hidePauseMs;
    for (HWND tooltip : tooltips_)
        ApplyHintSettings(tooltip);
}

void Win32Backend::SetHintsEnabled(bool enabled) {
    hintsEnabled_ = enabled;
    for (HWND tooltip : tooltips_)
        ApplyHintSettings(tooltip);
}

void Win32Backend::SetBusyCursor(bool busy) {
    busyCursor_ = busy;
    // At once; the forms keep it up on WM_SETCURSOR while busy, and the next mouse move over a
    // control brings that control's own cursor back afterwards.
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<const wchar_t*>(busy ? IDC_WAIT : IDC_ARROW)));
}

void Win32Backend::CursorPos(int& x, int& y) {
    POINT p{0, 0};
    GetCursorPos(&p);
    x = p.x;
    y = p.y;
}

HWND Win32Backend::MainFormWindow() const {
    return mainForm_ ? mainForm_->Hwnd() : nullptr;
}

UINT Win32Backend::NextControlId() {
    UINT id = nextId_++;
    // Control ids travel in the low word of WM_COMMAND.
    if (nextId_ >= 0xF000) nextId_ = 100;
    return id;
}

bool Win32Backend::RegisterFormClass(const std::wstring& className) {
    if (formClasses_.count(className)) return true;
    HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_MAIN));
    if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<const wchar_t*>(IDI_APPLICATION));
    if (!RegisterOwnClass(instance_, className.c_str(), CS_DBLCLKS,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon)) {
        return false;
    }
    formClasses_.insert(className);
    return true;
}

void Win32Backend::FormCreated(FormPeer& form) {
    forms_.push_back(&form);
    if (!mainForm_) mainForm_ = &form;
}

void Win32Backend::FormDestroyed(FormPeer& form) {
    std::erase(forms_, &form);
    app_.Forget(form.Hwnd());
    if (mainForm_ == &form) mainForm_ = nullptr;
}

void Win32Backend::AddTooltip(HWND tooltip) {
    tooltips_.push_back(tooltip);
    ApplyHintSettings(tooltip);
}

void Win32Backend::RemoveTooltip(HWND tooltip) {
    std::erase(tooltips_, tooltip);
}

void Win32Backend::ApplyHintSettings(HWND tooltip) const {
    // The delays travel in a word; the tooltip takes at most 32767 ms.
    SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(std::clamp(hintPause_, 0, 32767), 0));
    SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP,
                 MAKELPARAM(std::clamp(hintHidePause_, 0, 32767), 0));
    SendMessageW(tooltip, TTM_ACTIVATE, hintsEnabled_, 0);
}

void Win32Backend::OnApplicationState(bool minimized) {
    if (mainForm_)
        mainForm_->GetForm().PeerStateChanged(minimized ? ui::WindowState::Minimized
                                                        : ui::WindowState::Normal);
    if (onApplicationState) onApplicationState(minimized);
}

void Win32Backend::OnApplicationClose() {
    if (HWND main = MainFormWindow()) SendMessageW(main, WM_CLOSE, 0, 0);
}

}  // namespace win32
