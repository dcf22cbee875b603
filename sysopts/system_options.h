#pragma once
// The Windows 95/98 start-up and shutdown switches.
namespace app {
class TForm1;
}

namespace sysopts {

// Reads the current state of the switches into their check boxes.
void ReadSystemOptions(app::TForm1& form);

}  // namespace sysopts
