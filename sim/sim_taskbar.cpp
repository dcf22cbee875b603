#include "sim/sim_taskbar.h"

#include "lib/text.h"
#include "ports/shell_port.h"
#include "sim/sim_files.h"
#include "sim/sim_foreign_windows.h"
#include "sim/sim_loop.h"

namespace sim {

namespace {

constexpr std::uint32_t kNoItem = 0xFFFFFFFFu;
constexpr int kSwShowNoActivate = 4, kSwShowMinNoActive = 7, kSwShowNa = 8;

}  // namespace

SimTaskbar::SimTaskbar(SimForeignWindows& windows, const SimFiles& files, SimLoop& loop)
    : windows_(windows), files_(files), loop_(loop) {
    states_[windows.ApplicationWindow()].visible = true;
}

bool SimTaskbar::ShellNotifyIcon(std::uint32_t message, const port::NotifyIconData& data) {
    auto key = std::make_pair(data.window, data.id);
    auto it = trayIcons_.find(key);
    bool ok = true;
    if (failNextNotifies > 0) {
        --failNextNotifies;
        ok = false;
    } else if (message == port::kNimAdd) {
        ok = it == trayIcons_.end();
        if (ok) it = trayIcons_.emplace(key, port::NotifyIconData{data.window, data.id, 0, 0, 0, {}}).first;
    } else if (message == port::kNimModify || message == port::kNimDelete) {
        ok = it != trayIcons_.end();
    } else {
        ok = false;
    }
    if (ok && message == port::kNimDelete) {
        trayIcons_.erase(it);
    } else if (ok) {
        port::NotifyIconData& shown = it->second;
        shown.flags |= data.flags;
        if (data.flags & port::kNifMessage) shown.callbackMessage = data.callbackMessage;
        if (data.flags & port::kNifIcon) shown.icon = data.icon;
        if (data.flags & port::kNifTip) shown.tip = data.tip.substr(0, 63);
    }
    notifyCalls.push_back(NotifyCall{message, data, ok});
    return ok;
}

port::WindowId SimTaskbar::SetParent(port::WindowId child, port::WindowId newParent) {
    auto it = parents_.find(child);
    port::WindowId previous = it != parents_.end() && it->second != 0 ? it->second : DesktopWindow();
    parents_[child] = newParent == DesktopWindow() ? 0 : newParent;
    parentCalls.push_back(ParentCall{child, newParent, previous});
    return previous;
}

bool SimTaskbar::ShowWindow(port::WindowId window, int showCommand) {
    WindowState& state = states_[window];
    const bool wasVisible = state.visible;
    showCalls.push_back(ShowCall{window, showCommand, wasVisible, minimizeAnimation});
    switch (showCommand) {
        case port::kSwHide:
            state.visible = false;
            break;
        case port::kSwShowMinimized:
        case port::kSwMinimize:
        case kSwShowMinNoActive:
            state.visible = true;
            state.minimized = true;
            break;
        case port::kSwShow:
        case kSwShowNa:
            state.visible = true;
            break;
        case port::kSwShowNormal:
        case port::kSwMaximize:
        case kSwShowNoActivate:
        case port::kSwRestore:
        default:
            state.visible = true;
            state.minimized = false;
            break;
    }
    return wasVisible;
}

bool SimTaskbar::IsWindowVisible(port::WindowId window) {
    auto it = states_.find(window);
    return it != states_.end() && it->second.visible;
}

bool SimTaskbar::LockWindowUpdate(port::WindowId window) {
    lockCalls.push_back(window);
    if (window == 0) {
        locked_ = 0;
        return true;
    }
    if (locked_ != 0) return false;
    locked_ = window;
    return true;
}

port::WindowId SimTaskbar::DesktopWindow() {
    return windows_.DesktopWindow();
}

void SimTaskbar::SetMinimizeAnimation(bool on) {
    minimizeAnimation = on;
    animationSets.push_back(on);
}

std::vector<MenuEntry> SimTaskbar::DefaultSystemMenu() {
    return {{port::kScRestore, "&Restore"},   {kScMove, "&Move"},         {kScSize, "&Size"},
            {port::kScMinimize, "Mi&nimize"}, {kScMaximize, "Ma&ximize"}, {0, {}, true},
            {kScClose, "&Close\tAlt+F4"}};
}

port::MenuId SimTaskbar::GetSystemMenu(port::WindowId window, bool revert) {
    auto it = systemMenuIds_.find(window);
    if (it == systemMenuIds_.end()) {
        it = systemMenuIds_.emplace(window, nextMenu_++).first;
        menus_[it->second] = DefaultSystemMenu();
    }
    if (revert) {
        ++systemMenuReverts;
        menus_[it->second] = DefaultSystemMenu();
        return 0;
    }
    return it->second;
}

int SimTaskbar::Index(const std::vector<MenuEntry>& menu, std::uint32_t position, std::uint32_t flags) {
    if (flags & port::kMfByPosition) return position < menu.size() ? static_cast<int>(position) : -1;
    for (size_t i = 0; i < menu.size(); ++i) {
        if (!menu[i].separator && menu[i].id == position) return static_cast<int>(i);
    }
    return -1;
}

bool SimTaskbar::InsertMenu(port::MenuId menu, std::uint32_t position, std::uint32_t flags, std::uint32_t id,
                            const std::string& text) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return false;
    std::vector<MenuEntry>& entries = it->second;
    int index = Index(entries, position, flags);
    if (index < 0) {
        // By position, an index past the end appends; by command, an unknown item fails.
        if (!(flags & port::kMfByPosition)) return false;
        index = static_cast<int>(entries.size());
    }
    MenuEntry entry{id, text, (flags & port::kMfSeparator) != 0, (flags & port::kMfChecked) != 0};
    if (entry.separator) entry.text.clear();
    entries.insert(entries.begin() + index, entry);
    return true;
}

