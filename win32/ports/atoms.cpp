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

}  // namespace win32
