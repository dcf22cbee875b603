#pragma once
// The calls into system libraries that only some commands need. Each library is loaded, from the
// system folder, the first time one of its calls is made rather than with the program: loading
// them all is a good part of the start-up time, and most starts use none of them. Should a
// library or call be missing, the call fails as the system's call fails: FALSE, 0, E_FAIL,
// SE_ERR_DLLNOTFOUND, ERROR_NO_NETWORK or MCIERR_CANNOT_LOAD_DRIVER.
#include <windows.h>

#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>
#include <winnetwk.h>

namespace win32::on_demand {

// comdlg32.dll
BOOL GetOpenFileNameW(OPENFILENAMEW* dialog);
// mpr.dll
DWORD WNetGetConnectionW(LPCWSTR localName, LPWSTR remoteName, LPDWORD length);
// shell32.dll
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                        INT showCommand);
BOOL Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data);
DWORD_PTR SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags);
HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);
// winmm.dll
MCIERROR mciSendCommandW(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params);
BOOL mciGetErrorStringW(MCIERROR error, LPWSTR text, UINT length);

}  // namespace win32::on_demand
