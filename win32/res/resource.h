#pragma once
// Resource ids shared by rvln.rc and the code. Plain #defines: the resource compiler reads this too.

// The application icon (32 x 32 and 16 x 16). Lowest id, so the shell shows it for RVLN.EXE.
#define IDI_MAIN 1

// Toolbar pictures for the 32 x 32 buttons: 24 x 24, 8 bits, on button-face grey (192, 192, 192);
// load with LR_LOADMAP3DCOLORS to follow the user's colours.
#define IDB_SETTINGS 101
#define IDB_TRAY 102
#define IDB_INFO 103

// The main button's picture, 180 x 28, one bitmap per state, same background rule.
#define IDB_MAIN_NORMAL 111
#define IDB_MAIN_DISABLED 112
#define IDB_MAIN_PRESSED 113

// The device page's medium LED, 15 x 15, red (no medium) and green (medium), same background rule.
#define IDB_LED_RED 121
#define IDB_LED_GREEN 122

// The rows of the "Empty Directories" list, 16 x 16, a folder with content and an empty one,
// on the list's silver.
#define IDB_FOLDER_FULL 131
#define IDB_FOLDER_EMPTY 132

// The drive list of "Choose Directory:" and the device list, 16 x 16 by drive type, on
// button-face grey, which is drawn through a mask (the list's background shows there). The
// device list also shows removable drives other than A: and tapes.
#define IDB_DRIVE_FLOPPY 141
#define IDB_DRIVE_FIXED 142
#define IDB_DRIVE_CDROM 143
#define IDB_DRIVE_NETWORK 144
#define IDB_DRIVE_RAM 145
#define IDB_DRIVE_REMOVABLE 146
#define IDB_DRIVE_TAPE 147
