#include "sim/sim_system_info.h"

namespace sim {

SimSystemInfo::SimSystemInfo() {
    memory.memoryLoad = 45;
    memory.totalPhys = 64ull << 20;
    memory.availPhys = 23'456'768;
    memory.totalPageFile = 128ull << 20;
    memory.availPageFile = 98'765'432;
    memory.totalVirtual = 2ull << 30;
    memory.availVirtual = 2'013'265'920;
    SetOs(Os::Win98);
}

bool SimSystemInfo::GetUserName(std::string& name) {
    if (userNameFails) return false;
    name = userName;
    return true;
}

int SimSystemInfo::GetKeyboardType(int typeFlag) {
    switch (typeFlag) {
        case 0:
            return keyboardType;
        case 1:
            return keyboardSubtype;
        case 2:
            return functionKeys;
        default:
            return 0;
    }
}

int SimSystemInfo::GetSystemMetrics(int index) {
    switch (index) {
        case port::kSmCxScreen:
            return screenWidth;
        case port::kSmCyScreen:
            return screenHeight;
        case port::kSmCxIcon:
        case port::kSmCyIcon:
            return iconSize;
        default:
            return 0;
    }
}

void SimSystemInfo::SetOs(Os os) {
    switch (os) {
        case Os::NT3:
            SetRawVersion(port::kPlatformNT, 3, 51, 1057);
            break;
        case Os::NT4:
            SetRawVersion(port::kPlatformNT, 4, 0, 1381);
            break;
        case Os::Win95:
            // 9x puts major and minor into the high word of the build number.
            SetRawVersion(port::kPlatformWindows, 4, 0, 0x040003B6);
            break;
        case Os::Win98:
            SetRawVersion(port::kPlatformWindows, 4, 10, 0x040A07CE);
            break;
        case Os::Win32s:
            SetRawVersion(port::kPlatformWin32s, 3, 1, 0);
            break;
        case Os::Unknown:
            SetVersionQueryFails();
            break;
    }
}

void SimSystemInfo::SetRawVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                                  std::uint32_t build) {
    version_ = port::OsVersion{true, platformId, major, minor, build};
}

void SimSystemInfo::SetVersionQueryFails() {
    version_ = port::OsVersion{};
}

void SimSystemInfo::SetArguments(const std::string& args) {
    commandLine = "\"" + executablePath + "\"";
    if (!args.empty()) commandLine += " " + args;
}

}  // namespace sim
