#pragma once
// A simulated machine with the program on it, and short ways to the per-user settings.
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include "app/form1.h"
#include "app/program.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace settings_test {

using port::RegRoot;

inline constexpr const char* kUser = "Software\\QAV\\Ravelin\\LocalUser";
inline constexpr const char* kProgram = "SOFTWARE\\QAV\\Ravelin";
inline constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kGlobal = "Software\\QAV\\Ravelin\\GlobalUser";

inline std::string Section(const std::string& section) {
    return std::string(kUser) + "\\" + section;
}

class SettingsTest : public program_test::ProgramTest {
  protected:
    // A new program on the same machine after the running one ended.
    void StartAgain() { ASSERT_TRUE(Launch()); }
    // Ends the program as its window does (saving the settings on the way).
    void Stop() {
        program.reset();
        form = nullptr;
    }

    // Stored settings are set up while the program does not run: ending it saves over them.
    void SetDword(const std::string& section, const std::string& name, std::uint32_t value) {
        Stop();
        machine.registry.SetDword(RegRoot::CurrentUser, Section(section), name, value);
    }
    void SetString(const std::string& section, const std::string& name, const std::string& value) {
        Stop();
        machine.registry.SetString(RegRoot::CurrentUser, Section(section), name, value);
    }
    std::optional<std::uint32_t> Dword(const std::string& section, const std::string& name) const {
        return machine.registry.Dword(RegRoot::CurrentUser, Section(section), name);
    }
    std::optional<std::string> String(const std::string& section, const std::string& name) const {
        return machine.registry.String(RegRoot::CurrentUser, Section(section), name);
    }
    // Values written (deleting a value that is not there changes nothing and is left out).
    int ValueWrites() const {
        int count = 0;
        for (const sim::RegCall& call : machine.registry.calls)
            count += call.kind == sim::RegCall::SetValue || call.kind == sim::RegCall::CreateKey;
        return count;
    }
    std::optional<std::string> Autostart() const {
        return machine.registry.String(RegRoot::CurrentUser, kRun, "Ravelin");
    }
};

}  // namespace settings_test
