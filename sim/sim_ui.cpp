#include "sim/sim_ui.h"

#include "sim/sim_foreign_windows.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace sim {

namespace {

ui::MenuItem* FindItem(ui::MenuItem& menu, const std::string& name) {
    for (ui::MenuItem* item : menu.Items()) {
        if (item->Name() == name) return item;
        if (ui::MenuItem* found = FindItem(*item, name)) return found;
    }
    return nullptr;
}

void CollectBarBreaks(const ui::MenuItem& menu, std::vector<std::string>& names) {
    for (const ui::MenuItem* item : menu.Items()) {
        if (item->barBreak && item->visible) names.push_back(item->Name());
        CollectBarBreaks(*item, names);
    }
}

constexpr int kMrCancel = 2;
constexpr int kMaxRounds = 10;

}  // namespace

class SimUi::RecordingPeer : public ui::Peer {
  public:
    explicit RecordingPeer(std::shared_ptr<PeerLog> log) : log_(std::move(log)) {}
    void Update(ui::Change what) override { ++log_->updates[what]; }
    void Focus() override { ++log_->focusCalls; }
    port::WindowId Native() const override { return log_->native; }

  private:
    std::shared_ptr<PeerLog> log_;
};

std::unique_ptr<ui::Peer> SimUi::CreatePeer(ui::Widget& widget) {
    if (!recordingPeers) return nullptr;
    auto log = std::make_shared<PeerLog>();
    log->native = nextNative_;
    nextNative_ += 4;
    peerLogs_[&widget] = log;
    return std::make_unique<RecordingPeer>(log);
}

const PeerLog* SimUi::Log(const ui::Widget& widget) const {
    auto it = peerLogs_.find(&widget);
    return it == peerLogs_.end() ? nullptr : it->second.get();
}

int SimUi::RunModal(ui::Form& form) {
    ModalRun run{form.ClassName(), 0, false, form.Visible()};
    auto script = modalScripts_.find(form.ClassName());
    run.scripted = script != modalScripts_.end();
    if (!run.scripted) ++unscriptedModals;
    // The script may replace itself; run a copy.
    std::function<int(ui::Form&)> user = run.scripted ? script->second : nullptr;

    form.Show();
    form.PeerActivated(true);
    form.PeerPainted();
    int rounds = 0;
    bool freed = false;
    for (;;) {
        if (form.ModalResult() == 0) {
            int answer = user ? user(form) : kMrCancel;
            if (form.ModalResult() == 0) form.SetModalResult(answer != 0 ? answer : kMrCancel);
        }
        // CloseModal: OnClose may keep the form open, which clears the modal result.
        ui::CloseAction action = ui::CloseAction::Hide;
        if (form.OnClose) form.OnClose(action);
        freed = action == ui::CloseAction::Free;
        if (action != ui::CloseAction::None) break;
        form.SetModalResult(0);
        if (++rounds == kMaxRounds || !user) {
            ++stuckModals;
            form.SetModalResult(kMrCancel);
            break;
        }
    }
    run.result = form.ModalResult();
    form.Hide();
    form.PeerActivated(false);
    modalRuns.push_back(run);
    if (freed && form.OnRelease) form.OnRelease();
    return run.result;
}

void SimUi::Popup(ui::PopupMenu& menu, int x, int y) {
    if (menu.OnPopup) menu.OnPopup();
    PopupRun run{menu.Name(), x, y, {}, false, menu.alignment, {}};
    CollectBarBreaks(menu, run.barBreaks);
    ui::MenuItem* item = nullptr;
    if (!popupChoices_.empty()) {
        item = FindItem(menu, popupChoices_.front());
        if (!item) run.chosen = popupChoices_.front();
        popupChoices_.pop_front();
    } else if (popupScript) {
        item = popupScript(menu);
    }
    if (item) {
        run.chosen = item->Name();
        // A disabled or hidden entry, or one inside such a submenu, cannot be chosen.
        run.clicked = true;
        for (ui::MenuItem* i = item; i && i != &menu; i = i->Parent())
            run.clicked = run.clicked && i->enabled && i->visible;
    }
    popups.push_back(run);
    if (run.clicked) item->Click();
}

port::WindowId SimUi::ApplicationWindow() {
    return windows_.ApplicationWindow();
}

void SimUi::SetHintTiming(int pauseMs, int hidePauseMs) {
    hintPauseMs = pauseMs;
    hintHidePauseMs = hidePauseMs;
}

void SimUi::CursorPos(int& x, int& y) {
    x = cursorX;
    y = cursorY;
}

void SimUi::OnModal(const std::string& className, std::function<int(ui::Form&)> script) {
    modalScripts_[className] = std::move(script);
}

}  // namespace sim
