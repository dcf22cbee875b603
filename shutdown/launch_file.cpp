#include "shutdown/launch_file.h"

#include "lib/messages.h"
#include "lib/paths.h"

namespace shutdown {

std::string LaunchErrorText(std::intptr_t result) {
    switch (result) {
        case 0:
            return "ERROR: System out of memory or resources!";
        case 2:
            return "ERROR: The specified file was not found!";
        case 3:
            return "ERROR: The specified path was not found!";
        case 11:
            return "ERROR: The executable file you specified\ris invalid!\r\r(Non-Win32 .EXE or error in "
                   ".EXE image)";
        case 26:
            return "ERROR: A sharing violation occurred!";
        case 27:
            return "ERROR: Filename association is incomplete or invalid!";
        case 28:
            return "ERROR: DDE request timed out!";
        case 29:
            return "ERROR: DDE transaction failed!";
        case 30:
            return "ERROR: DDE transaction could not\rbe completed because other DDE transactions\rwere "
                   "being "
                   "processed!";
        case 31:
            return "ERROR: No filetype associated with\rthis extension!";
        default:
            return "ERROR: The operating system reports error #" + std::to_string(result) + " !";
    }
}

LaunchResult LaunchFile(port::Platform& os, const std::string& file, const std::string& parameters,
                        const std::string& verb, int showCommand) {
    const bool knownVerb = verb == "open" || verb == "print" || verb == "explore";
    std::string directory = lib::FolderOf(file);
    std::string params = parameters;
    // Parameters that name a document run in the document's folder with its bare name. The
    // name is passed whole: cutting it to an 8.3 length would open another file. Parameters
    // whose folder part is no folder ("/AUTO C:\DATA\LIST.TXT") are options, passed as they are.
    if (params.find('.') != std::string::npos && (params.empty() || params.back() != '\\')) {
        std::string documentFolder = lib::FolderOf(params);
        const std::uint32_t attributes =
            documentFolder.empty() ? port::kInvalidAttributes : os.files.GetFileAttributes(documentFolder);
        if (attributes != port::kInvalidAttributes && (attributes & port::kAttrDirectory)) {
            directory = documentFolder;
            params = lib::FileNameOf(params);
        }
    }
    LaunchResult result;
    result.raw = os.shell.ShellExecute(os.windows.ApplicationWindow(), knownVerb ? verb : std::string(), file,
                                       params, directory, showCommand);
    result.ok = result.raw > 32;
    if (!result.ok) lib::ShowError(os.dialogs, LaunchErrorText(result.raw));
    return result;
}

}  // namespace shutdown
