#pragma once
// Where the notebook's controls go. The pages are laid out for the display area of the page
// control in the main window (227 pixels wide); each group keeps its caption row and a frame of
// a few pixels free, and its "?" button sits at the right end of its first row.
#include <string>
#include "ui/controls.h"

namespace app::layout {

constexpr int kLeft = 6;     // first column inside a group
constexpr int kIndent = 18;  // a column under a check box's caption
constexpr int kRight = 221;  // right edge of the widest control
constexpr int kTop = ui::GroupBox::kCaptionHeight;
constexpr int kRowHeight = 17;  // a check box, radio button or label row
constexpr int kEditHeight = 21;
constexpr int kHelpSize = 16;
constexpr int kHelpLeft = kRight - kHelpSize;

// " Press me for a short tip!" on the group's "?" button, with its help context.
inline void MakeHelpButton(ui::SpeedButton& button, int helpContext, int top = kTop) {
    button.SetCaption("?");
    button.SetHint(" Press me for a short tip!");
    button.SetHelpContext(helpContext);
    button.SetBounds(kHelpLeft, top, kHelpSize, kHelpSize);
}

}  // namespace app::layout
