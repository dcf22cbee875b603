#include "sim/sim_files.h"

#include <algorithm>
#include <cctype>
#include "lib/text.h"
#include "sim/sim_system_info.h"
#include "sim/wildcard.h"

namespace sim {

namespace {

bool HasWildcard(const std::string& name) {
    return name.find_first_of("*?<>|\"") != std::string::npos;
}

// Win32 drops trailing dots and blanks of a path component.
std::string CleanName(std::string name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name;
}

}  // namespace

SimFiles::Node* SimFiles::Node::Child(const std::string& childName) const {
    for (const auto& child : children) {
        if (lib::EqualsNoCase(child->name, childName)) return child.get();
    }
    return nullptr;
}

void SimFiles::Node::Remove(const Node* child) {
    auto it = std::find_if(children.begin(), children.end(), [&](const auto& c) { return c.get() == child; });
    if (it != children.end()) children.erase(it);
}

SimFiles::SimFiles(const SimSystemInfo& system) : system_(system) {
    MakeDefaultMachine();
}

void SimFiles::MakeDefaultMachine() {
    AddDrive('C', port::kDriveFixed, 2ull << 30);
    SetVolumeInfo('C', port::VolumeInfo{"SYSTEM", 0x1A2B3C4D, "FAT32"});
    AddDirectory("C:\\WINDOWS\\TEMP");
    AddFile("C:\\RAVELIN\\RVLN.EXE", "MZ");
    currentVolume_ = "C:";
    currentParts_ = {"RAVELIN"};
}

std::string SimFiles::Key(const std::string& root) {
    return lib::AsciiUpper(root);
}

SimFiles::Volume* SimFiles::FindVolume(const std::string& key) const {
    auto it = volumes_.find(key);
    return it == volumes_.end() ? nullptr : it->second.get();
}

SimFiles::Volume* SimFiles::DriveVolume(char letter) const {
    return FindVolume(std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))) +
                      ":");
}

bool SimFiles::Parse(const std::string& path, Path& out, std::uint32_t& error, bool needMedium) const {
    std::string p = path;
    std::replace(p.begin(), p.end(), '/', '\\');
    std::string root, rest;
    bool relative = false;
    if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') {
        size_t serverEnd = p.find('\\', 2);
        size_t shareEnd = serverEnd == std::string::npos ? serverEnd : p.find('\\', serverEnd + 1);
        if (serverEnd == std::string::npos || serverEnd == 2 || shareEnd == serverEnd + 1) {
            error = kErrBadNetPath;
            return false;
        }
        root = p.substr(0, shareEnd);
        rest = shareEnd == std::string::npos ? std::string() : p.substr(shareEnd);
    } else if (p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]))) {
        root = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(p[0])))) + ":";
        rest = p.substr(2);
        // "X:NAME" is relative to the current directory only on the current drive.
        relative = (rest.empty() || rest[0] != '\\') && Key(root) == currentVolume_;
    } else {
        root = currentVolume_;
        relative = p.empty() || p[0] != '\\';
        rest = p;
    }
    Volume* volume = FindVolume(Key(root));
    if (!volume) {
        error = root.size() > 2 ? std::uint32_t{kErrBadNetPath} : std::uint32_t{port::kErrPathNotFound};
        return false;
    }
    out.volume = volume;
    out.parts = relative ? currentParts_ : std::vector<std::string>();
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find('\\', start);
        if (end == std::string::npos) end = rest.size();
        std::string part = rest.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!out.parts.empty()) out.parts.pop_back();
            continue;
        }
        if (HasWildcard(part)) {
            error = kErrInvalidName;
            return false;
        }
        part = CleanName(part);
        if (!part.empty()) out.parts.push_back(part);
    }
    out.key = Key(volume->root);
    for (const std::string& part : out.parts)
        out.key += "\\" + lib::AsciiUpper(part);
    if (needMedium && !volume->mediaPresent) {
        error = port::kErrNotReady;
        return false;
    }
    return true;
}

