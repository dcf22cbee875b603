#include "args.h"

#include <algorithm>
#include <array>

#include "text.h"

namespace {

// Switches that take no value; every other "--word" takes the next argument.
constexpr std::array<std::wstring_view, 11> kFlags = {L"--visible", L"--ctrl",   L"--shift", L"--alt",
                                                      L"--post",    L"--mouse",  L"--real",  L"--right",
                                                      L"--double",  L"--hidden", L"--idle"};

}  // namespace

Args::Args(int argc, wchar_t** argv, int first) {
    for (int i = first; i < argc; ++i) {
        std::wstring word = argv[i];
        if (word.size() > 2 && word.starts_with(L"--")) {
            if (std::find(kFlags.begin(), kFlags.end(), word) != kFlags.end()) {
                flags_.push_back(word);
            } else if (i + 1 < argc) {
                options_.emplace_back(word, argv[++i]);
            } else {
                error_ = L"option " + word + L" needs a value";
            }
        } else {
            positional_.push_back(word);
        }
    }
}

std::optional<std::wstring> Args::Option(std::wstring_view name) const {
    for (const auto& [key, value] : options_) {
        if (key == name) return value;
    }
    return std::nullopt;
}

std::optional<long long> Args::Number(std::wstring_view name) const {
    auto value = Option(name);
    return value ? ParseNumber(*value) : std::nullopt;
}

bool Args::Flag(std::wstring_view name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

int Args::TimeoutMs(int fallback) const {
    auto value = Number(L"--timeout");
    return value && *value >= 0 ? static_cast<int>(*value) : fallback;
}

std::optional<HWND> Args::Window(size_t i) const {
    if (i >= positional_.size()) return std::nullopt;
    auto value = ParseNumber(positional_[i]);
    if (!value) return std::nullopt;
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(*value));
}
