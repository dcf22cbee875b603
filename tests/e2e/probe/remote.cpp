#include "remote.h"

#include <vector>

RemoteBuffer::RemoteBuffer(HWND owner, size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ =
        OwnedHandle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!process_) return;
    address_ = VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (address_) size_ = size;
}

RemoteBuffer::~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t size) {
    if (!address_ || offset + size > size_) return false;
    SIZE_T done = 0;
    return WriteProcessMemory(process_.Get(), static_cast<char*>(address_) + offset, data, size, &done) &&
           done == size;
}

bool RemoteBuffer::Read(size_t offset, void* data, size_t size) const {
    if (!address_ || offset + size > size_) return false;
    SIZE_T done = 0;
    return ReadProcessMemory(process_.Get(), static_cast<char*>(address_) + offset, data, size, &done) &&
           done == size;
}

std::wstring RemoteBuffer::ReadText(size_t offset, size_t maxChars) const {
    std::vector<wchar_t> chars(maxChars + 1, L'\0');
    if (!Read(offset, chars.data(), maxChars * sizeof(wchar_t))) return {};
    return std::wstring(chars.data());
}