SimFiles::Node* SimFiles::Follow(Node* node) const {
    // A chain of links ends after a few steps, as a loop of junctions does on Windows.
    for (int hops = 0; node && !node->linkTarget.empty(); ++hops) {
        Path target;
        std::uint32_t error = 0;
        if (hops == 8 || !Parse(node->linkTarget, target, error)) return nullptr;
        node = Lookup(target, error);
    }
    return node;
}

SimFiles::Node* SimFiles::Parent(const Path& path, std::uint32_t& error) const {
    const Node* node = &path.volume->top;
    for (size_t i = 0; i + 1 < path.parts.size(); ++i) {
        node = Follow(node->Child(path.parts[i]));
        if (!node || !node->IsDir()) {
            error = port::kErrPathNotFound;
            return nullptr;
        }
    }
    return const_cast<Node*>(node);
}

SimFiles::Node* SimFiles::Lookup(const Path& path, std::uint32_t& error) const {
    if (path.parts.empty()) return &path.volume->top;
    Node* parent = Parent(path, error);
    if (!parent) return nullptr;
    Node* node = parent->Child(path.parts.back());
    if (!node) error = port::kErrFileNotFound;
    return node;
}

std::string SimFiles::Display(const Path& path) const {
    std::string out = path.volume->root;
    const Node* node = &path.volume->top;
    for (const std::string& part : path.parts) {
        node = node ? node->Child(part) : nullptr;
        out += "\\" + (node ? node->name : part);
    }
    return path.parts.empty() ? out + "\\" : out;
}

SimFiles::Node* SimFiles::MakeParents(const Path& path) {
    Node* node = &path.volume->top;
    for (size_t i = 0; i + 1 < path.parts.size(); ++i) {
        Node* next = node->Child(path.parts[i]);
        if (!next) {
            node->children.push_back(std::make_unique<Node>());
            next = node->children.back().get();
            next->name = path.parts[i];
            next->attributes = port::kAttrDirectory;
        }
        if (!next->IsDir()) return nullptr;
        node = next;
    }
    return node;
}

bool SimFiles::Injected(FileOp op, const std::string& path, const std::string& path2, std::uint32_t& error) {
    auto keyOf = [&](const std::string& p) {
        Path parsed;
        std::uint32_t ignored;
        Parse(p, parsed, ignored, false);
        return parsed.key.empty() ? lib::AsciiUpper(p) : parsed.key;
    };
    auto covers = [](const std::string& rule, const std::string& key) {
        return rule.empty() || key == rule || key.rfind(rule + "\\", 0) == 0;
    };
    for (auto it = failures_.begin(); it != failures_.end(); ++it) {
        if (it->op != FileOp::Any && it->op != op) continue;
        if (!covers(it->path, keyOf(path)) && (path2.empty() || !covers(it->path, keyOf(path2)))) continue;
        error = it->error;
        if (it->remaining > 0 && --it->remaining == 0) failures_.erase(it);
        return true;
    }
    return false;
}

bool SimFiles::Done(FileOp op, const std::string& path, const std::string& path2, std::uint32_t error) {
    calls.push_back(FileCall{op, path, path2, error == 0, error});
    if (error != 0) lastError_ = error;
    return error == 0;
}

