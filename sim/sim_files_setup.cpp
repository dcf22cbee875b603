// The set-up and inspection helpers of the simulated file system, apart from the calls the
// program makes.
#include <cctype>
#include "lib/text.h"
#include "sim/sim_files.h"

namespace sim {

void SimFiles::AddDrive(char letter, std::uint32_t type, std::uint64_t freeBytes) {
    auto volume = std::make_unique<Volume>();
    letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    volume->root = std::string(1, letter) + ":";
    volume->type = type;
    volume->freeBytes = freeBytes;
    volume->top.attributes = port::kAttrDirectory;
    volume->info.serial = 0x10000000u + static_cast<std::uint32_t>(letter);
    volume->info.fileSystem = type == port::kDriveCdrom ? "CDFS" : "FAT";
    if (type == port::kDriveCdrom) volume->writeError = port::kErrAccessDenied;
    volumes_[Key(volume->root)] = std::move(volume);
}

void SimFiles::AddShare(const std::string& root, std::uint64_t freeBytes) {
    auto volume = std::make_unique<Volume>();
    volume->root = root;
    volume->type = port::kDriveRemote;
    volume->freeBytes = freeBytes;
    volume->top.attributes = port::kAttrDirectory;
    volume->info.fileSystem = "NTFS";
    volumes_[Key(root)] = std::move(volume);
}

void SimFiles::RemoveDrive(char letter) {
    if (Volume* volume = DriveVolume(letter)) volumes_.erase(Key(volume->root));
}

void SimFiles::RemoveAll() {
    volumes_.clear();
    currentVolume_.clear();
    currentParts_.clear();
}

bool SimFiles::HasDrive(char letter) const {
    return DriveVolume(letter) != nullptr;
}

std::uint32_t SimFiles::DriveType(char letter) const {
    Volume* volume = DriveVolume(letter);
    return volume ? volume->type : port::kDriveNoRootDir;
}

std::string SimFiles::DriveLetters() const {
    std::string letters;
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (HasDrive(c)) letters += c;
    }
    return letters;
}

void SimFiles::SetFreeBytes(char letter, std::uint64_t bytes) {
    if (Volume* volume = DriveVolume(letter)) volume->freeBytes = bytes;
}

std::uint64_t SimFiles::FreeBytes(char letter) const {
    Volume* volume = DriveVolume(letter);
    return volume ? volume->freeBytes : 0;
}

void SimFiles::SetMediaPresent(char letter, bool present) {
    if (Volume* volume = DriveVolume(letter)) volume->mediaPresent = present;
}

bool SimFiles::MediaPresent(char letter) const {
    Volume* volume = DriveVolume(letter);
    return volume && volume->mediaPresent;
}

void SimFiles::SetWriteError(char letter, std::uint32_t error) {
    if (Volume* volume = DriveVolume(letter)) volume->writeError = error;
}

void SimFiles::SetVolumeInfo(char letter, port::VolumeInfo info) {
    if (Volume* volume = DriveVolume(letter)) volume->info = std::move(info);
}

std::optional<port::VolumeInfo> SimFiles::VolumeInfo(char letter) const {
    Volume* volume = DriveVolume(letter);
    if (!volume) return std::nullopt;
    return volume->info;
}

void SimFiles::SetRemoteName(char letter, std::string remoteName) {
    if (Volume* volume = DriveVolume(letter)) volume->remoteName = std::move(remoteName);
}

std::string SimFiles::RemoteName(char letter) const {
    Volume* volume = DriveVolume(letter);
    return volume ? volume->remoteName : std::string();
}

bool SimFiles::AddFile(const std::string& path, const std::string& bytes, std::uint32_t attributes) {
    Path parsed;
    std::uint32_t error;
    if (!Parse(path, parsed, error, false) || parsed.parts.empty()) return false;
    Node* parent = MakeParents(parsed);
    if (!parent) return false;
    Node* node = parent->Child(parsed.parts.back());
    if (node && node->IsDir()) return false;
    if (!node) {
        parent->children.push_back(std::make_unique<Node>());
        node = parent->children.back().get();
        node->name = parsed.parts.back();
    }
    node->bytes = bytes;
    node->attributes = attributes & kKeptAttributes;
    return true;
}

