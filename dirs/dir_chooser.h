#pragma once
// "Choose Directory:": one directory picked with a drive list and a directory tree that reads
// the disk one level at a time, as nodes open.
#include <string>
#include <vector>
#include "dirs/dirs_view.h"
#include "ports/device_port.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace dirs {

class TForm5 : public ui::Form {
  public:
    explicit TForm5(DirsView& view);

    ui::Panel Panel1;
    ui::ComboBox DriveComboBox1;
    ui::TreeView DirectoryOutline1;
    ui::StatusBar StatusBar1;
    ui::PopupMenu PopupMenu1;
    ui::MenuItem Exit1, N1, CancelCollapse1, SelectThis1, Show1, N2, Help1;

    // Set by "&Select this"; empty when the window was left any other way.
    std::string chosen;

    // The drive entries: "A:", "C: [SYSTEM]", "N: \\SERVER\SHARE".
    static std::string DriveEntry(port::DevicePort& devices, char letter);
    // The picture of a drive type (ui/pictures.h): floppy for removable drives, fixed disk,
    // CD-ROM, network drive, RAM disk; a fixed disk for a type the system does not name.
    static int DrivePicture(std::uint32_t driveType);
    void FillDrives();
    // Points the tree at a drive and opens its root.
    void SetDrive(char letter);
    // The directory of the selected node ("C:\", "C:\WINDOWS").
    std::string CurrentDirectory() const;
    const std::vector<char>& Letters() const { return letters_; }

  private:
    void ReadChildren(int node);
    void PopupAtCursor();

    DirsView& view_;
    std::vector<char> letters_;
    bool activating_ = false;
};

// "Add Dir. ...": the chooser, and the chosen directory appended to the list.
void SpeedButton7Click(DirsView& view);

}  // namespace dirs
