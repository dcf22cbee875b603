// For the exit-wait benchmark only: RVLNSPIN.EXE waits for the device workers by spinning through
// its messages, as a wait without a message wait would, to compare with RVLN.EXE.
#include "win32/ui/loop.h"

namespace win32 {

void Win32Loop::WaitForMessages(std::uint32_t) {}

}  // namespace win32
