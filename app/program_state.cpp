#include "app/program_state.h"

#include "lib/files.h"
#include "lib/text.h"

namespace app {

std::string ProgramState::ProgramDir() const {
    std::string path = os.system.ExecutablePath();
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ProgramState::DataDir() const {
    if (!dataDir_.empty()) return dataDir_;
    const std::string own = ProgramDir();
    dataDir_ = own;
    if (own.empty() || lib::FolderWritable(os.files, own)) return dataDir_;
    const std::string mine = UserDataDir();
    if (mine.empty()) return dataDir_;
    os.files.CreateDirectory(mine.substr(0, mine.size() - 1));
    if (lib::FolderWritable(os.files, mine)) dataDir_ = mine;
    return dataDir_;
}

std::string ProgramState::UserDataDir() const {
    std::string local = os.system.GetLocalAppDataFolder();
    if (local.empty()) return {};
    if (local.back() != '\\') local += '\\';
    return local + "Ravelin\\";
}

std::string ProgramState::FirstParameter() const {
    return lib::AsciiUpper(params.Get(1));
}

}  // namespace app
