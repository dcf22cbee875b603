#pragma once
#include <windows.h>

#include <string>

#include "json.h"

// Adds what a user can read off a standard control (check marks, list entries, status panels,
// tab captions, positions) to the JSON object being written for it.
void WriteControlDetails(Json& json, HWND hwnd, const std::wstring& cls);
