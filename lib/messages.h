#pragma once
// The program's message boxes: error and information with OK, questions with Yes and No.
#include <string>
#include "ports/dialog_port.h"

namespace lib {

void ShowError(port::DialogPort& dialogs, const std::string& text);
void ShowInformation(port::DialogPort& dialogs, const std::string& text);
void ShowWarning(port::DialogPort& dialogs, const std::string& text);
// True only for Yes.
bool Confirm(port::DialogPort& dialogs, const std::string& text);

}  // namespace lib
