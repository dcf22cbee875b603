#include "sim/sim_foreign_windows.h"

#include <algorithm>
#include "sim/sim_loop.h"

namespace sim {

SimForeignWindows::SimForeignWindows(SimLoop& loop) : loop_(loop) {
    application_ = AddWindow("TApplication");
    foreground_ = application_;
}

bool SimForeignWindows::SetForegroundWindow(port::WindowId window) {
    foregroundCalls.push_back(window);
    if (foregroundLocked) return false;
    if (window == desktop_) {
        foreground_ = desktop_;
        return true;
    }
    if (!Alive(window)) {
        lastError_ = kErrInvalidWindowHandle;
        return false;
    }
    zOrder_.erase(std::find(zOrder_.begin(), zOrder_.end(), window));
    zOrder_.insert(zOrder_.begin(), window);
    foreground_ = window;
    return true;
}

port::WindowId SimForeignWindows::NextWindow(port::WindowId window) {
    auto it = std::find(zOrder_.begin(), zOrder_.end(), window);
    if (it == zOrder_.end()) {
        lastError_ = kErrInvalidWindowHandle;
        return 0;
    }
    ++it;
    return it == zOrder_.end() ? 0 : *it;
}

std::string SimForeignWindows::ClassName(port::WindowId window, int maxChars) {
    auto it = windows_.find(window);
    if (it == windows_.end() || maxChars <= 0) {
        lastError_ = kErrInvalidWindowHandle;
        return {};
    }
    // The buffer holds maxChars characters including the terminating NUL.
    return it->second.className.substr(0, static_cast<size_t>(maxChars - 1));
}

bool SimForeignWindows::PostMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                                    std::intptr_t lparam) {
    auto it = windows_.find(window);
    PostedMessage record{window,
                         it != windows_.end() ? it->second.className : std::string(),
                         msg,
                         wparam,
                         lparam,
                         loop_.NowMs(),
                         it != windows_.end()};
    posted.push_back(record);
    if (it == windows_.end()) {
        lastError_ = kErrInvalidWindowHandle;
        return false;
    }
    if (window == application_) {
        loop_.PostMessage(port::Message{window, msg, wparam, lparam});
        return true;
    }
    auto close = it->second.closeAfter.find(msg);
    if (close != it->second.closeAfter.end() && close->second > 0 && --close->second == 0) Close(window);
    return true;
}

port::WindowId SimForeignWindows::AddWindow(const std::string& className, bool onTop) {
    port::WindowId id = next_;
    next_ += 4;
    windows_[id] = Window{className, {}};
    if (onTop) {
        zOrder_.insert(zOrder_.begin(), id);
    } else {
        zOrder_.push_back(id);
    }
    return id;
}

void SimForeignWindows::CloseAfter(port::WindowId window, std::uint32_t msg, int posts) {
    auto it = windows_.find(window);
    if (it != windows_.end()) it->second.closeAfter[msg] = posts;
}

void SimForeignWindows::Close(port::WindowId window) {
    windows_.erase(window);
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
    if (foreground_ == window) foreground_ = zOrder_.empty() ? desktop_ : zOrder_.front();
}

bool SimForeignWindows::Alive(port::WindowId window) const {
    return windows_.count(window) != 0;
}

std::vector<PostedMessage> SimForeignWindows::PostedTo(port::WindowId window) const {
    std::vector<PostedMessage> out;
    for (const PostedMessage& m : posted) {
        if (m.window == window) out.push_back(m);
    }
    return out;
}

}  // namespace sim
