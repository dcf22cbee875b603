#include "win32/ui/hints.h"

#include <commctrl.h>

#include "win32/text.h"
#include "win32/ui/backend.h"

namespace win32 {

namespace {

TTTOOLINFOW ToolFor(HWND form, HWND control) {
    TTTOOLINFOW tool{};
    // The first version of the record: every common-controls version takes it.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
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
    return tooltip_.Get();
}

void FormHints::Set(HWND control, const std::string& hint, bool show) {
    if (hint.empty() || !show) {
        Remove(control);
        return;
    }
    HWND tooltip = EnsureTooltip();
    if (!tooltip) return;
    std::wstring text = HintText(hint);
    TTTOOLINFOW tool = ToolFor(form_, control);
    tool.lpszText = text.data();
    if (tools_.count(control)) {
        SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
        tools_.insert(control);
    }
}

void FormHints::Remove(HWND control) {
    if (!tools_.erase(control) || !tooltip_) return;
    TTTOOLINFOW tool = ToolFor(form_, control);
    SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace win32
