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
    port::Atom next_ = 0xC000;
};

}  // namespace sim
