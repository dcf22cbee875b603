#include "lib/registry_values.h"

namespace lib {

port::RegValue DwordValue(std::uint32_t v) {
    port::RegValue value;
    value.type = port::kRegDword;
    value.data = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    return value;
}

port::RegValue StringValue(std::string_view text) {
    port::RegValue value;
    value.type = port::kRegSz;
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
    return value;
}

}  // namespace lib
