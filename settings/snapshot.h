#pragma once
// The state of the setting controls as it was when the notebook opened from the main view, so
// that "Ca&ncel" can put every control back however many pages were changed.
#include <array>
#include <string>
#include <vector>

namespace app {
class TForm1;
}

namespace settings {

struct SettingsSnapshot {
    bool taken = false;
    std::array<bool, 27> checkBoxes{};        // CheckBox1 to CheckBox27
    std::array<bool, 4> radioButtons{};       // RadioButton1 to RadioButton4
    std::array<std::string, 3> spinEdits;     // SpinEdit2 to SpinEdit4
    std::array<std::string, 5> labels;        // Label5, Label6, Label7, Label10, Label12
    std::array<int, 4> upDowns{};             // UpDown1 to UpDown4
    std::array<std::string, 4> edits;         // Edit1 to Edit4
    std::array<int, 4> comboBoxes{};          // ComboBox2 to ComboBox5
    std::array<int, 2> trackBars{};           // TrackBar1, TrackBar2
    std::array<int, 2> trackBar1Range{};      // follows the timer mode
    bool statusBarsLocked = false;            // SpeedButton6 down
    std::array<std::string, 7> statusPanels;  // StatusBar1 panels 0 to 6
    int top = 0, left = 0;                    // the window
    // The controls above enable one another as they change; their enabled states are kept too,
    // in the order of the fields above, so that the page looks as it did.
    std::vector<bool> enabled;
    std::vector<std::string> deviceRecords;  // the device table
};

void SnapshotSettings(app::TForm1& form);
// Puts the snapshot back, including the autostart value that follows "&Always start in System
// Tray"; nothing happens when no snapshot was taken.
void RestoreSettingsSnapshot(app::TForm1& form);

}  // namespace settings
