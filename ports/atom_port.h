#pragma once
// The global atom table (single instance per user).
#include <cstdint>
#include <string>

namespace port {

using Atom = std::uint16_t;  // 0 = none

class AtomPort {
  public:
    virtual ~AtomPort() = default;
    virtual Atom GlobalFindAtom(const std::string& name) = 0;
    virtual Atom GlobalAddAtom(const std::string& name) = 0;
    virtual void GlobalDeleteAtom(Atom atom) = 0;
};

}  // namespace port
