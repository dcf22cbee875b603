#include "win32/ports/atoms.h"

#include "win32/text.h"

namespace win32 {

port::Atom Win32Atoms::GlobalFindAtom(const std::string& name) {
    return ::GlobalFindAtomW(Widen(name).c_str());
}

port::Atom Win32Atoms::GlobalAddAtom(const std::string& name) {
    return ::GlobalAddAtomW(Widen(name).c_str());
}

void Win32Atoms::GlobalDeleteAtom(port::Atom atom) {
    ::GlobalDeleteAtom(atom);
}

port::InstanceMutex Win32Atoms::CreateInstanceMutex(const std::string& name, bool& alreadyExists) {
    // Mutex names may not hold a backslash (it would name a namespace); user names have none,
    // but a name that does must not fail the start.
    std::wstring wide = Widen(name);
    for (wchar_t& c : wide) {
        if (c == L'\\') c = L'_';
    }
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, wide.c_str());
    alreadyExists = mutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS;
    return reinterpret_cast<port::InstanceMutex>(mutex);
}

void Win32Atoms::CloseInstanceMutex(port::InstanceMutex mutex) {
    if (mutex != 0) ::CloseHandle(reinterpret_cast<HANDLE>(mutex));
}

}  // namespace win32
