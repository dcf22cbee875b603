#pragma once
// Hints: one tooltip window per form holding a tool for every control that shows a hint.
#include <windows.h>

#include <map>
#include <string>
#include "win32/handles.h"

namespace win32 {

class Win32Backend;

class FormHints {
  public:
    FormHints(Win32Backend& backend, HWND form) : backend_(backend), form_(form) {}
    ~FormHints();
    FormHints(const FormHints&) = delete;
    FormHints& operator=(const FormHints&) = delete;

    // Adds, changes or removes the tool of a control. The control's peer hands the tooltip the
    // control's mouse messages (Relay); a window whose messages no peer sees (relayed false) is
    // subclassed by the tooltip instead.
    void Set(HWND control, const std::string& hint, bool show, bool relayed = true);
    void Remove(HWND control);
    // A mouse message of a control. The tooltip window is made when the mouse first comes over a
    // control with a hint: a start that nobody points at makes none.
    void Relay(HWND control, UINT msg, WPARAM wparam, LPARAM lparam);
    HWND Tooltip() const { return tooltip_.Get(); }

  private:
    struct Tool {
        std::wstring text;
        bool relayed = true;
    };

    HWND EnsureTooltip();
    // TTM_ADDTOOLW or TTM_UPDATETIPTEXTW for a control's tool.
    bool SendTool(UINT message, HWND control, Tool& tool);

    Win32Backend& backend_;
    HWND form_;
    OwnedWindow tooltip_;
    std::map<HWND, Tool> tools_;
};

// The program writes line breaks in hints as lone CRs; the tooltip breaks lines at CR LF.
std::wstring HintText(const std::string& hint);

// Widest hint line before the tooltip wraps; setting it at all turns on multi-line tips.
constexpr int kMaxHintWidth = 400;

}  // namespace win32
