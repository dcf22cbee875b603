#include <gtest/gtest.h>

#include <initializer_list>

#include "sim/machine.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace {

struct Dialog {
    ui::Form form{"TForm6"};
    ui::Button ok{&form, "OkButton"};
    ui::Button cancel{&form, "CancelButton"};
    std::vector<std::string> events;
    Dialog() {
        ok.SetModalResult(1);
        cancel.SetModalResult(2);
        form.OnShow = [this] { events.push_back("show"); };
        form.OnActivate = [this] { events.push_back("activate"); };
        form.OnPaint = [this] { events.push_back("paint"); };
        form.OnClose = [this](ui::CloseAction&) { events.push_back("close"); };
        form.OnHide = [this] { events.push_back("hide"); };
    }
};

TEST(SimUi, AScriptPlaysTheUserOfAModalForm) {
    sim::Machine m;
    Dialog d;
    d.form.Realize(m.ui);
    EXPECT_EQ(d.form.NonClient().height, 25);
    m.ui.OnModal("TForm6", [](ui::Form& form) {
        EXPECT_TRUE(form.Visible());
        static_cast<ui::Button*>(form.Children()[0])->Click();
        return 0;
    });
    EXPECT_EQ(d.form.ShowModal(), 1);
    EXPECT_FALSE(d.form.Visible());
    EXPECT_EQ(d.events, (std::vector<std::string>{"show", "activate", "paint", "close", "hide"}));
    ASSERT_EQ(m.ui.modalRuns.size(), 1u);
    EXPECT_TRUE(m.ui.modalRuns[0].scripted);
    EXPECT_EQ(m.ui.unscriptedModals, 0);
}

TEST(SimUi, AnUnscriptedModalFormIsCancelled) {
    sim::Machine m;
    Dialog d;
    d.form.Realize(m.ui);
    EXPECT_EQ(d.form.ShowModal(), 2);
    EXPECT_EQ(m.ui.unscriptedModals, 1);
    EXPECT_FALSE(m.ui.modalRuns[0].alreadyVisible);
    d.form.Show();
    d.form.ShowModal();
    EXPECT_TRUE(m.ui.modalRuns[1].alreadyVisible);
}

TEST(SimUi, AFormSettingItsResultWhileShownNeedsNoUser) {
    sim::Machine m;
    Dialog d;
    d.form.OnPaint = [&] { d.form.SetModalResult(1); };
    d.form.Realize(m.ui);
    int scriptRuns = 0;
    m.ui.OnModal("TForm6", [&](ui::Form&) { return ++scriptRuns; });
    EXPECT_EQ(d.form.ShowModal(), 1);
    EXPECT_EQ(scriptRuns, 0);
}

TEST(SimUi, OnCloseMayKeepTheFormOpenForAnotherRound) {
    sim::Machine m;
    Dialog d;
    int closes = 0;
    d.form.OnClose = [&](ui::CloseAction& action) {
        if (++closes == 1) action = ui::CloseAction::None;
    };
    d.form.Realize(m.ui);
    std::vector<int> answers{2, 1};
    m.ui.OnModal("TForm6", [&](ui::Form&) {
        int a = answers.front();
        answers.erase(answers.begin());
        return a;
    });
    EXPECT_EQ(d.form.ShowModal(), 1);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(m.ui.stuckModals, 0);
}

TEST(SimUi, PopupsRunOnPopupAndClickTheChosenEnabledItem) {
    sim::Machine m;
    ui::PopupMenu menu("PopupMenu1");
    ui::MenuItem logFile(&menu, "LogFile2", "&LogFile");
    ui::MenuItem show(&logFile, "Show2", "Sho&w...");
    ui::MenuItem exit(&menu, "Exit1", "E&xit");
    int shows = 0, exits = 0;
    show.OnClick = [&] { ++shows; };
    exit.OnClick = [&] { ++exits; };
    menu.OnPopup = [&] { logFile.enabled = false; };

    m.ui.ChooseInPopup("Show2");
    m.ui.Popup(menu, 10, 20);
    EXPECT_EQ(shows, 0);  // inside a disabled submenu
    m.ui.ChooseInPopup("Exit1");
    m.ui.Popup(menu, 10, 20);
    EXPECT_EQ(exits, 1);
    m.ui.Popup(menu, 1, 2);  // dismissed
    ASSERT_EQ(m.ui.popups.size(), 3u);
    EXPECT_EQ(m.ui.popups[0].chosen, "Show2");
    EXPECT_FALSE(m.ui.popups[0].clicked);
    EXPECT_TRUE(m.ui.popups[1].clicked);
    EXPECT_EQ(m.ui.popups[2].chosen, "");
    EXPECT_EQ(m.ui.popups[2].x, 1);
}

