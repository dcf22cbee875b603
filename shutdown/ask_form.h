#pragma once
// "Ravelin HOW?": the dialog of the ASK entry. The user picks the method for this one shutdown
// and ticks the tasks to run before it. Created hidden once at start-up and reused; the choices
// are rebuilt at every show.
#include "lib/animation.h"
#include "shutdown/ask_view.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/radio_group.h"
#include "ui/scroll_box.h"

namespace shutdown {

class TForm3 : public ui::Form {
  public:
    explicit TForm3(AskView view);

    ui::RadioGroup RadioGroup1;
    ui::StatusBar StatusBar1;
    ui::Panel Panel1;
    ui::ScrollBox ScrollBox1;
    ui::CheckBox CheckBox2;        // "- &Run Application"
    ui::CheckBox CheckBox3;        // "&No Warning"
    ui::CheckBox CheckBox4;        // "- &Init local Drives"
    ui::CheckBox CheckBox1;        // "- Empty &Directories"
    ui::CheckBox CheckBox5;        // "- &Eject (&& Retract) Devices"
    ui::SpeedButton SpeedButton1;  // "&Settings..."
    ui::BitBtn BitBtn1;            // "&OK"
    ui::BitBtn BitBtn2;            // "&Cancel"
    ui::PopupMenu PopupMenu1;
    ui::MenuItem Checkall1, Uncheckall1, N1, Resettolastshutdown1, Resettodefault1;

    void FormShow();
    void FormActivate();
    void FormClose(ui::CloseAction& action);
    void RadioGroup1Click();
    void CheckBox2Click();
    void SpeedButton1Click();
    void Checkall1Click();
    void Uncheckall1Click();
    void Resettolastshutdown1Click();
    void Resettodefault1Click();

    AskView& View() { return view_; }
    // The choice of the last close: full position, method code (-1 none) and log code.
    int ChosenPosition() const { return chosenPosition_; }
    int ChosenCode() const { return chosenCode_; }
    int ChosenLogCode() const { return chosenLogCode_; }
    // "&Settings..." left the dialog while the main window was away: the notebook opens now.
    bool NotebookPending() const { return notebookPending_; }
    bool TrayDeactivated() const { return trayDeactivated_; }
    // Whether the FORCE entries were left out at the last show.
    bool ForceRemoved() const { return forceRemoved_; }

    // The five task boxes in the order of their numbers.
    static constexpr int kBoxCount = 5;
    ui::CheckBox* Box(int number);

  private:
    // Enables the boxes whose task the main window has configured; the others are cleared.
    void EnableBoxes();
    // The rectangle the dialog grows out of and shrinks back into.
    ui::Rect OriginRect() const;

    AskView view_;
    bool forceRemoved_ = false;
    bool trayDeactivated_ = false;
    bool notebookPending_ = false;
    bool activated_ = false;
    int chosenPosition_ = -1;
    int chosenCode_ = -1;
    int chosenLogCode_ = -1;
    ui::Rect origin_;
    lib::WindowAnimator animator_;
};

}  // namespace shutdown
