// Power-off through APM on Windows 95/98, learning which of three ways works on this machine.
#include "app/form1.h"
#include "app/program_state.h"
#include "lib/messages.h"
#include "shutdown/engine.h"
#include "settings/user_values.h"
#include "shutdown/methods.h"

namespace shutdown {

bool Engine::PowerOffApm() {
    port::Platform& os = program_.os;
    std::uint32_t mode = static_cast<std::uint32_t>(settings::ReadPowerResult(os));
    if (mode == 99) {
        settings::WritePowerResult(os, 0);
        mode = 0;
    }
    os.loop.ProcessMessages();
    bool result = false;
    switch (mode) {
        case 1:
        case 2:
        case 3: {
            const bool ok = mode == 3 ? os.session.ExitWindowsEx(EWX_POWEROFF)
                                      : os.session.SetSystemPowerState(mode == 2, false);
            if (ok) {
                result = true;
            } else {
                mode = 0;
            }
            break;
        }
        case 0: {
            const bool firstWorked = os.session.SetSystemPowerState(false, false);
            if (firstWorked && lib::Confirm(os.dialogs, "Was the system powered down?")) {
                mode = 1;
                result = true;
                break;
            }
            if (!lib::Confirm(
                    os.dialogs,
                    "The system is not ready to suspend now!\r\rDo you want to try to force going into "
                    "suspend-\rmode? (Unsaved data may got lost!)")) {
                break;
            }
            if (os.session.SetSystemPowerState(true, false)) {
                if (!firstWorked) {
                    mode = 2;
                    result = true;
                    break;
                }
                if (lib::Confirm(os.dialogs, "Was the system powered down?")) {
                    mode = 2;
                    result = true;
                    break;
                }
                mode = 0;
            }
            std::string question =
                "The system is not able to suspend this way!\r\rDo you want to try an alternative mode, "
                "which "
                "will\rtry to shut down and then power-off the system?\r";
            question += firstWorked
                            ? "(This is not supported by all systems and if not\rsupported, it will only "
                              "log you off!)"
                            : "(This is not supported by all systems.)";
            if (lib::Confirm(os.dialogs, question) && os.session.ExitWindowsEx(EWX_POWEROFF)) {
                mode = 3;
                result = true;
            }
            break;
        }
        default:
            mode = 99;
            lib::ShowInformation(os.dialogs, "Invalid power-off index!\rPlease try again!");
            break;
    }
    os.loop.ProcessMessages();
    if (mode != 0) settings::WritePowerResult(os, static_cast<int>(mode));
    if ((mode == 1 || mode == 2) && result) {
        // The machine was suspended and has woken up again.
        os.feedback.MessageBeep(port::kMbBeepAsterisk);
        if (app::TForm1* form = Form()) form->PendingMethodCode = 0;
        if (!state.commandLineRun) state.resumedFromSuspend = true;
    }
    return result;
}

}  // namespace shutdown
