#include "win32/ports/shell.h"

#include "win32/on_demand.h"
#include "win32/ports/ids.h"
#include "win32/text.h"

namespace win32 {

namespace {

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

std::intptr_t Win32Shell::ShellExecute(port::WindowId owner, const std::string& verb, const std::string& file,
                                       const std::string& parameters, const std::string& directory,
                                       int showCommand) {
    std::wstring wverb = Widen(verb), wfile = Widen(file), wparams = Widen(parameters),
                 wdir = Widen(directory);
    HINSTANCE result = on_demand::ShellExecuteW(ToHwnd(owner), OrNull(wverb), wfile.c_str(), OrNull(wparams),
                                                OrNull(wdir), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace win32
