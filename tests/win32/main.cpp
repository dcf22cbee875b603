// adapter_tests: the Win32 port adapters against the real API (Wine in the test runs).
// Arguments name the groups to run; none runs them all.
#include "win32/ports/win_api.h"

#include <cstdio>
#include <cstring>

#include "tests/win32/check.h"
#include "win32/text.h"

namespace check {

namespace {
int passed = 0;
int failed = 0;
const char* currentGroup = "";
}  // namespace

std::vector<Group>& Groups() {
    static std::vector<Group> groups;
    return groups;
}

void Record(bool ok, const char* file, int line, std::string_view what, const std::string& detail) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    const char* base = std::strrchr(file, '/');
    std::printf("FAIL [%s] %s:%d: %.*s%s%s\n", currentGroup, base ? base + 1 : file, line,
                static_cast<int>(what.size()), what.data(), detail.empty() ? "" : " -- ", detail.c_str());
    std::fflush(stdout);
}

std::string Show(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof(hex), "\\x%02X", c);
            out += hex;
        }
    }
    return out + "\"";
}

std::string Show(std::wstring_view text) {
    return "L" + Show(win32::Narrow(text));
}

std::string Show(const std::vector<std::string>& list) {
    std::string out = "{";
    for (size_t i = 0; i < list.size(); ++i)
        out += (i ? ", " : "") + Show(list[i]);
    return out + "}";
}

std::string Show(const std::vector<std::uint8_t>& bytes) {
    std::string out = std::to_string(bytes.size()) + " bytes";
    if (bytes.size() <= 64)
        out += " " + Show(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return out;
}

}  // namespace check

int wmain(int argc, wchar_t** argv) {
    int groupsRun = 0;
    for (const check::Group& group : check::Groups()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i)
            if (win32::Narrow(argv[i]) == group.name) wanted = true;
        if (!wanted) continue;
        check::currentGroup = group.name;
        group.run();
        ++groupsRun;
    }
    if (groupsRun == 0) check::Record(false, __FILE__, __LINE__, "a group named on the command line exists");
    std::printf("%d passed, %d failed\n", check::passed, check::failed);
    return check::failed == 0 ? 0 : 1;
}
