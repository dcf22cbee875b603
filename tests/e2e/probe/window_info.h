#pragma once
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "json.h"

// A stuck program must make a test fail, never hang the probe, so every message to another
// process goes through this bounded send.
std::optional<LRESULT> SendTimed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT timeoutMs = 3000);

std::wstring ClassOf(HWND hwnd);
std::wstring CaptionOf(HWND hwnd);
std::wstring TextOf(HWND hwnd);
// The program tags each control with a property "RvlnName.<component>"; empty when untagged.
std::wstring ComponentName(HWND hwnd);
DWORD ProcessOf(HWND hwnd);

class ProcessNames {
  public:
    ProcessNames();
    std::wstring Of(DWORD pid) const;

  private:
    std::map<DWORD, std::wstring> names_;
};

struct WindowFilter {
    std::optional<std::wstring> cls;
    std::optional<std::wstring> title;
    std::optional<std::wstring> exe;
    DWORD pid = 0;
    bool visibleOnly = false;

    bool Matches(HWND hwnd, const ProcessNames& names) const;
};

std::vector<HWND> TopLevelWindows();
std::vector<HWND> Descendants(HWND parent);
std::vector<HWND> MatchingTopLevel(const WindowFilter& filter);

void WriteRect(Json& json, const RECT& rect);
void WriteTopLevel(Json& json, HWND hwnd, const ProcessNames& names);
void WriteChild(Json& json, HWND hwnd);
