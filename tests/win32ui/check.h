#pragma once
// The smallest check runner: a failing check prints one line, the program ends with
// "N passed, N failed".
#include <sstream>
#include <type_traits>
#include <string>

namespace check {

void Record(bool ok, const std::string& what, const std::string& detail = {});
int Passed();
int Failed();

template <typename T>
std::string Show(const T& value) {
    std::ostringstream out;
    if constexpr (std::is_same_v<T, std::string>) {
        out << '"' << value << '"';
    } else if constexpr (std::is_same_v<T, bool>) {
        out << (value ? "true" : "false");
    } else {
        out << value;
    }
    return out.str();
}

template <typename A, typename B>
void Equal(const A& actual, const B& expected, const std::string& what) {
    bool ok = actual == expected;
    Record(ok, what, ok ? std::string() : "got " + Show(actual) + ", expected " + Show(expected));
}

}  // namespace check