bool SimFiles::FindFiles(const std::string& pattern, std::vector<port::FindData>& out) {
    out.clear();
    std::string p = pattern;
    std::replace(p.begin(), p.end(), '/', '\\');
    size_t slash = p.rfind('\\');
    std::string dir, mask;
    if (slash != std::string::npos) {
        dir = p.substr(0, slash + 1);
        mask = p.substr(slash + 1);
    } else if (p.size() >= 2 && p[1] == ':') {
        dir = p.substr(0, 2);
        mask = p.substr(2);
    } else {
        mask = p;
    }
    std::uint32_t error = 0;
    if (Injected(FileOp::Find, dir, {}, error)) return Done(FileOp::Find, pattern, {}, error);
    Path path;
    if (!Parse(dir, path, error)) return Done(FileOp::Find, pattern, {}, error);
    Node* node = Follow(Lookup(path, error));
    if (!node || !node->IsDir()) return Done(FileOp::Find, pattern, {}, port::kErrPathNotFound);
    if (!path.parts.empty()) {
        for (const char* special : {".", ".."}) {
            if (WildcardMatch(mask, special)) out.push_back(port::FindData{special, port::kAttrDirectory, 0});
        }
    }
    for (const auto& child : node->children) {
        if (WildcardMatch(mask, child->name)) {
            out.push_back(port::FindData{child->name, Reported(child->attributes), child->bytes.size()});
        }
    }
    return Done(FileOp::Find, pattern, {}, out.empty() ? std::uint32_t{port::kErrFileNotFound} : 0);
}

std::uint32_t SimFiles::GetFileAttributes(const std::string& path) {
    std::uint32_t error = 0;
    Path parsed;
    Node* node = nullptr;
    if (!Injected(FileOp::GetAttributes, path, {}, error) && Parse(path, parsed, error))
        node = Lookup(parsed, error);
    Done(FileOp::GetAttributes, path, {}, node ? 0 : error);
    return node ? Reported(node->attributes) : port::kInvalidAttributes;
}

bool SimFiles::SetFileAttributes(const std::string& path, std::uint32_t attributes) {
    std::uint32_t error = 0;
    Path parsed;
    if (Injected(FileOp::SetAttributes, path, {}, error) || !Parse(path, parsed, error)) {
        return Done(FileOp::SetAttributes, path, {}, error);
    }
    Node* node = Lookup(parsed, error);
    if (!node) return Done(FileOp::SetAttributes, path, {}, error);
    if (parsed.volume->writeError) return Done(FileOp::SetAttributes, path, {}, parsed.volume->writeError);
    node->attributes = (attributes & kKeptAttributes) |
                       (node->attributes & (port::kAttrDirectory | port::kAttrReparsePoint));
    return Done(FileOp::SetAttributes, path, {}, 0);
}

bool SimFiles::DeleteFile(const std::string& path) {
    std::uint32_t error = 0;
    Path parsed;
    if (Injected(FileOp::Delete, path, {}, error) || !Parse(path, parsed, error)) {
        return Done(FileOp::Delete, path, {}, error);
    }
    Node* node = Lookup(parsed, error);
    if (!node) return Done(FileOp::Delete, path, {}, error);
    if (parsed.parts.empty() || node->IsDir() || (node->attributes & port::kAttrReadOnly)) {
        return Done(FileOp::Delete, path, {}, port::kErrAccessDenied);
    }
    if (parsed.volume->writeError) return Done(FileOp::Delete, path, {}, parsed.volume->writeError);
    parsed.volume->freeBytes += node->bytes.size();
    Parent(parsed, error)->Remove(node);
    return Done(FileOp::Delete, path, {}, 0);
}

bool SimFiles::CreateDirectory(const std::string& path) {
    std::uint32_t error = 0;
    Path parsed;
    if (Injected(FileOp::CreateDirectory, path, {}, error) || !Parse(path, parsed, error)) {
        return Done(FileOp::CreateDirectory, path, {}, error);
    }
    if (parsed.parts.empty()) return Done(FileOp::CreateDirectory, path, {}, port::kErrAlreadyExists);
    Node* parent = Parent(parsed, error);
    if (!parent) return Done(FileOp::CreateDirectory, path, {}, error);
    if (parent->Child(parsed.parts.back()))
        return Done(FileOp::CreateDirectory, path, {}, port::kErrAlreadyExists);
    if (parsed.volume->writeError) return Done(FileOp::CreateDirectory, path, {}, parsed.volume->writeError);
    parent->children.push_back(std::make_unique<Node>());
    parent->children.back()->name = parsed.parts.back();
    parent->children.back()->attributes = port::kAttrDirectory;
    return Done(FileOp::CreateDirectory, path, {}, 0);
}