TEST(SimUi, RecordingPeersGiveWidgetsWindowsAndLogChanges) {
    sim::Machine m;
    m.ui.recordingPeers = true;
    ui::Form form("TForm1");
    ui::CheckBox box(&form, "CheckBox4");
    form.Realize(m.ui);
    box.SetChecked(true);
    box.SetCaption("&Enable Timer:");
    box.SetFocus();
    const sim::PeerLog* log = m.ui.Log(box);
    ASSERT_NE(log, nullptr);
    EXPECT_NE(log->native, 0u);
    EXPECT_NE(log->native, m.ui.Log(form)->native);
    EXPECT_EQ(log->updates.at(ui::Change::State), 1);
    EXPECT_EQ(log->updates.at(ui::Change::Caption), 1);
}

TEST(SimUi, APeerWaitingForItsFirstShowIsMadeOnceWhenItShows) {
    sim::Machine m;
    m.ui.recordingPeers = true;
    ui::Form form("TForm1");
    ui::Button button(&form, "Button1");
    ui::Panel page(&form, "Page1");
    ui::CheckBox box(&page, "CheckBox1");
    ui::Panel frame(&form, "Frame1");
    ui::Panel inner(&frame, "Page2");
    ui::Edit edit(&inner, "Edit1");
    page.SetPeerOnFirstShow(true);
    page.SetVisible(false);
    inner.SetPeerOnFirstShow(true);
    frame.SetVisible(false);
    form.Realize(m.ui);
    EXPECT_NE(m.ui.Log(button), nullptr);
    EXPECT_NE(m.ui.Log(frame), nullptr);
    for (const ui::Widget* waiting : std::initializer_list<const ui::Widget*>{&page, &box, &inner, &edit})
        EXPECT_EQ(m.ui.Log(*waiting), nullptr) << waiting->Name();
    EXPECT_TRUE(page.PeerWaiting());
    EXPECT_TRUE(inner.PeerWaiting());

    // The model alone holds the state meanwhile, and reads it back as set.
    box.SetChecked(true);
    box.SetEnabled(false);
    edit.SetText("C:\\TEMP");
    EXPECT_TRUE(box.Checked());
    EXPECT_FALSE(box.Enabled());
    EXPECT_EQ(edit.Text(), "C:\\TEMP");

    // Showing the form shows neither page; a page shows once it and its parents are visible.
    form.Show();
    EXPECT_EQ(m.ui.Log(page), nullptr);
    page.Show();
    const sim::PeerLog* pageLog = m.ui.Log(page);
    ASSERT_NE(pageLog, nullptr);
    ASSERT_NE(m.ui.Log(box), nullptr);
    EXPECT_FALSE(page.PeerWaiting());
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(m.ui.Log(edit), nullptr);
    frame.Show();
    EXPECT_NE(m.ui.Log(inner), nullptr);
    EXPECT_NE(m.ui.Log(edit), nullptr);
    // Hidden and shown again: the same peer.
    page.Hide();
    page.Show();
    EXPECT_EQ(m.ui.Log(page), pageLog);
    EXPECT_EQ(pageLog->updates.at(ui::Change::Visible), 2);
}

TEST(SimUi, APageShownBeforeTheFormIsRealizedGetsItsPeerWithTheForm) {
    sim::Machine m;
    m.ui.recordingPeers = true;
    ui::Form form("TForm1");
    ui::Panel page(&form, "Page1");
    ui::Label label(&page, "Label1");
    page.SetPeerOnFirstShow(true);
    page.Show();  // nothing to make yet
    form.Realize(m.ui);
    EXPECT_NE(m.ui.Log(page), nullptr);
    EXPECT_NE(m.ui.Log(label), nullptr);
}

}  // namespace
