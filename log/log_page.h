#pragma once
// The "Event Log:" page of the notebook and the "&LogFile" menu entries.
#include <string>
#include <string_view>

namespace app {
class TForm1;
}
namespace ui {
class SpinEdit;
}

namespace eventlog {

// Wires the page's controls and the menu entries to their handlers and brings the page's
// enabled states in line with "Ena&ble Logging:". Once, before the settings load.
void BindLogPage(app::TForm1& form);

// Logging on enables the size field and the file option, and on Windows NT the event-log option.
void CheckBox20Click(app::TForm1& form);

// The size field's text after clean-up: empty for nothing, 0 or no number; "0" when it holds
// anything but digits; else as it is.
std::string CleanSizeText(std::string_view text);
// Click: the text is cleaned and then selected as a whole where there is one; true when it was.
bool SpinEdit3Click(app::TForm1& form);
// Change and Exit: cleaned, and an empty or zero field takes the smallest limit.
void SpinEdit3Change(app::TForm1& form);
void SpinEdit3Exit(app::TForm1& form);

// "Show Log" on the page: usable exactly while RVLN.LOG exists; checked whenever the page opens.
void UpdateShowLogButton(app::TForm1& form);

// "&LogFile" is there to use exactly while RVLN.LOG exists; called whenever a menu opens.
void UpdateLogFileMenus(app::TForm1& form);

}  // namespace eventlog
