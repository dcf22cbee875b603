#pragma once
// The full path of a loaded module, however long.
#include <windows.h>

#include <string>

namespace win32 {

// Empty when Windows cannot tell.
std::wstring ModuleFileName(HMODULE module);

}  // namespace win32
