#include "win32/ui/toolbar_peer.h"

#include "win32/text.h"
#include "win32/ui/backend.h"
#include "win32/ui/button_peers.h"
#include "win32/ui/hints.h"

namespace win32 {

namespace {

constexpr int kButtonSize = 32;
constexpr int kPictureSize = 24;

}  // namespace

ToolBarPeer::~ToolBarPeer() {
    if (tooltip_) {
        backend_.RemoveTooltip(tooltip_);
        Dissociate(tooltip_);
    }
    if (Hwnd()) SendMessageW(Hwnd(), TB_SETIMAGELIST, 0, 0);
}

HWND ToolBarPeer::CreateNative(const Placement& placement) {
    const RECT& r = placement.bounds;
    HWND hwnd = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, nullptr,
        ChildStyle() | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
        r.left, r.top, r.right - r.left, r.bottom - r.top, placement.parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), backend_.Instance(), nullptr);
    if (!hwnd) return nullptr;
    SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    images_.Reset(ImageList_Create(kPictureSize, kPictureSize, ILC_COLOR24 | ILC_MASK, 4, 4));
    SendMessageW(hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Get()));
    // After the image list, which would size the buttons after its pictures.
    SendMessageW(hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(kPictureSize, kPictureSize));
    SendMessageW(hwnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(ToPixels(kButtonSize), ToPixels(kButtonSize)));
    tooltip_ = reinterpret_cast<HWND>(SendMessageW(hwnd, TB_GETTOOLTIPS, 0, 0));
    if (tooltip_) {
        // The bar's tooltip may ask the bar's parent for the texts; they come back to this peer.
        Associate(tooltip_, this);
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kMaxHintWidth);
        backend_.AddTooltip(tooltip_);
    }
    return hwnd;
}

UINT ToolBarPeer::AddButton(ToolButtonPeer& button, int picture, const std::string& caption) {
    HWND hwnd = Hwnd();
    if (!hwnd) return 0;
    TBBUTTON tb{};
    tb.iBitmap = I_IMAGENONE;
    tb.iString = -1;
    if (OwnedBitmap bitmap{LoadPicture(backend_.Instance(), picture)}) {
        tb.iBitmap = ImageList_AddMasked(images_.Get(), bitmap.Get(), GetSysColor(COLOR_BTNFACE));
    } else if (!caption.empty()) {
        // The string list wants one more NUL at its end.
        std::wstring text = Widen(caption);
        text.push_back(L'\0');
        tb.iString = SendMessageW(hwnd, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    UINT command = backend_.NextControlId();
    tb.idCommand = static_cast<int>(command);
    tb.fsState = TBSTATE_ENABLED;
    tb.fsStyle = TBSTYLE_BUTTON;
    if (!SendMessageW(hwnd, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb))) return 0;
    SendMessageW(hwnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(ToPixels(kButtonSize), ToPixels(kButtonSize)));
    buttons_[command] = &button;
    return command;
}

void ToolBarPeer::RemoveButton(UINT command) {
    buttons_.erase(command);
    if (!Hwnd()) return;
    auto index = SendMessageW(Hwnd(), TB_COMMANDTOINDEX, command, 0);
    if (index >= 0) SendMessageW(Hwnd(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
}

void ToolBarPeer::DpiChanged() {
    // The pictures keep their size, centred on the larger buttons.
    if (Hwnd())
        SendMessageW(Hwnd(), TB_SETBUTTONSIZE, 0, MAKELPARAM(ToPixels(kButtonSize), ToPixels(kButtonSize)));
    Apply(ui::Change::Bounds);
}

const wchar_t* ToolBarPeer::Hint(UINT command) {
    auto it = buttons_.find(command);
    if (it == buttons_.end()) return nullptr;
    const ui::Button& button = it->second->GetButton();
    if (!button.ShowHint() || button.Hint().empty()) return nullptr;
    hint_ = HintText(button.Hint());
    return hint_.c_str();
}

bool ToolBarPeer::OnCommand(WORD, WORD id, LRESULT& result) {
    auto it = buttons_.find(id);
    if (it == buttons_.end()) return false;
    result = 0;
    it->second->GetWidget().PeerClicked();
    return true;
}

bool ToolBarPeer::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code == TTN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        const wchar_t* hint = Hint(static_cast<UINT>(header.idFrom));
        info.hinst = nullptr;
        info.szText[0] = L'\0';
        info.lpszText = hint ? const_cast<wchar_t*>(hint) : info.szText;
        result = 0;
        return true;
    }
    if (header.code == TBN_GETINFOTIPW) {
        auto& info = reinterpret_cast<NMTBGETINFOTIPW&>(header);
        const wchar_t* hint = Hint(static_cast<UINT>(info.iItem));
        if (info.pszText && info.cchTextMax > 0) lstrcpynW(info.pszText, hint ? hint : L"", info.cchTextMax);
        result = 0;
        return true;
    }
    return false;
}

bool ToolBarPeer::OnMessage(UINT msg, WPARAM, LPARAM lparam, LRESULT& result) {
    // The tooltip asks the bar itself on some versions of the common controls.
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lparam)->hwndFrom == tooltip_)
        return OnNotify(*reinterpret_cast<NMHDR*>(lparam), result);
    return false;
}

ToolBarPeer* ToolButtonPeer::Bar() const {
    return widget_.Parent() ? dynamic_cast<ToolBarPeer*>(Of(*widget_.Parent())) : nullptr;
}

bool ToolButtonPeer::Realize() {
    ToolBarPeer* bar = Bar();
    if (!bar || !bar->Hwnd()) return false;
    command_ = bar->AddButton(*this, button_.picture[0], button_.Caption());
    if (command_ == 0) return false;
    commandProperty_ = L"RvlnButton." + Widen(button_.Name());
    SetPropW(bar->Hwnd(), commandProperty_.c_str(),
             reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(command_)));
    Update(ui::Change::Enabled);
    Update(ui::Change::Visible);
    return true;
}

ToolButtonPeer::~ToolButtonPeer() {
    ToolBarPeer* bar = Bar();
    if (!bar || command_ == 0) return;
    if (bar->Hwnd()) RemovePropW(bar->Hwnd(), commandProperty_.c_str());
    bar->RemoveButton(command_);
}

void ToolButtonPeer::Update(ui::Change what) {
    ToolBarPeer* bar = Bar();
    if (!bar || !bar->Hwnd() || command_ == 0) return;
    if (what == ui::Change::Visible) {
        SendMessageW(bar->Hwnd(), TB_HIDEBUTTON, command_, MAKELPARAM(!button_.Visible(), 0));
    } else if (what == ui::Change::Enabled) {
        SendMessageW(bar->Hwnd(), TB_ENABLEBUTTON, command_, MAKELPARAM(button_.Enabled(), 0));
    }
}

}  // namespace win32
