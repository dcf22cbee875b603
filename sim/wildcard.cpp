#include "sim/wildcard.h"

#include <cctype>

namespace sim {

namespace {

bool SameChar(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

bool Glob(std::string_view p, std::string_view n) {
    if (p.empty()) return n.empty();
    if (p[0] == '*') {
        for (size_t skip = 0; skip <= n.size(); ++skip) {
            if (Glob(p.substr(1), n.substr(skip))) return true;
        }
        return false;
    }
    if (p[0] == '?') {
        if (n.empty() || n[0] == '.') {
            if (Glob(p.substr(1), n)) return true;
        }
        return !n.empty() && Glob(p.substr(1), n.substr(1));
    }
    return !n.empty() && SameChar(p[0], n[0]) && Glob(p.substr(1), n.substr(1));
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    if (pattern == "*" || pattern == "*.*") return true;
    // The directory entries "." and ".." count as names without an extension.
    if (name == "." || name == "..") return pattern == "*." || Glob(pattern, name);
    const bool hasDot = name.find('.') != std::string_view::npos;
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" && !hasDot &&
        Glob(pattern.substr(0, pattern.size() - 2), name)) {
        return true;
    }
    if (pattern.size() >= 2 && pattern.back() == '.' && pattern != "..") {
        return !hasDot && Glob(pattern.substr(0, pattern.size() - 1), name);
    }
    return Glob(pattern, name);
}

}  // namespace sim
