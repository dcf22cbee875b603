#pragma once
// The Windows 95/98 start-up and shutdown switches of the "S&ystem" tab and its Control Panel
// copy. Every switch acts on the system when it changes: MSDOS.SYS, the splash-screen files of
// the Windows folder, or the FastReboot value of Windows 98.
#include "app/os_kind.h"
#include "ports/platform.h"
#include "ui/controls.h"

namespace sysopts {

// The controls and state the switches work on.
struct SystemOptionsView {
    port::Platform& os;
    app::OsKind kind;
    ui::CheckBox& CheckBox7;   // start-up logo
    ui::CheckBox& CheckBox8;   // first shutdown logo
    ui::CheckBox& CheckBox9;   // second shutdown logo
    ui::CheckBox& CheckBox26;  // AutoScan
    ui::CheckBox& CheckBox27;  // FastReboot
    ui::CheckBox& CheckBox15;  // "&private"
    ui::Edit& Edit3;
    ui::Button& Button6;
    ui::Button& Button7;
    ui::StatusBar& StatusBar1;  // panels 4 to 6 name the logos that still show
    const bool& loadingSettings;
};

// Wires the switches and buttons to their handlers.
void BindSystemOptions(const SystemOptionsView& view);

// Puts the system in line with the switches as they stand (before the settings load: all
// cleared); a file or value is written only where it differs. Reports nothing missing.
void ApplySystemOptions(const SystemOptionsView& view);

void CheckBox7Click(const SystemOptionsView& view);
void CheckBox8Click(const SystemOptionsView& view);
void CheckBox9Click(const SystemOptionsView& view);
void CheckBox26Click(const SystemOptionsView& view);
void CheckBox27Click(const SystemOptionsView& view);
void Button6Click(const SystemOptionsView& view);
void Button7Click(const SystemOptionsView& view);

// Windows 98's FastReboot: "0" when disabled, else "1" (a missing value, which means "1", stays
// missing). The value found before the first change is kept once as "original_FastReboot".
void SetFastReboot(port::Platform& os, bool disable);

}  // namespace sysopts
