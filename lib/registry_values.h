#pragma once
// Registry values as RegSetValueExA stores them.
#include <cstdint>
#include <string_view>
#include "ports/registry_port.h"

namespace lib {

port::RegValue DwordValue(std::uint32_t v);
// Stored with its terminating NUL, as RegSetValueExA stores a string of strlen + 1 bytes.
port::RegValue StringValue(std::string_view text);

}  // namespace lib
