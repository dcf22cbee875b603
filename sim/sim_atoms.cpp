#include "sim/sim_atoms.h"

#include "lib/text.h"

namespace sim {

port::Atom SimAtoms::IntegerAtom(const std::string& name) {
    if (name.size() < 2 || name[0] != '#') return 0;
    unsigned value = 0;
    for (size_t i = 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        value = value * 10 + static_cast<unsigned>(name[i] - '0');
        if (value >= 0xC000) return 0;
    }
    return static_cast<port::Atom>(value);
}

port::Atom SimAtoms::GlobalFindAtom(const std::string& name) {
    if (port::Atom atom = IntegerAtom(name)) return atom;
    for (const auto& [atom, entry] : atoms_) {
        if (lib::EqualsNoCase(entry.name, name)) return atom;
    }
    return 0;
}

port::Atom SimAtoms::GlobalAddAtom(const std::string& name) {
    if (port::Atom atom = IntegerAtom(name)) return atom;
    if (name.empty() || name.size() > 255) return 0;
    if (port::Atom atom = GlobalFindAtom(name)) {
        ++atoms_[atom].refs;
        return atom;
    }
    port::Atom atom = next_++;
    atoms_[atom] = Entry{name, 1};
    return atom;
}

port::InstanceMutex SimAtoms::CreateInstanceMutex(const std::string& name, bool& alreadyExists) {
    alreadyExists = false;
    if (mutexUnavailable) return 0;
    alreadyExists = MutexHeld(name);
    const port::InstanceMutex handle = nextMutex_++;
    mutexes_[handle] = name;
    return handle;
}

void SimAtoms::CloseInstanceMutex(port::InstanceMutex mutex) {
    mutexes_.erase(mutex);
}

bool SimAtoms::MutexHeld(const std::string& name) const {
    for (const auto& [handle, held] : mutexes_) {
        if (held == name) return true;
    }
    return false;
}

void SimAtoms::GlobalDeleteAtom(port::Atom atom) {
    ++deleteCalls;
    auto it = atoms_.find(atom);
    if (it == atoms_.end()) return;
    if (--it->second.refs == 0) atoms_.erase(it);
}

bool SimAtoms::Has(const std::string& name) const {
    return RefCount(name) > 0;
}

int SimAtoms::RefCount(const std::string& name) const {
    for (const auto& [atom, entry] : atoms_) {
        if (lib::EqualsNoCase(entry.name, name)) return entry.refs;
    }
    return 0;
}

}  // namespace sim
