#pragma once
// The groups of checks; each runs on the shown demo form.
#include "tests/win32ui/demo.h"
#include "ui/application.h"
#include "win32/ui/backend.h"

namespace checks {

struct Context {
    demo::MainForm& main;
    demo::ModalForm& modal;
    win32::Win32Backend& backend;
    win32::Win32Loop& loop;
    ui::Application& app;
};

// The native windows follow the model.
void Windows(Context& c);
void Lists(Context& c);
// The check list, pictures, and the edit's selection and click, on a form of their own.
void ListsAndPictures(Context& c);
// A page whose windows are made when it first shows, with the state the model got meanwhile.
void PagesOnFirstShow(Context& c);
void Hints(Context& c);
void Menus(Context& c);
void FormBehaviour(Context& c);
// The user's input reaches the model with VCL's event rules.
void Input(Context& c);
void Keyboard(Context& c);
// The loop: hook, timers, posted calls, calls from workers, modal runs, termination.
void Loop(Context& c);
void Modal(Context& c);
void Termination(Context& c);
// The tray icon component in the shell's taskbar; the icon stays until TrayIconGone.
void TrayIcon(Context& c);
void TrayIconGone(Context& c);

}  // namespace checks
