#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words after the subcommand: options "--name value", flags "--name", and positional values.
class Args {
  public:
    Args(int argc, wchar_t** argv, int first);

    const std::vector<std::wstring>& Positional() const { return positional_; }
    std::optional<std::wstring> Option(std::wstring_view name) const;
    std::optional<long long> Number(std::wstring_view name) const;
    bool Flag(std::wstring_view name) const;
    int TimeoutMs(int fallback) const;
    // Positional i read as a window handle; nullopt when missing or not a number.
    std::optional<HWND> Window(size_t i) const;
    bool Valid() const { return error_.empty(); }
    const std::wstring& Error() const { return error_; }

  private:
    std::vector<std::wstring> positional_;
    std::vector<std::pair<std::wstring, std::wstring>> options_;
    std::vector<std::wstring> flags_;
    std::wstring error_;
};
