#include "lib/messages.h"

namespace lib {

void ShowError(port::DialogPort& dialogs, const std::string& text) {
    dialogs.MessageBox(text, "Error", port::kMbOk | port::kMbIconError);
}

void ShowInformation(port::DialogPort& dialogs, const std::string& text) {
    dialogs.MessageBox(text, "Information", port::kMbOk | port::kMbIconInformation);
}

void ShowWarning(port::DialogPort& dialogs, const std::string& text) {
    dialogs.MessageBox(text, "Warning", port::kMbOk | port::kMbIconWarning);
}

bool Confirm(port::DialogPort& dialogs, const std::string& text) {
    return dialogs.MessageBox(text, "Confirm", port::kMbYesNo | port::kMbIconQuestion) == port::kIdYes;
}

}  // namespace lib
