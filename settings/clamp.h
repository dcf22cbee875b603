#pragma once
// Pulling a stored window position back onto the screen: at least 30 pixels of the window stay
// visible, or it moves to the nearest screen edge.
#include "ports/system_info_port.h"

namespace ui {
class Widget;
}

namespace settings {

struct WindowPlace {
    int top = 0, left = 0;
};

WindowPlace ClampToScreen(WindowPlace place, int windowWidth, int windowHeight, int screenWidth,
                          int screenHeight);
// With the system's screen size and the window's current size.
WindowPlace ClampToScreen(port::SystemInfoPort& system, const ui::Widget& window, WindowPlace place);

}  // namespace settings
