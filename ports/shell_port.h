#pragma once
// Starting programs and documents.
#include <cstdint>
#include <string>
#include "ports/types.h"

namespace port {

enum : int {
    kSwHide = 0,
    kSwShowNormal = 1,
    kSwShowMinimized = 2,
    kSwMaximize = 3,
    kSwShow = 5,
    kSwMinimize = 6,
    kSwRestore = 9
};

class ShellPort {
  public:
    virtual ~ShellPort() = default;
    // ShellExecuteA; returns its result (above 32 is success, else an SE_ERR_ / Win32 code).
    virtual std::intptr_t ShellExecute(WindowId owner, const std::string& verb, const std::string& file,
                                       const std::string& parameters, const std::string& directory,
                                       int showCommand) = 0;
};

}  // namespace port
