#pragma once
// The global atom table: string atoms from 0xC000 up with reference counts, names compared
// without regard to case; "#123" names the integer atom 123, which has no count.
#include <cstdint>
#include <map>
#include <string>
#include "ports/atom_port.h"

namespace sim {

class SimAtoms : public port::AtomPort {
  public:
    port::Atom GlobalFindAtom(const std::string& name) override;
    port::Atom GlobalAddAtom(const std::string& name) override;
    void GlobalDeleteAtom(port::Atom atom) override;
    // Named mutexes of all simulated processes; a process that ends (its Program object goes)
    // closes its own.
    port::InstanceMutex CreateInstanceMutex(const std::string& name, bool& alreadyExists) override;
    void CloseInstanceMutex(port::InstanceMutex mutex) override;
    bool MutexHeld(const std::string& name) const;
    bool mutexUnavailable = false;  // CreateMutex fails outright

    // Test helpers.
    bool Has(const std::string& name) const;
    int RefCount(const std::string& name) const;  // 0 when absent
    std::size_t Count() const { return atoms_.size(); }
    int deleteCalls = 0;

  private:
    struct Entry {
        std::string name;  // as first added
        int refs = 0;
    };
    // The atom of "#n" names, 0 when the name is no integer atom.
    static port::Atom IntegerAtom(const std::string& name);
    std::map<port::Atom, Entry> atoms_;
    std::map<port::InstanceMutex, std::string> mutexes_;  // open handles and their names
    port::InstanceMutex nextMutex_ = 0x400;
    port::Atom next_ = 0xC000;
};

}  // namespace sim
