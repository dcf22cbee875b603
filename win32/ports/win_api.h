#pragma once
// The Windows headers as the adapters see them: without the A/W macros that carry the names of
// port methods (GetDriveType, MessageBox, DeleteFile, ShellExecute, ...). With those macros
// alive, a file that reads <windows.h> before a port header declares GetDriveTypeW where the
// core calls GetDriveType. Include this before any port header; call the W functions by their
// full names.
#include <windows.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <winnetwk.h>

// AtomPort
#undef GlobalAddAtom
#undef GlobalFindAtom
// DevicePort
#undef GetDriveType
#undef GetVolumeInformation
#undef WNetGetConnection
// DialogPort
#undef MessageBox
// EventLogPort
#undef ReportEvent
// FeedbackPort
#undef WinHelp
// FilePort
#undef CopyFile
#undef CreateDirectory
#undef DeleteFile
#undef GetCurrentDirectory
#undef GetDiskFreeSpace
#undef GetFileAttributes
#undef MoveFile
#undef MoveFileEx
#undef RemoveDirectory
#undef SetCurrentDirectory
#undef SetFileAttributes
// ForeignWindowsPort
#undef PostMessage
// ShellPort
#undef ShellExecute
// SystemInfoPort
#undef GetTempPath
#undef GetUserName
#undef GetVersionEx
#undef GetWindowsDirectory
// TaskbarPort
#undef InsertMenu