bool SimFiles::RemoveDirectory(const std::string& path) {
    std::uint32_t error = 0;
    Path parsed;
    if (Injected(FileOp::RemoveDirectory, path, {}, error) || !Parse(path, parsed, error)) {
        return Done(FileOp::RemoveDirectory, path, {}, error);
    }
    Node* node = Lookup(parsed, error);
    if (!node) return Done(FileOp::RemoveDirectory, path, {}, error);
    if (parsed.parts.empty()) return Done(FileOp::RemoveDirectory, path, {}, port::kErrAccessDenied);
    if (!node->IsDir()) return Done(FileOp::RemoveDirectory, path, {}, kErrDirectory);
    if (!node->children.empty()) return Done(FileOp::RemoveDirectory, path, {}, kErrDirNotEmpty);
    if (node->attributes & port::kAttrReadOnly)
        return Done(FileOp::RemoveDirectory, path, {}, port::kErrAccessDenied);
    if (parsed.volume->writeError) return Done(FileOp::RemoveDirectory, path, {}, parsed.volume->writeError);
    if (Key(parsed.volume->root) == currentVolume_ && currentParts_.size() >= parsed.parts.size() &&
        std::equal(parsed.parts.begin(), parsed.parts.end(), currentParts_.begin(),
                   [](const std::string& a, const std::string& b) { return lib::EqualsNoCase(a, b); })) {
        return Done(FileOp::RemoveDirectory, path, {}, kErrSharingViolation);
    }
    Parent(parsed, error)->Remove(node);
    return Done(FileOp::RemoveDirectory, path, {}, 0);
}

bool SimFiles::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    std::uint32_t error = 0;
    Path src, dst;
    if (Injected(FileOp::Copy, from, to, error) || !Parse(from, src, error))
        return Done(FileOp::Copy, from, to, error);
    Node* source = Lookup(src, error);
    if (!source) return Done(FileOp::Copy, from, to, error);
    if (source->IsDir()) return Done(FileOp::Copy, from, to, port::kErrAccessDenied);
    if (!Parse(to, dst, error)) return Done(FileOp::Copy, from, to, error);
    if (dst.parts.empty()) return Done(FileOp::Copy, from, to, port::kErrAccessDenied);
    Node* parent = Parent(dst, error);
    if (!parent) return Done(FileOp::Copy, from, to, error);
    Node* target = parent->Child(dst.parts.back());
    if (target == source) return Done(FileOp::Copy, from, to, kErrSharingViolation);
    if (target && failIfExists) return Done(FileOp::Copy, from, to, kErrFileExists);
    if (target && (target->IsDir() || (target->attributes & port::kAttrReadOnly))) {
        return Done(FileOp::Copy, from, to, port::kErrAccessDenied);
    }
    if (dst.volume->writeError) return Done(FileOp::Copy, from, to, dst.volume->writeError);
    std::uint64_t room = dst.volume->freeBytes + (target ? target->bytes.size() : 0);
    if (source->bytes.size() > room) return Done(FileOp::Copy, from, to, port::kErrDiskFull);
    dst.volume->freeBytes = room - source->bytes.size();
    if (!target) {
        parent->children.push_back(std::make_unique<Node>());
        target = parent->children.back().get();
        target->name = dst.parts.back();
    }
    target->bytes = source->bytes;
    target->attributes = (source->attributes & kKeptAttributes) | port::kAttrArchive;
    return Done(FileOp::Copy, from, to, 0);
}

