#pragma once
// The program on a simulated machine whose stored settings give a plain window: no opening
// animation, status bars unlocked.
#include <gtest/gtest.h>
#include <memory>
#include "app/form1.h"
#include "app/program.h"
#include "sim/machine.h"

namespace program_test {

class ProgramTest : public ::testing::Test {
  protected:
    void Start(sim::Os os = sim::Os::Win98, const char* arguments = "") {
        machine.SetOs(os);
        machine.SetArguments(arguments);
        program = std::make_unique<app::Program>(platform);
        ASSERT_TRUE(program->Start());
        form = program->Form();
    }
    // A key as the window gets it; false when a menu shortcut or the window took it.
    bool Press(ui::Key key, ui::ShiftState shift = ui::kShiftNone) { return form->PeerKeyDown(key, shift); }

    sim::Machine machine;
    port::Platform platform = machine.Platform();
    bool plain_ = [this] {
        machine.registry.SetDword(port::RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Controls",
                                  "WinAni", 0);
        machine.registry.SetDword(port::RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Objects",
                                  "LockedStatus", 0);
        return true;
    }();
    std::unique_ptr<app::Program> program;
    app::TForm1* form = nullptr;
};

}  // namespace program_test
