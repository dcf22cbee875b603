#include "settings/clamp.h"

#include "ui/widget.h"

namespace settings {

WindowPlace ClampToScreen(WindowPlace place, int windowWidth, int windowHeight, int screenWidth,
                          int screenHeight) {
    if (place.top + 30 < 0) {
        place.top = 0;
    } else if (place.top > screenHeight - 30) {
        place.top = screenHeight - windowHeight;
    }
    if (place.left < 30 - windowWidth) {
        place.left = 0;
    } else if (place.left > screenWidth - 30) {
        place.left = screenWidth - windowWidth;
    }
    return place;
}

WindowPlace ClampToScreen(port::SystemInfoPort& system, const ui::Widget& window, WindowPlace place) {
    return ClampToScreen(place, window.Width(), window.Height(), system.GetSystemMetrics(port::kSmCxScreen),
                         system.GetSystemMetrics(port::kSmCyScreen));
}

}  // namespace settings
