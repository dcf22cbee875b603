#pragma once
// The Win32 side of the widget model: creates the peers, owns the application window, runs modal
// forms and popup menus, and holds the program-wide hint settings.
#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>
#include "ui/backend.h"
#include "win32/ui/app_window.h"
#include "win32/ui/keyboard.h"
#include "win32/ui/loop.h"

namespace win32 {

class FormPeer;

class Win32Backend final : public ui::Backend {
  public:
    explicit Win32Backend(Win32Loop& loop);
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    std::unique_ptr<ui::Peer> CreatePeer(ui::Widget& widget) override;
    ui::Extent NonClientExtent(const ui::Form& form) override;
    int RunModal(ui::Form& form) override;
    void Popup(ui::PopupMenu& menu, int x, int y) override;
    void SetApplicationTitle(const std::string& title) override;
    port::WindowId ApplicationWindow() override;
    void SetHintTiming(int pauseMs, int hidePauseMs) override;
    void SetHintsEnabled(bool enabled) override;
    void CursorPos(int& x, int& y) override;
    void SetBusyCursor(bool busy) override;
    bool BusyCursor() const { return busyCursor_; }

    HINSTANCE Instance() const { return instance_; }
    HWND AppWindow() const { return app_.Hwnd(); }
    // The first form that got a window, as VCL's Application.MainForm.
    FormPeer* MainFormPeer() const { return mainForm_; }
    HWND MainFormWindow() const;
    Win32Loop& Loop() { return loop_; }

    UINT NextControlId();
    bool RegisterFormClass(const std::wstring& className);
    void FormCreated(FormPeer& form);
    void FormDestroyed(FormPeer& form);
    void ShowApplicationWindow() { app_.ShowOnce(); }
    void MinimizeApplication() { app_.Minimize(); }
    void RestoreApplication() { app_.Restore(); }
    void FormHidden(HWND form) { app_.Forget(form); }

    // Every tooltip of the program follows the hint settings.
    void AddTooltip(HWND tooltip);
    void RemoveTooltip(HWND tooltip);

  private:
    void ApplyHintSettings(HWND tooltip) const;
    void OnApplicationState(bool minimized);
    void OnApplicationClose();

    Win32Loop& loop_;
    HINSTANCE instance_;
    win32::ApplicationWindow app_;
    KeyRouter keys_;
    FormPeer* mainForm_ = nullptr;
    std::vector<FormPeer*> forms_;
    std::set<std::wstring> formClasses_;
    std::vector<HWND> tooltips_;
    int hintPause_ = 500, hintHidePause_ = 2500;
    bool hintsEnabled_ = true;
    bool busyCursor_ = false;
    UINT nextId_ = 100;
};

}  // namespace win32
