#pragma once
// Functions that older systems lack are bound at run time, so RVLN.EXE still loads where the
// import would be missing.
#include <windows.h>

namespace win32 {

template <typename Fn>
Fn LoadProc(const wchar_t* module, const char* name) {
    HMODULE dll = ::GetModuleHandleW(module);
    if (!dll) return nullptr;
    FARPROC proc = ::GetProcAddress(dll, name);
    // The detour through void* keeps -Wcast-function-type quiet; the signature is the caller's word.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}

}  // namespace win32
