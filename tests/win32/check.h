#pragma once
// A minimal check runner: groups register themselves, every failing check prints one line, and
// the program ends with "N passed, N failed".
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace check {

using GroupFn = void (*)();

struct Group {
    const char* name;
    GroupFn run;
};

std::vector<Group>& Groups();

struct Registrar {
    Registrar(const char* name, GroupFn run) { Groups().push_back({name, run}); }
};

void Record(bool ok, const char* file, int line, std::string_view what, const std::string& detail = {});

std::string Show(std::string_view text);
std::string Show(std::wstring_view text);
inline std::string Show(const std::string& text) {
    return Show(std::string_view(text));
}
inline std::string Show(const char* text) {
    return Show(std::string_view(text));
}
inline std::string Show(const std::wstring& text) {
    return Show(std::wstring_view(text));
}
inline std::string Show(const wchar_t* text) {
    return Show(std::wstring_view(text));
}
std::string Show(const std::vector<std::string>& list);
std::string Show(const std::vector<std::uint8_t>& bytes);

template <typename T>
std::string Show(const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        return value ? "true" : "false";
    } else if constexpr (std::is_enum_v<T>) {
        return std::to_string(static_cast<long long>(value));
    } else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>) {
        return std::to_string(static_cast<long long>(value));
    } else if constexpr (std::is_integral_v<T>) {
        return std::to_string(static_cast<unsigned long long>(value));
    } else {
        return "(value)";
    }
}

template <typename A, typename B>
void RecordEqual(const A& actual, const B& expected, const char* file, int line, std::string_view what) {
    bool ok = actual == expected;
    Record(ok, file, line, what, ok ? std::string() : "got " + Show(actual) + ", expected " + Show(expected));
}

}  // namespace check

#define CHECK_GROUP(name)                                                \
    static void name##_Group();                                          \
    static const check::Registrar name##_registrar(#name, name##_Group); \
    static void name##_Group()

#define CHECK(cond) check::Record(static_cast<bool>(cond), __FILE__, __LINE__, #cond)
#define CHECK_EQ(actual, expected) \
    check::RecordEqual((actual), (expected), __FILE__, __LINE__, #actual " == " #expected)
