#pragma once
// Hints: one tooltip window per form holding a tool for every control that shows a hint.
#include <windows.h>

#include <set>
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

    // Adds, changes or removes the tool of a control.
    void Set(HWND control, const std::string& hint, bool show);
    void Remove(HWND control);
    HWND Tooltip() const { return tooltip_.Get(); }

  private:
    HWND EnsureTooltip();

    Win32Backend& backend_;
    HWND form_;
    OwnedWindow tooltip_;
    std::set<HWND> tools_;
};

// The program writes line breaks in hints as lone CRs; the tooltip breaks lines at CR LF.
std::wstring HintText(const std::string& hint);

// Widest hint line before the tooltip wraps; setting it at all turns on multi-line tips.
constexpr int kMaxHintWidth = 400;

}  // namespace win32
