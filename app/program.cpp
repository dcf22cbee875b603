#include "app/program.h"

#include <new>
#include "app/form1.h"
#include "app/instance.h"
#include "cmdline/command_line.h"
#include "devices/drives.h"
#include "lib/text.h"
#include "lib/version.h"
#include "settings/settings_store.h"

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

Program::~Program() = default;

bool Program::Start() {
    ProgramState& program = *state_;
    port::Platform& os = program.os;
    if (program.FirstParameter() == "/T") return false;

    const std::string atomName = InstanceAtomName(os);
    if (os.atoms.GlobalFindAtom(atomName) != 0) return false;
    program.instanceAtom = os.atoms.GlobalAddAtom(atomName);

    settings::MigrateOldSettings(program);
    if (!cmdline::ProcessCommandLine(program)) {
        // A command, the help text or a refused parameter ended the program: nothing is saved.
        if (program.instanceAtom != 0) os.atoms.GlobalDeleteAtom(program.instanceAtom);
        program.instanceAtom = 0;
        return false;
    }
    devices::DetectDrives(program);
    program.SavedMciDrive = devices::ReadSavedMciDrive(program);
    program.application.SetTitle(lib::kProgramTitle);
    program.application.helpFile = "RVLN.HLP";
    program.application.SetHintTiming(1200, 10000);

    form_ = std::make_unique<TForm1>(program);
    program.form = form_.get();
    form_->Realize(os.ui);
    form_->InitForm1();
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
    return 0;
}

}  // namespace app
