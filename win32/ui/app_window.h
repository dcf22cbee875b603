#pragma once
// The application window of a VCL program: a zero-size popup that owns every form and the taskbar
// button. Minimising the main form minimises this window, which hides the forms it owns; restoring
// it from the taskbar brings them back.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>
#include "win32/handles.h"
#include "win32/ui/window.h"

namespace win32 {

class ApplicationWindow final : public MessageTarget {
  public:
    struct Events {
        std::function<void(bool minimized)> stateChanged;  // minimised or restored
        std::function<void()> closeRequested;              // the taskbar button's Close
        std::function<HWND()> mainForm;
    };

    ApplicationWindow(HINSTANCE instance, Events events);
    ~ApplicationWindow() override;
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;

    HWND Hwnd() const { return window_.Get(); }
    void SetTitle(const std::string& title);
    // Shown once, with the main form, as VCL does; afterwards the program shows and hides it.
    void ShowOnce();
    void Minimize();
    void Restore();
    // The program hid or destroyed the form: the restore must not bring it back.
    void Forget(HWND form);

    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) override;

  private:
    void ActivateLastPopup();
    // The forms go with the minimised application and come back with it; the system does this
    // for pop-up windows only.
    void HideForms();
    void ShowForms();

    Events events_;
    OwnedWindow window_;
    bool shown_ = false;
    std::vector<HWND> hiddenForms_;
};

constexpr wchar_t kApplicationClass[] = L"TApplication";

}  // namespace win32
