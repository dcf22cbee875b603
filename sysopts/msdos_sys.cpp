#include "sysopts/msdos_sys.h"

#include <vector>

#include "lib/files.h"
#include "lib/messages.h"
#include "lib/text.h"

namespace sysopts {
namespace {

// A line as it stands in the file: its text, then its line end (CR LF, LF, or none at the end).
struct Line {
    std::string_view text;
    std::string_view end;
};

std::vector<Line> SplitLines(std::string_view bytes) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < bytes.size()) {
        const size_t lf = bytes.find('\n', pos);
        if (lf == std::string_view::npos) {
            lines.push_back({bytes.substr(pos), {}});
            break;
        }
        const size_t textEnd = lf > pos && bytes[lf - 1] == '\r' ? lf - 1 : lf;
        lines.push_back({bytes.substr(pos, textEnd - pos), bytes.substr(textEnd, lf + 1 - textEnd)});
        pos = lf + 1;
    }
    return lines;
}

bool IsSectionHeader(std::string_view text) {
    const std::string trimmed = lib::Trim(text);
    return !trimmed.empty() && trimmed.front() == '[';
}

bool IsOptionsHeader(std::string_view text) {
    return lib::EqualsNoCase(lib::Trim(text), "[Options]");
}

constexpr const char* kMsdosSys = "C:\\MSDOS.SYS";
constexpr std::uint32_t kKeptAttributes =
    port::kAttrReadOnly | port::kAttrHidden | port::kAttrSystem | port::kAttrArchive;

void ReportRenameFailure(port::Platform& os, const std::string& temp) {
    os.feedback.MessageBeep(port::kMbBeepOk);
    os.feedback.MessageBeep(port::kMbBeepExclamation);
    lib::ShowError(os.dialogs,
                   "ERROR:\r\rCould not rename: " + temp +
                       "\rinto: C:\\MSDOS.SYS\r\rPlease make sure that your MSDOS.SYS file on your\r"
                       "BootDrive (e.g. C:\\MSDOS.SYS) is still there.\rOtherwise please rename " +
                       temp + " into\rC:\\MSDOS.SYS, or you will not be able to restart\ryour system!");
}

}  // namespace

std::optional<std::string> EditMsdosSysText(std::string_view bytes, std::string_view key,
                                            std::string_view value) {
    const std::vector<Line> lines = SplitLines(bytes);
    size_t options = lines.size();
    for (size_t i = 0; i < lines.size() && options == lines.size(); ++i) {
        if (IsOptionsHeader(lines[i].text)) options = i;
    }
    if (options == lines.size()) return std::nullopt;

    std::string entry(key);
    entry += '=';
    entry += value;

    // Where a new line goes: before the section that follows [Options], else at the end.
    size_t insertAt = lines.size();
    for (size_t i = options + 1; i < lines.size(); ++i) {
        if (IsSectionHeader(lines[i].text)) {
            insertAt = i;
            break;
        }
    }

    bool matched = false;
    std::string out;
    out.reserve(bytes.size() + entry.size() + 4);
    for (const Line& line : lines) {
        if (line.text.find(key) != std::string_view::npos) {
            out += entry;
            matched = true;
        } else {
            out += line.text;
        }
        out += line.end;
    }
    if (matched) return out;

    if (insertAt == lines.size()) {
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        return out + entry + "\r\n";
    }
    size_t offset = 0;
    for (size_t i = 0; i < insertAt; ++i)
        offset += lines[i].text.size() + lines[i].end.size();
    return out.insert(offset, entry + "\r\n");
}

MsdosSysResult SetMsdosSysOption(port::Platform& os, std::string_view key, std::string_view value,
                                 bool addMissing, bool quiet) {
    port::FilePort& files = os.files;
    const std::uint32_t attributes = files.GetFileAttributes(kMsdosSys);
    std::string bytes;
    std::optional<std::string> edited;
    if (attributes != port::kInvalidAttributes && !(attributes & port::kAttrDirectory) &&
        files.ReadFile(kMsdosSys, bytes)) {
        edited = EditMsdosSysText(bytes, key, value);
    }
    if (!edited) {
        if (!quiet) {
            lib::ShowError(
                os.dialogs,
                "ERROR:\r\rC:\\MSDOS.SYS is missing or has no [Options] section.\rIt has not been changed.");
        }
        return MsdosSysResult::Missing;
    }
    if (*edited == bytes || (!addMissing && bytes.find(key) == std::string::npos))
        return MsdosSysResult::Unchanged;

    // The whole new file exists before the old one goes.
    const std::string temp = lib::NumberedTempName(files, kMsdosSys);
    if (temp.empty() || !files.WriteFile(temp, *edited)) {
        if (!temp.empty()) files.DeleteFile(temp);
        lib::ShowError(os.dialogs, "ERROR:\r\rCould not write: " + (temp.empty() ? "C:\\MSDOS.999" : temp) +
                                       "\rC:\\MSDOS.SYS has not been changed.");
        return MsdosSysResult::Failed;
    }

    // A read-only file cannot be replaced; whichever file carries the name afterwards gets the
    // attributes back, so that Windows still finds its hidden system file.
    const bool cdrom = os.devices.GetDriveType("C:\\") == port::kDriveCdrom;
    const std::uint32_t kept = attributes & kKeptAttributes;
    if (!cdrom) files.SetFileAttributes(kMsdosSys, port::kAttrNormal);
    const bool replaced = lib::ReplaceWithTemp(files, temp, kMsdosSys);
    if (!cdrom) files.SetFileAttributes(kMsdosSys, kept ? kept : port::kAttrNormal);
    if (!replaced) {
        ReportRenameFailure(os, temp);
        return MsdosSysResult::Failed;
    }
    return MsdosSysResult::Changed;
}

}  // namespace sysopts
