#pragma once
// What the user does with RVLN.LOG: look at it and erase it.
#include <cstdint>
#include <string>

namespace app {
class TForm1;
struct ProgramState;
}  // namespace app

namespace eventlog {

bool LogFileExists(app::ProgramState& program);

// Opens the log in the text viewer.
void ShowLog(app::TForm1& form);

// The question before erasing; the sizes are grouped with "," whatever the system language.
std::string EraseQuestionText(std::uint64_t size, std::uint64_t maximum, const std::string& path);

// Asks with the current size and usage, then deletes the log. Refused while the size field
// holds no valid limit, since the usage could not be told.
void EraseLog(app::TForm1& form);

}  // namespace eventlog
