#include "log/log_actions.h"

#include <cstdio>

#include "app/form1.h"
#include "app/program_state.h"
#include "lib/files.h"
#include "lib/messages.h"
#include "lib/viewers.h"
#include "log/log_format.h"
#include "log/log_writer.h"
#include "shutdown/launch_file.h"

namespace eventlog {

bool LogFileExists(app::ProgramState& program) {
    return lib::FileExists(program.os.files, LogFilePath(program));
}

void ShowLog(app::TForm1& form) {
    // The viewer was checked when the settings were loaded or chosen.
    const std::string viewer = form.TextViewer.empty() ? std::string(lib::kTextViewer) : form.TextViewer;
    shutdown::LaunchFile(form.os(), viewer, LogFilePath(form.program), "open", port::kSwShow);
}

std::string EraseQuestionText(std::uint64_t size, std::uint64_t maximum, const std::string& path) {
    char usage[32];
    std::snprintf(usage, sizeof usage, "%.2f", maximum == 0 ? 0.0 : double(size) / double(maximum) * 100.0);
    return "      Current logfile size: " + GroupThousands(size, ',') +
           " Byte,\rcurrent maximum size: " + GroupThousands(maximum, ',') +
           " Byte,\rcurrent usage percent: " + usage +
           " %.\r\rErasing the logfile, if the usage has reached 100%, will\rspeed up logging. - Are you "
           "sure, that you want to erase\rthe logfile: " +
           path + "\rand loose all logged events?";
}

void EraseLog(app::TForm1& form) {
    port::Platform& os = form.os();
    const ui::SpinEdit& field = form.SpinEdit3;
    int kb = 0;
    if (!field.Enabled() || !ParseSizeText(field.Text(), kb) || kb < field.minValue || kb > field.maxValue) {
        lib::ShowError(os.dialogs,
                       "ERROR: => Please set the max. value of the EventLogFile\rto a value between " +
                           std::to_string(field.minValue) + " and " + std::to_string(field.maxValue) +
                           " on page no. 4/5\rof the \"Controls\" section of the Settings-Notebook "
                           "first!");
        return;
    }
    const std::string path = LogFilePath(form.program);
    const std::uint64_t size = FileLength(os.files, path);
    const std::uint64_t maximum = static_cast<std::uint64_t>(kb) * 1024;
    if (!lib::Confirm(os.dialogs, EraseQuestionText(size, maximum, path))) return;
    if (os.files.DeleteFile(path)) {
        form.SpeedButton9.SetEnabled(false);
    } else {
        lib::ShowError(os.dialogs, "ERROR: => Could not delete:\r" + path);
    }
}

}  // namespace eventlog
