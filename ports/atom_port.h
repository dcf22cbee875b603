#pragma once
// The global atom table (single instance per user).
#include <cstdint>
#include <string>

namespace port {

using Atom = std::uint16_t;            // 0 = none
using InstanceMutex = std::uintptr_t;  // 0 = none

class AtomPort {
  public:
    virtual ~AtomPort() = default;
    virtual Atom GlobalFindAtom(const std::string& name) = 0;
    virtual Atom GlobalAddAtom(const std::string& name) = 0;
    virtual void GlobalDeleteAtom(Atom atom) = 0;
    // A named mutex marks a running instance: unlike an atom it dies with its process, and
    // creating it tells atomically whether another process holds one of that name
    // (alreadyExists). 0 when no mutex could be made at all.
    virtual InstanceMutex CreateInstanceMutex(const std::string& name, bool& alreadyExists) = 0;
    virtual void CloseInstanceMutex(InstanceMutex mutex) = 0;
};

}  // namespace port
