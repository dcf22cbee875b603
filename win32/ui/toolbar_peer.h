#pragma once
// A tool bar whose picture buttons are buttons of the native tool bar, not windows of their own.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include "ui/controls.h"
#include "win32/handles.h"
#include "win32/ui/peer.h"

namespace win32 {

class ToolButtonPeer;

class ToolBarPeer final : public Win32Peer {
  public:
    ToolBarPeer(Win32Backend& backend, ui::Widget& widget) : Win32Peer(backend, widget) {}
    ~ToolBarPeer() override;
    void DpiChanged() override;

    // Adds a button for the widget; returns its command id, 0 when it failed.
    UINT AddButton(ToolButtonPeer& button, int picture, const std::string& caption);
    void RemoveButton(UINT command);

  protected:
    HWND CreateNative(const Placement& placement) override;
    bool OnCommand(WORD code, WORD id, LRESULT& result) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    // The hint of a button, or null when it shows none.
    const wchar_t* Hint(UINT command);

    std::wstring hint_;
    OwnedImageList images_;
    std::map<UINT, ToolButtonPeer*> buttons_;
    HWND tooltip_ = nullptr;
};

// A BitBtn on a tool bar: a 32 x 32 button of the bar with its picture and hint.
class ToolButtonPeer final : public Win32Peer {
  public:
    ToolButtonPeer(Win32Backend& backend, ui::Button& button) : Win32Peer(backend, button), button_(button) {}
    ~ToolButtonPeer() override;
    bool Realize() override;
    void Update(ui::Change what) override;
    void Focus() override {}
    port::WindowId Native() const override { return 0; }
    ui::Button& GetButton() const { return button_; }

  protected:
    HWND CreateNative(const Placement&) override { return nullptr; }

  private:
    ToolBarPeer* Bar() const;

    ui::Button& button_;
    UINT command_ = 0;
    // On the bar's window: names the button's command id for tests and tools.
    std::wstring commandProperty_;
};

}  // namespace win32
