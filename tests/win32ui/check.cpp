#include "tests/win32ui/check.h"

#include <cstdio>

namespace check {

namespace {
int passed = 0;
int failed = 0;
}  // namespace

void Record(bool ok, const std::string& what, const std::string& detail) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAILED: %s%s%s\n", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
}

int Passed() {
    return passed;
}

int Failed() {
    return failed;
}

}  // namespace check
