// The help entry: RVLNPARA.TXT in the text viewer, or the short text in a box.
#include <cstdint>
#include <string>
#include "app/program_state.h"
#include "cmdline/command_line.h"
#include "cmdline/help_text.h"
#include "lib/text.h"
#include "lib/viewers.h"
#include "settings/user_values.h"
#include "shutdown/launch_file.h"

namespace cmdline {
namespace {

std::string TextViewer(port::Platform& os) {
    return lib::ChooseViewer(os.files,
                             settings::ReadUserString(os, "ExternalPrograms", "TextViewer", lib::kTextViewer),
                             lib::kTextViewer);
}

}  // namespace

void ShowCommandLineHelp(app::ProgramState& program) {
    port::Platform& os = program.os;
    const std::string viewer = TextViewer(os);
    const std::string path = program.DataDir() + kHelpFileName;
    if (os.files.WriteFile(path, lib::Utf8ToCp1252(HelpFileText())) &&
        shutdown::LaunchFile(os, viewer, path, "open", port::kSwShowNormal).ok) {
        return;
    }
    // Before the main window exists the application has no title yet.
    const std::string& title = program.application.Title();
    os.dialogs.MessageBox(ShortHelpText(), title.empty() ? "Ravelin" : title, port::kMbOk);
}

}  // namespace cmdline