bool SimFiles::Move(const std::string& from, const std::string& to, bool replace, bool copyAllowed) {
    std::uint32_t error = 0;
    Path src, dst;
    if (Injected(FileOp::Move, from, to, error) || !Parse(from, src, error))
        return Done(FileOp::Move, from, to, error);
    Node* source = Lookup(src, error);
    if (!source) return Done(FileOp::Move, from, to, error);
    if (src.parts.empty() || !Parse(to, dst, error)) {
        return Done(FileOp::Move, from, to, error ? error : port::kErrAccessDenied);
    }
    if (dst.parts.empty()) return Done(FileOp::Move, from, to, port::kErrAccessDenied);
    Node* parent = Parent(dst, error);
    if (!parent) return Done(FileOp::Move, from, to, error);
    Node* target = parent->Child(dst.parts.back());
    if (target == source) {
        source->name = dst.parts.back();  // a change of case only
        return Done(FileOp::Move, from, to, 0);
    }
    if (target && !replace) return Done(FileOp::Move, from, to, port::kErrAlreadyExists);
    if (target && (target->IsDir() || source->IsDir() || (target->attributes & port::kAttrReadOnly))) {
        return Done(FileOp::Move, from, to, port::kErrAccessDenied);
    }
    if (source->IsDir() && dst.key.rfind(src.key + "\\", 0) == 0) {
        return Done(FileOp::Move, from, to, port::kErrAccessDenied);
    }
    if (src.volume->writeError || dst.volume->writeError) {
        return Done(FileOp::Move, from, to,
                    src.volume->writeError ? src.volume->writeError : dst.volume->writeError);
    }
    const bool sameVolume = src.volume == dst.volume;
    if (!sameVolume && (source->IsDir() || !copyAllowed))
        return Done(FileOp::Move, from, to, kErrNotSameDevice);
    const std::uint64_t targetSize = target ? target->bytes.size() : 0;
    if (!sameVolume && source->bytes.size() > dst.volume->freeBytes + targetSize) {
        return Done(FileOp::Move, from, to, port::kErrDiskFull);
    }
    dst.volume->freeBytes += targetSize;
    if (!sameVolume) {
        dst.volume->freeBytes -= source->bytes.size();
        src.volume->freeBytes += source->bytes.size();
    }
    if (target) parent->Remove(target);
    Node* sourceParent = Parent(src, error);
    auto it = std::find_if(sourceParent->children.begin(), sourceParent->children.end(),
                           [&](const auto& c) { return c.get() == source; });
    std::unique_ptr<Node> moved = std::move(*it);
    sourceParent->children.erase(it);
    moved->name = dst.parts.back();
    parent->children.push_back(std::move(moved));
    return Done(FileOp::Move, from, to, 0);
}

bool SimFiles::MoveFile(const std::string& from, const std::string& to) {
    return Move(from, to, false, true);
}

bool SimFiles::MoveFileEx(const std::string& from, const std::string& to, std::uint32_t flags) {
    if (system_.IsWin9x()) return Done(FileOp::Move, from, to, port::kErrCallNotImplemented);
    return Move(from, to, flags & port::kMoveReplaceExisting, flags & port::kMoveCopyAllowed);
}

bool SimFiles::ReadFile(const std::string& path, std::string& bytes) {
    std::uint32_t error = 0;
    Path parsed;
    if (Injected(FileOp::Read, path, {}, error) || !Parse(path, parsed, error))
        return Done(FileOp::Read, path, {}, error);
    Node* node = Lookup(parsed, error);
    if (!node) return Done(FileOp::Read, path, {}, error);
    if (node->IsDir()) return Done(FileOp::Read, path, {}, port::kErrAccessDenied);
    bytes = node->bytes;
    return Done(FileOp::Read, path, {}, 0);
}

