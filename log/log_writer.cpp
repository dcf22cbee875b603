#include "log/log_writer.h"

#include <charconv>
#include <vector>

#include "app/form1.h"
#include "app/program_state.h"
#include "lib/files.h"
#include "lib/messages.h"
#include "lib/text.h"
#include "log/log_format.h"
#include "log/log_trim.h"
#include "settings/user_values.h"

namespace eventlog {
namespace {

int WithinLimits(int kb) {
    return kb < kMinLogKb || kb > kMaxLogKb ? kMaxLogKb : kb;
}

}  // namespace

std::uint64_t FileLength(port::FilePort& files, const std::string& path) {
    std::vector<port::FindData> found;
    if (!files.FindFiles(path, found)) return 0;
    for (const port::FindData& entry : found) {
        if (!(entry.attributes & port::kAttrDirectory)) return entry.size;
    }
    return 0;
}

std::string LogFilePath(const app::ProgramState& program) {
    // Found where it is: beside the program, else in the user's folder (where it is written
    // while the program's folder cannot be).
    const std::string own = program.ProgramDir() + kLogFileName;
    if (lib::FileExists(program.os.files, own)) return own;
    const std::string users = program.UserDataDir();
    if (!users.empty() && lib::FileExists(program.os.files, users + kLogFileName))
        return users + kLogFileName;
    return own;
}

bool ParseSizeText(std::string_view text, int& value) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

int WindowLimitKb(const ui::SpinEdit& field) {
    int kb = 0;
    if (!field.Enabled() || !ParseSizeText(field.Text(), kb)) return kMaxLogKb;
    return WithinLimits(kb);
}

int CommandLineLimitKb(app::ProgramState& program) {
    return WithinLimits(settings::ReadUserInt(program.os, "Controls", "LogSize", kMaxLogKb));
}

void AppendLogLine(app::ProgramState& program, const std::string& entryText, bool fromCommandLine) {
    port::Platform& os = program.os;
    port::FilePort& files = os.files;
    const int limitKb = fromCommandLine || !program.form ? CommandLineLimitKb(program)
                                                         : WindowLimitKb(program.form->SpinEdit3);
    const std::string line =
        lib::Utf8ToCp1252(FormatLogLine(os.loop.Now(), os.system.GetSystemDefaultLangID(), entryText)) +
        "\r\n";
    const std::string path = program.DataDir() + kLogFileName;
    const std::uint64_t limit = static_cast<std::uint64_t>(limitKb) * 1024;

    if (!lib::PathExists(files, path)) {
        if (!files.WriteFile(path, line)) lib::ShowError(os.dialogs, "ERROR writing new logfile:\r" + path);
        return;
    }
    const std::uint64_t size = FileLength(files, path);
    if (size > limit) {
        bool ok = true;
        if (DropOldestLine(os, path, size) == TrimResult::NotPossible)
            ok = files.WriteFile(path, std::string());
        if (!ok || !files.AppendFile(path, line))
            lib::ShowError(os.dialogs, "ERROR on appending/rewriting logfile:\r" + path);
        return;
    }
    if (!files.AppendFile(path, line)) lib::ShowError(os.dialogs, "ERROR opening report file:\r" + path);
}

}  // namespace eventlog
