#pragma once
// Everything the core reaches of the operating system, handed to it as one bundle.
#include "ports/atom_port.h"
#include "ports/device_port.h"
#include "ports/dialog_port.h"
#include "ports/event_log_port.h"
#include "ports/feedback_port.h"
#include "ports/file_port.h"
#include "ports/foreign_windows_port.h"
#include "ports/hotkey_port.h"
#include "ports/loop_port.h"
#include "ports/registry_port.h"
#include "ports/session_port.h"
#include "ports/shell_port.h"
#include "ports/system_info_port.h"
#include "ports/taskbar_port.h"

namespace ui {
class Backend;
}

namespace port {

struct Platform {
    SessionPort& session;
    ForeignWindowsPort& windows;
    ShellPort& shell;
    SystemInfoPort& system;
    AtomPort& atoms;
    RegistryPort& registry;
    EventLogPort& eventLog;
    HotkeyPort& hotkeys;
    TaskbarPort& taskbar;
    DevicePort& devices;
    FilePort& files;
    FeedbackPort& feedback;
    LoopPort& loop;
    DialogPort& dialogs;
    ui::Backend& ui;
};

}  // namespace port