bool SimFiles::AddDirectory(const std::string& path, std::uint32_t attributes) {
    Path parsed;
    std::uint32_t error;
    if (!Parse(path, parsed, error, false)) return false;
    if (parsed.parts.empty()) return true;
    Node* parent = MakeParents(parsed);
    if (!parent) return false;
    Node* node = parent->Child(parsed.parts.back());
    if (node && !node->IsDir()) return false;
    if (!node) {
        parent->children.push_back(std::make_unique<Node>());
        node = parent->children.back().get();
        node->name = parsed.parts.back();
    }
    node->attributes = (attributes & kKeptAttributes) | port::kAttrDirectory;
    return true;
}

bool SimFiles::AddLink(const std::string& path, const std::string& target) {
    Path parsed;
    std::uint32_t error;
    if (!Parse(path, parsed, error, false) || parsed.parts.empty()) return false;
    Node* parent = MakeParents(parsed);
    if (!parent || parent->Child(parsed.parts.back())) return false;
    parent->children.push_back(std::make_unique<Node>());
    Node* node = parent->children.back().get();
    node->name = parsed.parts.back();
    node->attributes = port::kAttrDirectory | port::kAttrReparsePoint;
    node->linkTarget = target;
    return true;
}

bool SimFiles::Exists(const std::string& path) const {
    Path parsed;
    std::uint32_t error;
    return Parse(path, parsed, error, false) && Lookup(parsed, error);
}

bool SimFiles::IsDirectory(const std::string& path) const {
    Path parsed;
    std::uint32_t error;
    const Node* node = Parse(path, parsed, error, false) ? Lookup(parsed, error) : nullptr;
    return node && node->IsDir();
}

std::optional<std::string> SimFiles::FileBytes(const std::string& path) const {
    Path parsed;
    std::uint32_t error;
    const Node* node = Parse(path, parsed, error, false) ? Lookup(parsed, error) : nullptr;
    if (!node || node->IsDir()) return std::nullopt;
    return node->bytes;
}

std::uint32_t SimFiles::Attributes(const std::string& path) const {
    Path parsed;
    std::uint32_t error;
    const Node* node = Parse(path, parsed, error, false) ? Lookup(parsed, error) : nullptr;
    return node ? Reported(node->attributes) : port::kInvalidAttributes;
}

std::vector<std::string> SimFiles::List(const std::string& directory) const {
    std::vector<std::string> names;
    Path parsed;
    std::uint32_t error;
    const Node* node = Parse(directory, parsed, error, false) ? Lookup(parsed, error) : nullptr;
    if (node) {
        for (const auto& child : node->children)
            names.push_back(child->name);
    }
    return names;
}

void SimFiles::DumpNode(const Node& node, int depth, std::string& out) {
    for (const auto& child : node.children) {
        out += std::string(depth * 2, ' ') + child->name;
        if (child->IsDir()) {
            out += "\\\n";
            DumpNode(*child, depth + 1, out);
        } else {
            out += " (" + std::to_string(child->bytes.size()) + " bytes, attributes " +
                   std::to_string(child->attributes) + ")\n";
        }
    }
}

std::string SimFiles::Dump() const {
    std::string out;
    for (const auto& [key, volume] : volumes_) {
        out += volume->root + "\\ free " + std::to_string(volume->freeBytes) +
               (volume->mediaPresent ? "" : " (no medium)") + "\n";
        DumpNode(volume->top, 1, out);
    }
    return out;
}

void SimFiles::InjectFailure(FileOp op, std::uint32_t error, int count, const std::string& path) {
    if (count == 0) return;
    std::string key;
    if (!path.empty()) {
        Path parsed;
        std::uint32_t ignored;
        Parse(path, parsed, ignored, false);
        key = parsed.key.empty() ? lib::AsciiUpper(path) : parsed.key;
    }
    failures_.push_back(Failure{op, key, error, count < 0 ? -1 : count});
}

int SimFiles::CountCalls(FileOp op, const std::string& path) const {
    int n = 0;
    for (const FileCall& call : calls)
        n += call.op == op && lib::EqualsNoCase(call.path, path);
    return n;
}

}  // namespace sim
