#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>
#include <string>

#include "ports/shell_port.h"

namespace win32 {

class Win32Shell final : public port::ShellPort {
  public:
    // Empty verb, parameters or directory are passed as NULL: the default verb, no parameters,
    // the current directory.
    std::intptr_t ShellExecute(port::WindowId owner, const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string& directory,
                               int showCommand) override;
};

}  // namespace win32
