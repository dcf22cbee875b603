#pragma once
// Controls of a position within a range: progress bar, track bar, up-down.
#include <windows.h>

#include "ui/controls.h"
#include "win32/ui/peer.h"

namespace win32 {

class ProgressBarPeer final : public Win32Peer {
  public:
    ProgressBarPeer(Win32Backend& backend, ui::ProgressBar& bar) : Win32Peer(backend, bar), bar_(bar) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;

  private:
    ui::ProgressBar& bar_;
};

class TrackBarPeer final : public Win32Peer {
  public:
    TrackBarPeer(Win32Backend& backend, ui::TrackBar& bar) : Win32Peer(backend, bar), bar_(bar) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnScroll(int code) override;

  private:
    ui::TrackBar& bar_;
};

// The arrows report to the model, which moves the position and writes the associated edit; the
// native change is cancelled.
class UpDownPeer final : public Win32Peer {
  public:
    UpDownPeer(Win32Backend& backend, ui::UpDown& upDown) : Win32Peer(backend, upDown), upDown_(upDown) {}
    // The associated edit got its window (it may come after the up-down).
    void AttachBuddy();
    // The up-downs of a form that are associated with this edit.
    static void EditRealized(ui::Edit& edit);

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    ui::UpDown& upDown_;
};

}  // namespace win32
