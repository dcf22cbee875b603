#pragma once
// System-wide hotkeys. The program's registrations are kept by id; combinations can be held by
// other applications, and then RegisterHotKey fails with ERROR_HOTKEY_ALREADY_REGISTERED, as it
// does when the program itself holds the combination or the id already. A key press reaches
// the program as WM_HOTKEY through its message loop while it holds the combination.
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>
#include "ports/hotkey_port.h"
#include "ports/types.h"
#include "sim/errors.h"

namespace sim {

class SimLoop;

struct Hotkey {
    std::uint32_t modifiers = 0;
    std::uint32_t virtualKey = 0;
    bool operator==(const Hotkey&) const = default;
    auto operator<=>(const Hotkey&) const = default;
};

struct HotkeyCall {
    bool registering = true;  // false: UnregisterHotKey
    int id = 0;
    Hotkey key;  // the combination asked for, or the one released
    bool ok = false;
};

class SimHotkeys : public port::HotkeyPort {
  public:
    // window: the window WM_HOTKEY is addressed to.
    SimHotkeys(SimLoop& loop, port::WindowId window);

    bool RegisterHotKey(int id, std::uint32_t modifiers, std::uint32_t virtualKey) override;
    bool UnregisterHotKey(int id) override;

    // Another application holds (or lets go of) the combination.
    void TakeByOther(std::uint32_t modifiers, std::uint32_t virtualKey);
    void ReleaseByOther(std::uint32_t modifiers, std::uint32_t virtualKey);
    // The user presses the combination: posts WM_HOTKEY (wParam the id, lParam the modifiers in
    // the low word and the key in the high word) when the program holds it. Returns whether it did.
    bool PressHotkey(std::uint32_t modifiers, std::uint32_t virtualKey);

    bool Holds(int id) const { return registered_.count(id) != 0; }
    // The program's combination under id, if any.
    bool Registered(int id, Hotkey& key) const;
    const std::map<int, Hotkey>& Registrations() const { return registered_; }
    std::vector<HotkeyCall> calls;
    std::uint32_t LastError() const { return lastError_; }

  private:
    SimLoop& loop_;
    port::WindowId window_;
    std::map<int, Hotkey> registered_;
    std::set<Hotkey> takenByOthers_;
    std::uint32_t lastError_ = 0;
};

}  // namespace sim
