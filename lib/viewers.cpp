#include "lib/viewers.h"

#include "lib/files.h"
#include "lib/text.h"

namespace lib {

std::string ChooseViewer(port::FilePort& files, std::string_view chosen, std::string_view builtIn) {
    if (chosen.empty() || EqualsNoCase(chosen, builtIn)) return std::string(builtIn);
    const std::string path(chosen);
    return FileExists(files, path) ? path : std::string(builtIn);
}

}  // namespace lib