bool SimFiles::WriteBytes(const std::string& path, const std::string& bytes, bool append) {
    std::uint32_t error = 0;
    Path parsed;
    if (Injected(FileOp::Write, path, {}, error) || !Parse(path, parsed, error))
        return Done(FileOp::Write, path, {}, error);
    if (parsed.parts.empty()) return Done(FileOp::Write, path, {}, port::kErrAccessDenied);
    Node* parent = Parent(parsed, error);
    if (!parent) return Done(FileOp::Write, path, {}, error);
    Node* node = parent->Child(parsed.parts.back());
    if (node && (node->IsDir() || (node->attributes & port::kAttrReadOnly))) {
        return Done(FileOp::Write, path, {}, port::kErrAccessDenied);
    }
    Volume& volume = *parsed.volume;
    if (volume.writeError) return Done(FileOp::Write, path, {}, volume.writeError);
    if (!node) {
        parent->children.push_back(std::make_unique<Node>());
        node = parent->children.back().get();
        node->name = parsed.parts.back();
    }
    node->attributes |= port::kAttrArchive;
    if (!append) {
        // The file is opened with truncation before the bytes go out.
        volume.freeBytes += node->bytes.size();
        node->bytes.clear();
    }
    if (bytes.size() > volume.freeBytes) return Done(FileOp::Write, path, {}, port::kErrDiskFull);
    volume.freeBytes -= bytes.size();
    node->bytes += bytes;
    return Done(FileOp::Write, path, {}, 0);
}

bool SimFiles::WriteFile(const std::string& path, const std::string& bytes) {
    return WriteBytes(path, bytes, false);
}

bool SimFiles::AppendFile(const std::string& path, const std::string& bytes) {
    return WriteBytes(path, bytes, true);
}

bool SimFiles::WriteNewFileFlushed(const std::string& path, const std::string& bytes, bool& created) {
    created = false;
    std::uint32_t error = 0;
    Path parsed;
    if (Parse(path, parsed, error) && !parsed.parts.empty()) {
        if (Node* parent = Parent(parsed, error); parent && parent->Child(parsed.parts.back())) {
            return Done(FileOp::Write, path, {}, kErrFileExists);
        }
    }
    if (!WriteBytes(path, {}, false)) return false;
    created = true;
    if (!WriteBytes(path, bytes, true)) return false;
    if (Injected(FileOp::Flush, path, {}, error)) return Done(FileOp::Flush, path, {}, error);
    return Done(FileOp::Flush, path, {}, 0);
}

bool SimFiles::GetDiskFreeSpace(const std::string& root, std::uint64_t& freeBytes) {
    std::uint32_t error = 0;
    Path parsed;
    if (Injected(FileOp::FreeSpace, root, {}, error) || !Parse(root, parsed, error)) {
        return Done(FileOp::FreeSpace, root, {}, error);
    }
    freeBytes = parsed.volume->freeBytes;
    return Done(FileOp::FreeSpace, root, {}, 0);
}

std::string SimFiles::GetCurrentDirectory() {
    Volume* volume = FindVolume(currentVolume_);
    if (!volume) return {};
    Path path;
    path.volume = volume;
    path.parts = currentParts_;
    return Display(path);
}

std::string SimFiles::GetFullPathName(const std::string& path) {
    std::uint32_t error = 0;
    Path parsed;
    if (path.empty() || !Parse(path, parsed, error, false)) {
        lastError_ = error ? error : kErrInvalidName;
        return {};
    }
    return Display(parsed);
}

bool SimFiles::SetCurrentDirectory(const std::string& path) {
    std::uint32_t error = 0;
    Path parsed;
    if (Injected(FileOp::SetCurrentDirectory, path, {}, error) || !Parse(path, parsed, error)) {
        return Done(FileOp::SetCurrentDirectory, path, {}, error);
    }
    Node* node = Lookup(parsed, error);
    if (!node) return Done(FileOp::SetCurrentDirectory, path, {}, error);
    if (!node->IsDir()) return Done(FileOp::SetCurrentDirectory, path, {}, kErrDirectory);
    currentVolume_ = Key(parsed.volume->root);
    currentParts_.clear();
    const Node* walk = &parsed.volume->top;
    for (const std::string& part : parsed.parts) {
        walk = walk->Child(part);
        currentParts_.push_back(walk->name);
    }
    return Done(FileOp::SetCurrentDirectory, path, {}, 0);
}

}  // namespace sim
