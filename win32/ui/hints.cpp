#include "win32/ui/hints.h"

#include <commctrl.h>

#include "win32/text.h"
#include "win32/ui/backend.h"

namespace win32 {

namespace {

TTTOOLINFOW ToolFor(HWND form, HWND control, bool relayed) {
    TTTOOLINFOW tool{};
    // The first version of the record: every common-controls version takes it.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    // A subclassing tool costs a property read on every message of its control under Wine; the
    // peers see those messages anyway and relay the mouse's.
    tool.uFlags = TTF_IDISHWND | (relayed ? 0 : TTF_SUBCLASS);
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

}  // namespace

std::wstring HintText(const std::string& hint) {
    std::wstring in = Widen(hint), out;
    out.reserve(in.size() + 8);
    for (size_t i = 0; i < in.size(); ++i) {
        out += in[i];
        if (in[i] == L'\r' && (i + 1 == in.size() || in[i + 1] != L'\n')) out += L'\n';
    }
    return out;
}

FormHints::~FormHints() {
    if (tooltip_) backend_.RemoveTooltip(tooltip_.Get());
}

HWND FormHints::EnsureTooltip() {
    if (tooltip_) return tooltip_.Get();
    tooltip_.Reset(CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr, backend_.Instance(), nullptr));
    if (!tooltip_) return nullptr;
    SendMessageW(tooltip_.Get(), TTM_SETMAXTIPWIDTH, 0, kMaxHintWidth);
    backend_.AddTooltip(tooltip_.Get());
    for (auto it = tools_.begin(); it != tools_.end();) {
        it = SendTool(TTM_ADDTOOLW, it->first, it->second) ? std::next(it) : tools_.erase(it);
    }
    return tooltip_.Get();
}

bool FormHints::SendTool(UINT message, HWND control, Tool& tool) {
    TTTOOLINFOW info = ToolFor(form_, control, tool.relayed);
    info.lpszText = tool.text.data();
    return SendMessageW(tooltip_.Get(), message, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void FormHints::Set(HWND control, const std::string& hint, bool show, bool relayed) {
    if (hint.empty() || !show) {
        Remove(control);
        return;
    }
    const bool added = tools_.count(control) == 0;
    Tool& tool = tools_[control];
    tool.text = HintText(hint);
    tool.relayed = relayed;
    if (!tooltip_) {
        // No peer hands on that window's mouse: the tooltip must be there to watch it itself.
        // Made now, it takes every waiting tool, this one too.
        if (!relayed) EnsureTooltip();
        return;
    }
    if (added) {
        if (!SendTool(TTM_ADDTOOLW, control, tool)) tools_.erase(control);
        return;
    }
    SendTool(TTM_UPDATETIPTEXTW, control, tool);
}

void FormHints::Remove(HWND control) {
    auto it = tools_.find(control);
    if (it == tools_.end()) return;
    const bool relayed = it->second.relayed;
    tools_.erase(it);
    if (!tooltip_) return;
    TTTOOLINFOW info = ToolFor(form_, control, relayed);
    SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void FormHints::Relay(HWND control, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto it = tools_.find(control);
    if (it == tools_.end() || !it->second.relayed) return;
    HWND tooltip = EnsureTooltip();
    if (!tooltip) return;
    MSG relayed{control, msg, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&relayed.pt);
    SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace win32
