#include "app/program_state.h"

#include "lib/text.h"

namespace app {

std::string ProgramState::ProgramDir() const {
    std::string path = os.system.ExecutablePath();
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ProgramState::FirstParameter() const {
    return lib::AsciiUpper(params.Get(1));
}

}  // namespace app
