#pragma once
// The widget backend of the simulated machine. The model is the truth: no peers are made unless
// a test asks for recording peers. A modal run behaves as VCL's: the form is shown (OnShow),
// activated (OnActivate) and painted (OnPaint); unless that already set a modal result, the
// script for its class name plays the user, and then the form closes as a modal form does
// (OnClose, which may refuse, and then the script runs again). A form without a script is
// cancelled (modal result 2) and counts in unscriptedModals.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "ui/backend.h"
#include "ui/menu.h"

namespace ui {
class MenuItem;
}

namespace sim {

class SimForeignWindows;

struct ModalRun {
    std::string className;
    int result = 0;
    bool scripted = false;
    // VCL refuses to run a visible form modally; the program must hide it first.
    bool alreadyVisible = false;
};

struct PopupRun {
    std::string menuName;
    int x = 0, y = 0;
    std::string chosen;  // name of the item chosen, empty when none
    bool clicked = false;
    ui::PopupAlignment alignment = ui::PopupAlignment::Left;
    // The items that started a new column when the menu showed, by name, in menu order.
    std::vector<std::string> barBreaks;
};

// What a recording peer saw of its widget.
struct PeerLog {
    port::WindowId native = 0;
    std::map<ui::Change, int> updates;
    int focusCalls = 0;
};

class SimUi : public ui::Backend {
  public:
    explicit SimUi(SimForeignWindows& windows) : windows_(windows) {}

    std::unique_ptr<ui::Peer> CreatePeer(ui::Widget& widget) override;
    ui::Extent NonClientExtent(const ui::Form&) override { return nonClient; }
    int RunModal(ui::Form& form) override;
    void Popup(ui::PopupMenu& menu, int x, int y) override;
    void SetApplicationTitle(const std::string& title) override { titles.push_back(title); }
    port::WindowId ApplicationWindow() override;
    void SetHintTiming(int pauseMs, int hidePauseMs) override;
    void SetHintsEnabled(bool enabled) override { hintsEnabled = enabled; }
    void CursorPos(int& x, int& y) override;
    void SetBusyCursor(bool busy) override {
        busyCursor = busy;
        busyCursorChanges.push_back(busy);
    }
    bool busyCursor = false;
    std::vector<bool> busyCursorChanges;

    ui::Extent nonClient{6, 25};

    // Modal forms: the script plays the user and returns the modal result, unless it set one
    // itself (clicking a button with a modal result, say).
    void OnModal(const std::string& className, std::function<int(ui::Form&)> script);
    std::vector<ModalRun> modalRuns;
    int unscriptedModals = 0;
    // A form that kept refusing to close: the run gave up after ten rounds.
    int stuckModals = 0;

    // Popup menus: chosen items are found by name anywhere in the menu; a script runs when
    // nothing is queued and may return null (the menu is dismissed).
    void ChooseInPopup(const std::string& itemName) { popupChoices_.push_back(itemName); }
    std::function<ui::MenuItem*(ui::PopupMenu&)> popupScript;
    std::vector<PopupRun> popups;

    // The user minimises or restores the application from its taskbar button.
    void MinimizeApplication() {
        if (onApplicationState) onApplicationState(true);
    }
    void RestoreApplication() {
        if (onApplicationState) onApplicationState(false);
    }

    std::vector<std::string> titles;
    std::string Title() const { return titles.empty() ? std::string() : titles.back(); }
    int hintPauseMs = -1, hintHidePauseMs = -1;
    bool hintsEnabled = true;
    int cursorX = 512, cursorY = 384;

    // Recording peers give each widget a window id and log what changed.
    bool recordingPeers = false;
    const PeerLog* Log(const ui::Widget& widget) const;

  private:
    class RecordingPeer;
    SimForeignWindows& windows_;
    std::map<std::string, std::function<int(ui::Form&)>> modalScripts_;
    std::deque<std::string> popupChoices_;
    std::map<const ui::Widget*, std::shared_ptr<PeerLog>> peerLogs_;
    port::WindowId nextNative_ = 0x20000;
};

}  // namespace sim
