#pragma once
// File-name patterns as FindFirstFile reads them.
#include <string_view>

namespace sim {

// Case-insensitive match of a name against a pattern with "*" and "?". As on Windows, "*.*"
// matches every name, a pattern ending in ".*" also matches the name without an extension,
// a pattern ending in "." matches only names without one, and "?" may match nothing at the end
// of the name or before its dot.
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace sim
