#include "devices/prompts.h"

#include "lib/messages.h"

namespace devices {

bool AskOpenDoor(port::DialogPort& dialogs, const std::string& device) {
    return lib::Confirm(dialogs, "Device:   >>> " + device +
                                     " <<<\rwants to OPEN its door! - Do you allow that?\r\r"
                                     "(This hint can be disabled on page no. 3 \"Tasks\"\r"
                                     "of the \"Controls\" Tab of the Settings-Notebook.");
}

}  // namespace devices