bool SimTaskbar::DeleteMenu(port::MenuId menu, std::uint32_t position, std::uint32_t flags) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return false;
    int index = Index(it->second, position, flags);
    if (index < 0) return false;
    it->second.erase(it->second.begin() + index);
    return true;
}

std::uint32_t SimTaskbar::CheckMenuItem(port::MenuId menu, std::uint32_t id, std::uint32_t flags) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return kNoItem;
    int index = Index(it->second, id, flags);
    if (index < 0) return kNoItem;
    MenuEntry& entry = it->second[index];
    std::uint32_t previous = entry.checked ? port::kMfChecked : port::kMfUnchecked;
    entry.checked = (flags & port::kMfChecked) != 0;
    return previous;
}

port::IconId SimTaskbar::LoadIconFile(const std::string& path) {
    loadedIconFiles.push_back(path);
    std::string upper = lib::AsciiUpper(path);
    if (upper.size() < 4 || upper.compare(upper.size() - 4, 4, ".ICO") != 0 || !files_.FileBytes(path))
        return 0;
    return NewIcon();
}

port::IconId SimTaskbar::NewIcon() {
    port::IconId icon = nextIcon_++;
    liveIcons_.insert(icon);
    return icon;
}

port::IconId SimTaskbar::CopyIcon(port::IconId icon) {
    if (icon == 0 || (icon != kApplicationIcon && !liveIcons_.count(icon))) return 0;
    return NewIcon();
}

port::IconId SimTaskbar::LoadIconResource(const std::string& name) {
    return iconResources.count(name) ? NewIcon() : 0;
}

port::WindowId SimTaskbar::CreateTrayWindow(port::TrayWindowProc proc) {
    port::WindowId window = nextTrayWindow_++;
    trayWindows_[window] = std::move(proc);
    return window;
}

void SimTaskbar::DestroyTrayWindow(port::WindowId window) {
    trayWindows_.erase(window);
}

std::intptr_t SimTaskbar::SendTrayMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                                          std::intptr_t lparam) {
    auto it = trayWindows_.find(window);
    if (it == trayWindows_.end()) return 0;
    // A copy: the window may go away while it handles the message.
    port::TrayWindowProc proc = it->second;
    bool handled = false;
    std::intptr_t result = proc(msg, wparam, lparam, handled);
    return handled ? result : 0;
}

bool SimTaskbar::PostTrayMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                                 std::intptr_t lparam) {
    if (!trayWindows_.count(window)) return false;
    loop_.Post([this, window, msg, wparam, lparam] { SendTrayMessage(window, msg, wparam, lparam); });
    return true;
}

std::uint32_t SimTaskbar::RegisterMessage(const std::string& name) {
    // Registered messages live in 0xC000..0xFFFF, one number per name for the whole session.
    auto [it, added] = registeredMessages_.emplace(lib::AsciiLower(name), 0);
    if (added) it->second = 0xC000 + static_cast<std::uint32_t>(registeredMessages_.size()) - 1;
    return it->second;
}

port::WindowId SimTaskbar::ParkingWindow() {
    if (parking_ == 0 && !parkingClassFails) parking_ = windows_.AddWindow("TXKApplication");
    return parking_;
}

bool SimTaskbar::SendIconMouse(port::WindowId window, std::uint32_t id, std::uint32_t mouseMessage) {
    const port::NotifyIconData* icon = TrayIcon(window, id);
    if (!icon || !(icon->flags & port::kNifMessage)) return false;
    SendTrayMessage(window, icon->callbackMessage, id, static_cast<std::intptr_t>(mouseMessage));
    return true;
}

void SimTaskbar::RestartShell() {
    trayIcons_.clear();
    const std::uint32_t created = RegisterMessage("TaskbarCreated");
    BroadcastToTrayWindows(created, 0, 0);
}

void SimTaskbar::BroadcastToTrayWindows(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam) {
    std::vector<port::WindowId> windows;
    for (const auto& [window, proc] : trayWindows_)
        windows.push_back(window);
    for (port::WindowId window : windows)
        SendTrayMessage(window, msg, wparam, lparam);
}

void SimTaskbar::DestroyIcon(port::IconId icon) {
    if (liveIcons_.erase(icon) == 0) ++badIconDestroys;
}

bool SimTaskbar::TrayIconPresent(port::WindowId window, std::uint32_t id) const {
    return trayIcons_.count({window, id}) != 0;
}

const port::NotifyIconData* SimTaskbar::TrayIcon(port::WindowId window, std::uint32_t id) const {
    auto it = trayIcons_.find({window, id});
    return it == trayIcons_.end() ? nullptr : &it->second;
}

void SimTaskbar::SetVisible(port::WindowId window, bool visible) {
    states_[window].visible = visible;
}

bool SimTaskbar::IsMinimized(port::WindowId window) const {
    auto it = states_.find(window);
    return it != states_.end() && it->second.minimized;
}

port::WindowId SimTaskbar::Parent(port::WindowId window) const {
    auto it = parents_.find(window);
    return it == parents_.end() ? 0 : it->second;
}

std::vector<MenuEntry> SimTaskbar::SystemMenu(port::WindowId window) const {
    auto it = systemMenuIds_.find(window);
    return it == systemMenuIds_.end() ? DefaultSystemMenu() : menus_.at(it->second);
}

}  // namespace sim
