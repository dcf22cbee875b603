#include "sim/sim_devices.h"

#include <cctype>
#include "lib/text.h"
#include "sim/sim_files.h"
#include "sim/sim_loop.h"
#include "sim/sim_registry.h"

namespace sim {

namespace {

constexpr const char* kMciKey = "System\\CurrentControlSet\\Control\\MediaResources\\mci\\cdaudio";

}  // namespace

SimDevices::SimDevices(SimFiles& files, const SimRegistry& registry, const SimLoop& loop)
    : files_(files), registry_(registry), loop_(loop) {}

std::string SimDevices::Name(const std::string& device) {
    return lib::AsciiUpper(device);
}

char SimDevices::RootLetter(const std::string& root) {
    if (root.size() < 2 || root[1] != ':' || !std::isalpha(static_cast<unsigned char>(root[0]))) return 0;
    if (root.size() > 3 || (root.size() == 3 && root[2] != '\\')) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
}

bool SimDevices::IsDrive(const std::string& name) const {
    char letter = RootLetter(name);
    return letter && name.size() == 2 && files_.HasDrive(letter);
}

bool SimDevices::MediumIn(const std::string& name) const {
    auto door = doorOpen_.find(name);
    if (door != doorOpen_.end() && door->second) return false;
    if (IsDrive(name)) return files_.MediaPresent(name[0]);
    auto unit = units_.find(name);
    return unit != units_.end() && unit->second;
}

std::uint32_t SimDevices::GetLogicalDrives() {
    std::uint32_t mask = 0;
    for (char letter : files_.DriveLetters())
        mask |= 1u << (letter - 'A');
    return mask;
}

std::uint32_t SimDevices::GetDriveType(const std::string& root) {
    if (root.size() > 2 && root[0] == '\\' && root[1] == '\\') {
        return files_.Exists(root) ? port::kDriveRemote : port::kDriveNoRootDir;
    }
    char letter = RootLetter(root);
    return letter ? files_.DriveType(letter) : port::kDriveNoRootDir;
}

bool SimDevices::GetVolumeInformation(const std::string& root, port::VolumeInfo& out) {
    std::lock_guard lock(mu_);
    char letter = RootLetter(root);
    if (!letter || !files_.HasDrive(letter)) {
        lastError_ = port::kErrPathNotFound;
        return false;
    }
    if (!files_.MediaPresent(letter)) {
        lastError_ = port::kErrNotReady;
        return false;
    }
    out = *files_.VolumeInfo(letter);
    return true;
}

long SimDevices::WNetGetConnection(const std::string& localName, std::string& remoteName) {
    char letter = RootLetter(localName);
    if (!letter || localName.size() != 2 || !files_.HasDrive(letter)) return kErrBadDevice;
    if (files_.DriveType(letter) != port::kDriveRemote || files_.RemoteName(letter).empty())
        return kErrNotConnected;
    remoteName = files_.RemoteName(letter);
    return 0;
}

std::uint32_t SimDevices::SetErrorMode(std::uint32_t mode) {
    std::lock_guard lock(mu_);
    std::uint32_t previous = errorMode_;
    errorMode_ = mode;
    errorModes_.push_back(mode);
    return previous;
}

port::DeviceHandle SimDevices::OpenDevice(const std::string& path) {
    std::lock_guard lock(mu_);
    openedPaths_.push_back(path);
    if (path.rfind("\\\\.\\", 0) != 0) {
        lastError_ = port::kErrFileNotFound;
        return port::kInvalidDevice;
    }
    std::string name = Name(path.substr(4));
    if ((!IsDrive(name) && !units_.count(name)) || openFails_[name]) {
        lastError_ = port::kErrFileNotFound;
        return port::kInvalidDevice;
    }
    port::DeviceHandle handle = nextHandle_++;
    handles_[handle] = name;
    return handle;
}

bool SimDevices::DeviceIoControl(port::DeviceHandle device, std::uint32_t code) {
    std::lock_guard lock(mu_);
    auto it = handles_.find(device);
    if (it == handles_.end()) {
        lastError_ = kErrInvalidHandle;
        return false;
    }
    const std::string& name = it->second;
    const bool cdrom = IsDrive(name) && files_.DriveType(name[0]) == port::kDriveCdrom;
    const bool removable = IsDrive(name) && files_.DriveType(name[0]) == port::kDriveRemovable;
    const bool unit = units_.count(name) != 0;
    bool ok;
    auto script = ioctlScripts_.find({name, code});
    if (script != ioctlScripts_.end() && !script->second.empty()) {
        ok = script->second.front();
        script->second.pop_front();
        if (!ok) lastError_ = port::kErrNotReady;
    } else if (code == port::kIoctlDiskEjectMedia) {
        ok = cdrom || removable || unit;
        if (!ok) lastError_ = kErrInvalidFunction;
    } else if (code == port::kIoctlDiskLoadMedia) {
        ok = cdrom || unit;
        if (!ok) lastError_ = kErrInvalidFunction;
    } else if (code == port::kIoctlDiskCheckVerify) {
        ok = MediumIn(name);
        if (!ok) lastError_ = port::kErrNotReady;
    } else {
        ok = false;
        lastError_ = kErrInvalidFunction;
    }
    if (ok && code == port::kIoctlDiskEjectMedia) doorOpen_[name] = true;
    if (ok && code == port::kIoctlDiskLoadMedia) doorOpen_[name] = false;
    ioctlCalls_.push_back(IoctlCall{name, code, ok, loop_.IsMainThread()});
    return ok;
}

void SimDevices::CloseDevice(port::DeviceHandle device) {
    std::lock_guard lock(mu_);
    if (handles_.erase(device) == 0) ++badCloses_;
}

char SimDevices::DefaultCdDrive() const {
    std::string cdroms;
    for (char letter : files_.DriveLetters()) {
        if (files_.DriveType(letter) == port::kDriveCdrom) cdroms += letter;
    }
    std::size_t index = 0;
    if (auto value = registry_.Raw(port::RegRoot::LocalMachine, kMciKey, "Default Drive");
        value && !value->data.empty()) {
        index = value->data[0];
    }
    return index < cdroms.size() ? cdroms[index] : 0;
}

std::uint32_t SimDevices::MciSendCommand(std::uint32_t deviceId, std::uint32_t message, std::uint32_t flags,
                                         port::MciParams& params) {
    std::lock_guard lock(mu_);
    char drive = 0;
    std::uint32_t result = Mci(deviceId, message, flags, params, drive);
    mciCalls_.push_back(MciCall{message == port::kMciOpen && result == 0 ? params.deviceId : deviceId,
                                message, flags, params.item, drive, result, loop_.IsMainThread()});
    return result;
}

std::uint32_t SimDevices::Mci(std::uint32_t deviceId, std::uint32_t message, std::uint32_t flags,
                              port::MciParams& params, char& drive) {
    if (message != port::kMciOpen) {
        auto open = mciDevices_.find(deviceId);
        if (open == mciDevices_.end()) return port::kMciErrInvalidDeviceId;
        drive = open->second;
    }
    for (auto it = mciFailures_.begin(); it != mciFailures_.end(); ++it) {
        if (it->message != message) continue;
        std::uint32_t error = it->error;
        if (--it->remaining == 0) mciFailures_.erase(it);
        return error;
    }
    const std::string door(1, drive);
    switch (message) {
        case port::kMciOpen: {
            if ((flags & port::kMciOpenElement) && !params.elementName.empty()) {
                drive = RootLetter(params.elementName);
                if (!drive || files_.DriveType(drive) != port::kDriveCdrom)
                    return port::kMciErrInvalidDeviceName;
            } else {
                if (!(flags & port::kMciOpenTypeId) || params.deviceType != port::kMciDevtypeCdAudio)
                    return port::kMciErrInvalidDeviceName;
                drive = DefaultCdDrive();
                if (!drive) return port::kMciErrDeviceNotInstalled;
            }
            params.deviceId = nextMciId_++;
            mciDevices_[params.deviceId] = drive;
            return 0;
        }
        case port::kMciSet:
            if (flags & port::kMciSetDoorOpen) doorOpen_[door + ":"] = true;
            if (flags & port::kMciSetDoorClosed) doorOpen_[door + ":"] = false;
            return 0;
        case port::kMciStatus:
            if (!(flags & port::kMciStatusItem)) return port::kMciErrUnsupportedFunction;
            if (params.item != port::kMciStatusMediaPresent && params.item != port::kMciStatusReady) {
                return port::kMciErrUnsupportedFunction;
            }
            params.returnValue = MediumIn(door + ":") ? 1 : 0;
            return 0;
        case port::kMciClose:
            mciDevices_.erase(deviceId);
            return 0;
        default:
            return port::kMciErrUnrecognizedCommand;
    }
}

std::string SimDevices::MciErrorString(std::uint32_t error) {
    std::lock_guard lock(mu_);
    auto it = mciTexts_.find(error);
    return it != mciTexts_.end() ? it->second : "MCI error " + std::to_string(error);
}

void SimDevices::AddDevice(const std::string& name, bool mediaPresent) {
    std::lock_guard lock(mu_);
    units_[Name(name)] = mediaPresent;
}

void SimDevices::SetDeviceMedia(const std::string& name, bool present) {
    std::lock_guard lock(mu_);
    units_[Name(name)] = present;
}

void SimDevices::ScriptIoctl(const std::string& device, std::uint32_t code, std::vector<bool> results) {
    std::lock_guard lock(mu_);
    auto& queue = ioctlScripts_[{Name(device), code}];
    queue.insert(queue.end(), results.begin(), results.end());
}

void SimDevices::SetOpenFails(const std::string& device, bool fails) {
    std::lock_guard lock(mu_);
    openFails_[Name(device)] = fails;
}

void SimDevices::SetDoorOpen(const std::string& device, bool open) {
    std::lock_guard lock(mu_);
    doorOpen_[Name(device)] = open;
}

void SimDevices::FailMci(std::uint32_t message, std::uint32_t error, int count) {
    std::lock_guard lock(mu_);
    if (count > 0) mciFailures_.push_back(MciFailure{message, error, count});
}

void SimDevices::SetMciErrorText(std::uint32_t error, std::string text) {
    std::lock_guard lock(mu_);
    mciTexts_[error] = std::move(text);
}

bool SimDevices::DoorOpen(const std::string& device) const {
    std::lock_guard lock(mu_);
    auto it = doorOpen_.find(Name(device));
    return it != doorOpen_.end() && it->second;
}

int SimDevices::OpenHandles() const {
    std::lock_guard lock(mu_);
    return static_cast<int>(handles_.size());
}

int SimDevices::BadCloses() const {
    std::lock_guard lock(mu_);
    return badCloses_;
}

std::vector<std::string> SimDevices::OpenedPaths() const {
    std::lock_guard lock(mu_);
    return openedPaths_;
}

std::vector<IoctlCall> SimDevices::IoctlCalls() const {
    std::lock_guard lock(mu_);
    return ioctlCalls_;
}

std::vector<MciCall> SimDevices::MciCalls() const {
    std::lock_guard lock(mu_);
    return mciCalls_;
}

int SimDevices::OpenMciDevices() const {
    std::lock_guard lock(mu_);
    return static_cast<int>(mciDevices_.size());
}

std::uint32_t SimDevices::ErrorMode() const {
    std::lock_guard lock(mu_);
    return errorMode_;
}

std::vector<std::uint32_t> SimDevices::ErrorModeHistory() const {
    std::lock_guard lock(mu_);
    return errorModes_;
}

std::uint32_t SimDevices::LastError() const {
    std::lock_guard lock(mu_);
    return lastError_;
}

}  // namespace sim
