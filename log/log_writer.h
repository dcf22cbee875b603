#pragma once
// Writing one entry to RVLN.LOG in the program's folder.
#include <cstdint>
#include <string>
#include <string_view>
#include "ports/file_port.h"

namespace app {
struct ProgramState;
}
namespace ui {
class SpinEdit;
}

namespace eventlog {

inline constexpr const char* kLogFileName = "RVLN.LOG";
inline constexpr int kMinLogKb = 32;
inline constexpr int kMaxLogKb = 992;

std::string LogFilePath(const app::ProgramState& program);
// The file's length; 0 when it cannot be found.
std::uint64_t FileLength(port::FilePort& files, const std::string& path);

// The size field's text as a number; false when it is empty or holds anything else.
bool ParseSizeText(std::string_view text, int& value);
// The limit the window session works with: the field's value, or the largest limit when the
// field is disabled, empty or out of range.
int WindowLimitKb(const ui::SpinEdit& field);
// The limit a command-line run works with: the stored size, the largest limit out of range.
int CommandLineLimitKb(app::ProgramState& program);

// Appends the entry as one line, dropping the oldest line first when the file is above its
// limit. Failures show their box; the entry is then lost and nothing else happens.
void AppendLogLine(app::ProgramState& program, const std::string& entryText, bool fromCommandLine);

}  // namespace eventlog
