#pragma once
// What several test groups share: unique names per run, a scratch folder, a probe window.
#include "win32/ports/win_api.h"

#include <string>

namespace support {

// Names carry the process id, so parallel runs in one prefix never meet.
std::string Unique(const std::string& stem);

// A fresh folder under the temp path, with its final backslash.
std::string ScratchFolder(const std::string& stem);

// Deletes the folder's files and subfolders, clearing read-only attributes on the way.
void RemoveTree(const std::wstring& folder);

// A hidden top-level window of class "RvlnAdapterProbe"; NULL without a display.
HWND CreateProbeWindow(const wchar_t* title);

}  // namespace support
