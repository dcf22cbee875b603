#pragma once
// The shutdown engine: turns one method code into the end of the Windows session.
#include <cstdint>
#include <string>

namespace app {
struct ProgramState;
class TForm1;
}  // namespace app

namespace shutdown {

struct EngineState {
    int currentLogCode = -1;
    int triggerKind = -1;
    std::string commandLineMethodName;
    int pendingAskChoice = -1;
    std::uint8_t askResult = 2;
    bool commandLineRun = false;
    bool resumedFromSuspend = false;
};

class Engine {
  public:
    explicit Engine(app::ProgramState& program) : program_(program) {}

    EngineState state;

    // A method from the window session; -1 does nothing.
    void ExecuteAction(int code);
    // ExecuteAction, then the method chosen in the ask dialog when it was code 22 and confirmed.
    void ExecuteActionWithChoice(int code);
    // Command-line method 0..8; false when the program goes on (a /SAFE question was declined,
    // or the method does not exist on this system).
    bool ExecuteCommandLineMethod(std::uint8_t method);
    // Writes the log entry and asks Windows to end the session with the flags of the code.
    bool EndSession(std::uint8_t code);

    bool EnableShutdownPrivilege();
    bool PowerOffApm();
    void HideForShutdown();
    // MS-DOS mode on Windows 95/98, a command window on NT.
    void StartDosMode();
    // Restart of Windows 95/98: keeps DOSSTART.BAT aside and asks to be started again.
    void PrepareRestart();
    void StartExitPif();
    // The second half of the restart, run by "/DOSSTART".
    void RestoreDosStart();
    void RelaunchSelf();
    void ProgramEnd(bool release);

    // The text of the failure box after a refused request.
    static std::string NotAbleText(std::uint8_t code);

  private:
    void SaveStep();
    void RunWatchdogTasks(int code, int& localState);
    bool EndSession9x(std::uint8_t code);
    bool EndSessionNt(std::uint8_t code);
    void ReportNotAble(std::uint8_t code);
    app::TForm1* Form();

    app::ProgramState& program_;
};

}  // namespace shutdown
