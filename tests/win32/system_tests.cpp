// System information, atoms, the shell, the shutdown privilege and the event log.
#include "win32/ports/win_api.h"

#include <cstdlib>

#include "tests/win32/check.h"
#include "tests/win32/support.h"
#include "win32/ports/atoms.h"
#include "win32/ports/event_log.h"
#include "win32/ports/session.h"
#include "win32/ports/shell.h"
#include "win32/ports/system_info.h"
#include "win32/text.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsFolder(const std::string& path) {
    DWORD attributes = ::GetFileAttributesW(win32::Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct ExpectedVersion {
    const char* name;
    std::uint32_t platform, major, minor, build;  // build 0: any
};

// What Wine reports for its version settings.
const ExpectedVersion kVersions[] = {
    {"win95", 1, 4, 0, 950},  {"win98", 1, 4, 10, 2222}, {"nt351", 2, 3, 51, 1057}, {"nt40", 2, 4, 0, 1381},
    {"win2k", 2, 5, 0, 2195}, {"winxp", 2, 5, 1, 2600},  {"win7", 2, 6, 1, 7601},   {"win8", 2, 6, 2, 9200},
    {"win81", 2, 6, 3, 9600}, {"win10", 2, 10, 0, 0},
};

}  // namespace

// The runner names the system the prefix pretends to be in RVLN_EXPECT_OS.
CHECK_GROUP(version) {
    win32::Win32SystemInfo info;
    port::OsVersion version = info.GetVersionEx();
    CHECK(version.ok);
    const char* expected = std::getenv("RVLN_EXPECT_OS");
    if (!expected) {
        check::Record(false, __FILE__, __LINE__, "RVLN_EXPECT_OS names the system the prefix pretends to be");
        return;
    }
    const ExpectedVersion* want = nullptr;
    for (const ExpectedVersion& v : kVersions)
        if (Lower(expected) == v.name) want = &v;
    CHECK(want != nullptr);
    if (!want) return;
    CHECK_EQ(version.platformId, want->platform);
    CHECK_EQ(version.major, want->major);
    CHECK_EQ(version.minor, want->minor);
    // Windows 95/98 put the version into the high word of the build number.
    std::uint32_t build =
        version.platformId == port::kPlatformWindows ? (version.build & 0xFFFF) : version.build;
    if (want->build) CHECK_EQ(build, want->build);
}

CHECK_GROUP(system) {
    win32::Win32SystemInfo info;

    std::string user;
    CHECK(info.GetUserName(user));
    CHECK(!user.empty());
    wchar_t envUser[256] = {};
    if (::GetEnvironmentVariableW(L"USERNAME", envUser, 256))
        CHECK_EQ(Lower(user), Lower(win32::Narrow(envUser)));

    CHECK(info.GetSystemDefaultLangID() != 0);
    CHECK_EQ(info.GetSystemDefaultLangID(), ::GetSystemDefaultLangID());

    port::MemoryStatus memory = info.GlobalMemoryStatus();
    CHECK(memory.totalPhys > 0);
    CHECK(memory.availPhys > 0);
    CHECK(memory.availPhys <= memory.totalPhys);
    CHECK(memory.memoryLoad <= 100);
    CHECK(memory.totalVirtual > 0);
    CHECK(memory.totalPageFile >= memory.availPageFile);

    CHECK(info.GetKeyboardType(2) > 0);  // function keys
    CHECK_EQ(info.GetSystemMetrics(port::kSmCxIcon), 32);
    CHECK_EQ(info.GetSystemMetrics(port::kSmCyIcon), 32);

    std::string windows = info.GetWindowsDirectory();
    CHECK(!windows.empty());
    CHECK(!EndsWith(windows, "\\"));
    CHECK(IsFolder(windows));

    std::string temp = info.GetTempPath();
    CHECK(EndsWith(temp, "\\"));
    CHECK(IsFolder(temp));

    std::string exe = info.ExecutablePath();
    CHECK(EndsWith(Lower(exe), "\\adapter_tests.exe"));
    CHECK(::GetFileAttributesW(win32::Widen(exe).c_str()) != INVALID_FILE_ATTRIBUTES);

    CHECK(Lower(info.CommandLine()).find("adapter_tests") != std::string::npos);
}

CHECK_GROUP(atoms) {
    win32::Win32Atoms atoms;
    const std::string name = support::Unique("RVLN!-adapter-test-\xC3\xBC");
    CHECK_EQ(atoms.GlobalFindAtom(name), 0);
    port::Atom atom = atoms.GlobalAddAtom(name);
    CHECK(atom != 0);
    CHECK_EQ(atoms.GlobalFindAtom(name), atom);
    CHECK_EQ(::GlobalFindAtomW(win32::Widen(name).c_str()), atom);
    CHECK_EQ(atoms.GlobalAddAtom(name), atom);  // counted twice now
    atoms.GlobalDeleteAtom(atom);
    CHECK_EQ(atoms.GlobalFindAtom(name), atom);
    atoms.GlobalDeleteAtom(atom);
    CHECK_EQ(atoms.GlobalFindAtom(name), 0);
}

CHECK_GROUP(shell) {
    win32::Win32Shell shell;
    std::string missing = support::ScratchFolder("shell") + "no such program.exe";
    CHECK(shell.ShellExecute(0, "open", missing, "", "", port::kSwShowNormal) <= 32);
    CHECK(shell.ShellExecute(0, "", missing, "/x", "C:\\", port::kSwHide) <= 32);
    support::RemoveTree(win32::Widen(missing.substr(0, missing.rfind('\\'))));
}

CHECK_GROUP(session) {
    win32::Win32Session session;
    CHECK(session.OpenProcessToken());
    CHECK_EQ(session.LastError(), 0u);
    CHECK(session.LookupShutdownPrivilege());
    CHECK_EQ(session.LastError(), 0u);
    bool adjusted = session.AdjustTokenPrivileges();
    CHECK(adjusted);
    CHECK(session.LastError() == ERROR_SUCCESS || session.LastError() == ERROR_NOT_ALL_ASSIGNED);
    session.CloseProcessToken();
    CHECK(!session.AdjustTokenPrivileges());  // the token is gone
    CHECK_EQ(session.LastError(), static_cast<std::uint32_t>(ERROR_INVALID_HANDLE));
}

// Wine accepts event sources and reports without keeping them; success is what it does reliably.
CHECK_GROUP(eventlog) {
    win32::Win32EventLog log;
    CHECK(log.ReportEvent("Ravelin", port::kEventInformation, 0, 501, {"user", "ShutDown"}));
    CHECK(log.ReportEvent("Ravelin", port::kEventError, 0, 502, {}));
}
