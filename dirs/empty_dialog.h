#pragma once
// "Empty Directories:": lists the directories about to be emptied, lets the user deselect
// some, and empties the selected ones on OK (or at once when confirmation is off).
#include <string>
#include <vector>
#include "dirs/dirs_view.h"
#include "dirs/empty_dirs.h"
#include "lib/animation.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace dirs {

// Row pictures of the list.
enum : int { kRowFull = 0, kRowEmpty = 1 };

class TForm6 : public ui::Form {
  public:
    TForm6(DirsView& view, std::vector<std::string> directories, int mode, Origin origin);

    ui::Label Label1;
    ui::Button Button1;  // "&show..."
    ui::ListBox ListBox1;
    ui::Button Button2;      // "Select &All"
    ui::Button Button3;      // "Select &None"
    ui::CheckBox CheckBox1;  // "Ne&ver confirm..."
    ui::Button Button4;      // "&OK"
    ui::Button Button5;      // "&Cancel"
    ui::PopupMenu PopupMenu1;
    ui::MenuItem Show1, SelectNotEmpty1, SelectAll1, SelectNone1, Help1;

    void FormShow();
    void FormActivate();
    void FormPaint();
    void FormClose(ui::CloseAction& action);
    void CheckBox1Click();
    void DeleteSelectedDirectories();
    void ShowSelectedDirectories();
    void SelectAll(bool selected);
    void SelectNotEmpty();

    bool DialogActive() const { return active_; }
    bool Automatic() const { return automatic_; }
    // The directories still listed, in order.
    const std::vector<std::string>& Directories() const { return directories_; }

  private:
    // The screen rectangle the dialog grows from and shrinks to.
    ui::Rect OriginRect() const;

    DirsView& view_;
    std::vector<std::string> directories_;
    int mode_;
    Origin origin_;
    bool active_ = false;
    bool automatic_ = false;
    bool trayWasActive_ = false;
    bool settingBox_ = false;
    lib::WindowAnimator animator_;
};

}  // namespace dirs
