#pragma once
#include "win32/ports/win_api.h"

#include <string>

#include "ports/atom_port.h"

namespace win32 {

class Win32Atoms final : public port::AtomPort {
  public:
    port::Atom GlobalFindAtom(const std::string& name) override;
    port::Atom GlobalAddAtom(const std::string& name) override;
    void GlobalDeleteAtom(port::Atom atom) override;
    port::InstanceMutex CreateInstanceMutex(const std::string& name, bool& alreadyExists) override;
    void CloseInstanceMutex(port::InstanceMutex mutex) override;
};

}  // namespace win32
