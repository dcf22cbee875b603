#include "sim/sim_hotkeys.h"

#include "sim/sim_loop.h"

namespace sim {

SimHotkeys::SimHotkeys(SimLoop& loop, port::WindowId window) : loop_(loop), window_(window) {}

bool SimHotkeys::RegisterHotKey(int id, std::uint32_t modifiers, std::uint32_t virtualKey) {
    Hotkey key{modifiers, virtualKey};
    bool taken = takenByOthers_.count(key) != 0 || registered_.count(id) != 0;
    for (const auto& [heldId, held] : registered_)
        taken = taken || held == key;
    if (taken) {
        lastError_ = port::kErrHotkeyAlreadyRegistered;
    } else {
        registered_[id] = key;
    }
    calls.push_back(HotkeyCall{true, id, key, !taken});
    return !taken;
}

bool SimHotkeys::UnregisterHotKey(int id) {
    auto it = registered_.find(id);
    if (it == registered_.end()) {
        lastError_ = kErrHotkeyNotRegistered;
        calls.push_back(HotkeyCall{false, id, {}, false});
        return false;
    }
    calls.push_back(HotkeyCall{false, id, it->second, true});
    registered_.erase(it);
    return true;
}

void SimHotkeys::TakeByOther(std::uint32_t modifiers, std::uint32_t virtualKey) {
    takenByOthers_.insert(Hotkey{modifiers, virtualKey});
}

void SimHotkeys::ReleaseByOther(std::uint32_t modifiers, std::uint32_t virtualKey) {
    takenByOthers_.erase(Hotkey{modifiers, virtualKey});
}

bool SimHotkeys::PressHotkey(std::uint32_t modifiers, std::uint32_t virtualKey) {
    for (const auto& [id, key] : registered_) {
        if (key == Hotkey{modifiers, virtualKey}) {
            loop_.PostMessage(port::Message{window_, port::kWmHotkey, static_cast<std::uintptr_t>(id),
                                            static_cast<std::intptr_t>(modifiers | virtualKey << 16)});
            return true;
        }
    }
    return false;
}

bool SimHotkeys::Registered(int id, Hotkey& key) const {
    auto it = registered_.find(id);
    if (it == registered_.end()) return false;
    key = it->second;
    return true;
}

}  // namespace sim
