#include "app/program.h"

#include <new>
#include "app/ask_view.h"
#include "app/form1.h"
#include "app/instance.h"
#include "cmdline/command_line.h"
#include "devices/drives.h"
#include "lib/text.h"
#include "lib/version.h"
#include "settings/settings_store.h"
#include "shutdown/ask_form.h"

namespace app {

std::string InstanceAtomName(port::Platform& os) {
    std::string user;
    try {
        if (!os.system.GetUserName(user)) user.clear();
    } catch (const std::bad_alloc&) {
        os.dialogs.MessageBox(
            "Out of Memory!\r\rNot enough memory to get your username on the system.\rPlease close some open "
            "applications or buy some memory ...\rand try again!",
            "Ravelin", port::kMbOk | port::kMbIconError);
        user.clear();
    }
    user = lib::TrimRight(user);
    if (user.empty()) user = "Empty Account";
    return "RVLN!-" + user;
}

Program::Program(port::Platform& os) : state_(std::make_unique<ProgramState>(os)) {}

// Release the instance mutex as the end of the process would.
Program::~Program() {
    state_->os.atoms.CloseInstanceMutex(state_->instanceMutex);
}

bool ClaimInstance(ProgramState& program) {
    port::Platform& os = program.os;
    const std::string name = InstanceAtomName(os);
    bool alreadyExists = false;
    program.instanceMutex = os.atoms.CreateInstanceMutex(name, alreadyExists);
    if (alreadyExists || (program.instanceMutex == 0 && os.atoms.GlobalFindAtom(name) != 0)) {
        os.atoms.CloseInstanceMutex(program.instanceMutex);
        program.instanceMutex = 0;
        return false;
    }
    program.instanceAtom = os.atoms.GlobalAddAtom(name);
    return true;
}

void ReleaseInstance(ProgramState& program) {
    if (program.instanceAtom != 0) program.os.atoms.GlobalDeleteAtom(program.instanceAtom);
    program.instanceAtom = 0;
    program.os.atoms.CloseInstanceMutex(program.instanceMutex);
    program.instanceMutex = 0;
}

bool Program::Start() {
    ProgramState& program = *state_;
    port::Platform& os = program.os;
    if (program.FirstParameter() == "/T") return false;

    if (!ClaimInstance(program)) return false;

    settings::MigrateOldSettings(program);
    if (!cmdline::ProcessCommandLine(program)) {
        // A command, the help text or a refused parameter ended the program: nothing is saved.
        ReleaseInstance(program);
        return false;
    }
    devices::DetectDrives(program);
    program.SavedMciDrive = devices::ReadSavedMciDrive(program);
    program.application.SetTitle(lib::kProgramTitle);
    program.application.helpFile = "RVLN.HLP";
    program.application.SetHintTiming(1200, 10000);

    form_ = std::make_unique<TForm1>(program);
    program.form = form_.get();
    // InitForm1 makes the windows once the settings are in the model, so that each control is
    // made as it will show instead of made and then changed.
    form_->RealizeOnFirstShow(os.ui);
    form_->InitForm1();
    askForm_ = std::make_unique<shutdown::TForm3>(MakeAskView(*form_));
    // The ask dialog gets its windows when it is first asked for.
    askForm_->RealizeOnFirstShow(os.ui);
    program.askForm = askForm_.get();
    if (!form_->MainWindowAway && !form_->InvisibleStart && !program.application.Terminated()) form_->Show();
    return true;
}

void Program::Run() {
    state_->application.Run();
    if (form_) form_->FormDestroy();
}

int RunProgram(port::Platform& os) {
    Program program(os);
    if (program.Start()) program.Run();
    return program.State().exitCode;
}

}  // namespace app
