// The message wait on a file of its own: a benchmark links a spinning one in its place.
#include "win32/ui/loop.h"

namespace win32 {

void Win32Loop::WaitForMessages(std::uint32_t timeoutMs) {
    // Sent messages (a worker's call) are delivered inside the wait itself.
    MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace win32
