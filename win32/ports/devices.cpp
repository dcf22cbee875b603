#include "win32/ports/devices.h"

#include <vector>

#include "win32/on_demand.h"
#include "win32/ports/ids.h"
#include "win32/text.h"

namespace win32 {

static_assert(port::kDriveRemovable == DRIVE_REMOVABLE && port::kDriveCdrom == DRIVE_CDROM &&
              port::kDriveRemote == DRIVE_REMOTE && port::kSemFailCriticalErrors == SEM_FAILCRITICALERRORS);

std::uint32_t Win32Devices::GetLogicalDrives() {
    return ::GetLogicalDrives();
}

std::uint32_t Win32Devices::GetDriveType(const std::string& root) {
    return ::GetDriveTypeW(Widen(root).c_str());
}

bool Win32Devices::GetVolumeInformation(const std::string& root, port::VolumeInfo& out) {
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0, maxComponent = 0, flags = 0;
    if (!::GetVolumeInformationW(Widen(root).c_str(), label, MAX_PATH + 1, &serial, &maxComponent, &flags,
                                 fileSystem, MAX_PATH + 1))
        return false;
    out.label = NarrowUntilNul(label, MAX_PATH + 1);
    out.serial = serial;
    out.fileSystem = NarrowUntilNul(fileSystem, MAX_PATH + 1);
    return true;
}

long Win32Devices::WNetGetConnection(const std::string& localName, std::string& remoteName) {
    std::wstring local = Widen(localName);
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD result = on_demand::WNetGetConnectionW(local.c_str(), buffer.data(), &size);
    if (result == ERROR_MORE_DATA && size > buffer.size()) {
        buffer.assign(size, L'\0');
        result = on_demand::WNetGetConnectionW(local.c_str(), buffer.data(), &size);
    }
    if (result == NO_ERROR) remoteName = NarrowUntilNul(buffer.data(), buffer.size());
    return static_cast<long>(result);
}

std::uint32_t Win32Devices::SetErrorMode(std::uint32_t mode) {
    return ::SetErrorMode(mode);
}

port::DeviceHandle Win32Devices::OpenDevice(const std::string& path) {
    std::wstring wpath = Widen(path);
    // Read access lets the disk IOCTLs that demand it through; where the user may not read the
    // raw device a handle without access rights still serves the ones that do not.
    OwnedHandle device(::CreateFileW(wpath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
    if (!device && ::GetLastError() == ERROR_ACCESS_DENIED)
        device.Reset(::CreateFileW(wpath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    if (!device) return port::kInvalidDevice;
    port::DeviceHandle id = ToDeviceHandle(device.Get());
    std::lock_guard<std::mutex> guard(lock_);
    open_[id] = std::move(device);
    return id;
}

bool Win32Devices::DeviceIoControl(port::DeviceHandle device, std::uint32_t code) {
    DWORD returned = 0;
    return ::DeviceIoControl(ToHandle(device), code, nullptr, 0, nullptr, 0, &returned, nullptr) != FALSE;
}

void Win32Devices::CloseDevice(port::DeviceHandle device) {
    OwnedHandle closing;
    {
        std::lock_guard<std::mutex> guard(lock_);
        auto it = open_.find(device);
        if (it == open_.end()) return;
        closing = std::move(it->second);
        open_.erase(it);
    }
}

std::uint32_t Win32Devices::MciSendCommand(std::uint32_t deviceId, std::uint32_t message, std::uint32_t flags,
                                           port::MciParams& params) {
    auto send = [&](auto& record) {
        record.dwCallback = params.callback;
        return static_cast<std::uint32_t>(
            on_demand::mciSendCommandW(deviceId, message, flags, reinterpret_cast<DWORD_PTR>(&record)));
    };
    switch (message) {
        case MCI_OPEN: {
            MCI_OPEN_PARMSW record{};
            std::wstring element = Widen(params.elementName);
            // With MCI_OPEN_TYPE_ID the "string" field carries the device type number itself.
            if (flags & MCI_OPEN_TYPE_ID)
                record.lpstrDeviceType = reinterpret_cast<LPCWSTR>(static_cast<UINT_PTR>(params.deviceType));
            if (flags & MCI_OPEN_ELEMENT) record.lpstrElementName = element.c_str();
            std::uint32_t result = send(record);
            if (result == 0) params.deviceId = record.wDeviceID;
            return result;
        }
        case MCI_SET: {
            MCI_SET_PARMS record{};
            return send(record);
        }
        case MCI_STATUS: {
            MCI_STATUS_PARMS record{};
            record.dwItem = params.item;
            std::uint32_t result = send(record);
            if (result == 0) params.returnValue = static_cast<std::uint32_t>(record.dwReturn);
            return result;
        }
        default: {
            MCI_GENERIC_PARMS record{};
            return send(record);
        }
    }
}

std::string Win32Devices::MciErrorString(std::uint32_t error) {
    wchar_t text[256] = {};
    if (!on_demand::mciGetErrorStringW(error, text, 256)) return {};
    return NarrowUntilNul(text, 256);
}

}  // namespace win32
