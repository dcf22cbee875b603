#pragma once
// The program: from the command line to the end of the message loop.
#include <memory>
#include "ports/platform.h"

namespace shutdown {
class TForm3;
}

namespace app {

class TForm1;
struct ProgramState;

class Program {
  public:
    explicit Program(port::Platform& os);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The start-up steps up to the message loop; false when the program ended on the way
    // ("/T", a second instance of the user, or the command line).
    bool Start();
    // The message loop, then the main window's destruction.
    void Run();

    ProgramState& State() { return *state_; }
    TForm1* Form() { return form_.get(); }

  private:
    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<shutdown::TForm3> askForm_;
};

// Returns the process exit code.
int RunProgram(port::Platform& os);

}  // namespace app
