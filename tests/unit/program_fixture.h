#pragma once
// The program on a simulated machine, started the way a test needs it.
#include <gtest/gtest.h>
#include <cstdint>
#include <memory>
#include <vector>
#include "app/form1.h"
#include "app/program.h"
#include "sim/machine.h"

namespace program_test {

class ProgramTest : public ::testing::Test {
  protected:
    // Starts the program up to its main window. The command line stays as the machine has it
    // unless one is given.
    void Start(sim::Os os = sim::Os::Win98, const char* arguments = nullptr) {
        machine.SetOs(os);
        ASSERT_TRUE(Launch(arguments));
    }
    // A new program on the machine as it stands, after the running one ended. False when it
    // ended during start-up (a command-line start, a second instance).
    bool Launch(const char* arguments = nullptr) {
        if (arguments) machine.SetArguments(arguments);
        program.reset();
        form = nullptr;
        program = std::make_unique<app::Program>(platform);
        const bool started = program->Start();
        form = program->Form();
        return started;
    }
    // A key as the window gets it; false when a menu shortcut or the window took it.
    bool Press(ui::Key key, ui::ShiftState shift = ui::kShiftNone) { return form->PeerKeyDown(key, shift); }
    // The flags of every ExitWindowsEx call so far.
    std::vector<std::uint32_t> ExitFlags() const {
        std::vector<std::uint32_t> flags;
        for (const auto& call : machine.session.exitCalls)
            flags.push_back(call.flags);
        return flags;
    }

    sim::Machine machine;
    port::Platform platform = machine.Platform();
    std::unique_ptr<app::Program> program;
    app::TForm1* form = nullptr;
};

// Stored settings for a plain window: no opening animation, status bars unlocked.
class PlainWindowTest : public ProgramTest {
  protected:
    bool plain_ = [this] {
        machine.registry.SetDword(port::RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Controls",
                                  "WinAni", 0);
        machine.registry.SetDword(port::RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Objects",
                                  "LockedStatus", 0);
        return true;
    }();
};

}  // namespace program_test
