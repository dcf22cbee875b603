#include "sysopts/splash_screens.h"

#include "lib/files.h"
#include "lib/messages.h"

namespace sysopts {
namespace {

void ReportRenameFailure(port::Platform& os, const std::string& path) {
    lib::ShowError(os.dialogs, "Could not rename:\r" + path);
}

void ReportBackup(port::Platform& os, std::string_view fileName, const std::string& backup,
                  const std::string& normal) {
    const char* which = fileName == "LOGOS.SYS" ? "second" : "first";
    lib::ShowInformation(os.dialogs, std::string("Your existing original ") + which +
                                         " Shutdown-SplashScreen file\rhas been backuped as:\r" + backup +
                                         "\r\rPlease close RVLN!, delete the existing file (" +
                                         std::string(fileName) + ")\rand rename the backuped one to:\r" +
                                         normal + "\rif you want to use it as default.");
}

}  // namespace

std::string DisabledSplashName(std::string_view fileName) {
    return std::string(fileName.substr(0, 8)) + "!";
}

void SetSplashScreen(port::Platform& os, std::string_view fileName, bool disable, bool quiet) {
    std::string folder = os.system.GetWindowsDirectory();
    if (folder.empty()) {
        if (!quiet) lib::ShowError(os.dialogs, "Could not find Windows-Directory!");
        return;
    }
    if (folder.back() != '\\') folder += '\\';
    port::FilePort& files = os.files;
    const std::string normal = folder + std::string(fileName);
    const std::string disabled = folder + DisabledSplashName(fileName);

    if (disable) {
        if (!lib::FileExists(files, normal)) return;
        // An older disabled file gives way only once the current one can take its name.
        const bool ok = lib::FileExists(files, disabled) ? lib::ReplaceWithTemp(files, normal, disabled)
                                                         : files.MoveFile(normal, disabled);
        if (!ok) ReportRenameFailure(os, normal);
        return;
    }

    if (!lib::FileExists(files, disabled)) return;
    if (!lib::FileExists(files, normal)) {
        if (!files.MoveFile(disabled, normal)) ReportRenameFailure(os, disabled);
        return;
    }
    // Both names taken: the file under the normal name steps aside, renamed, never copied, so
    // that it cannot be lost on a full drive.
    const std::string backup = lib::NumberedTempName(files, normal);
    if (backup.empty() || !files.MoveFile(normal, backup)) {
        ReportRenameFailure(os, normal);
        return;
    }
    if (!files.MoveFile(disabled, normal)) {
        files.MoveFile(backup, normal);
        ReportRenameFailure(os, disabled);
        return;
    }
    ReportBackup(os, fileName, backup, normal);
}

}  // namespace sysopts
