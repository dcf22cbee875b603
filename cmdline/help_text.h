#pragma once
// The command-line help: the text of RVLNPARA.TXT and the short form shown in a box.
#include <string>

namespace cmdline {

inline constexpr const char* kHelpFileName = "RVLNPARA.TXT";

// All 32 lines, each ended by CR LF.
std::string HelpFileText();
// The first 26 lines for a message box, without a final line break.
std::string ShortHelpText();

}  // namespace cmdline
