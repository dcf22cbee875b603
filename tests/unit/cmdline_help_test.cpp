// The help text: RVLNPARA.TXT byte for byte, the short text of the box, the viewer and the menu.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include "app/form1.h"
#include "app/program.h"
#include "cmdline/command_line.h"
#include "cmdline/help_text.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using port::RegRoot;
using sim::BoxKind;

constexpr const char* kHelpPath = "C:\\RAVELIN\\RVLNPARA.TXT";
constexpr const char* kExternalPrograms = "Software\\QAV\\Ravelin\\LocalUser\\ExternalPrograms";

// The expected file is shared with the end-to-end test, which compares the file written under Wine.
std::string ExpectedHelpFile() {
    // The folder comes from the build: __FILE__ may be relative to wherever the compiler ran.
    const std::filesystem::path path = std::filesystem::path(RVLN_E2E_DATA_DIR) / "RVLNPARA.TXT";
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST(CmdlineHelpText, FileTextIsTheExpectedFileByteForByte) {
    const std::string expected = ExpectedHelpFile();
    ASSERT_EQ(expected.size(), 1587u);
    EXPECT_EQ(cmdline::HelpFileText(), expected);
}

TEST(CmdlineHelpText, ThirtyTwoLinesEndedByCrLf) {
    const std::string text = cmdline::HelpFileText();
    std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines.back(), "");  // the final CR LF
    lines.pop_back();
    EXPECT_EQ(lines[1], std::string(68, '-'));
    EXPECT_EQ(lines[7], std::string(8, '-'));
    EXPECT_EQ(lines[14], std::string(9, '-'));
    EXPECT_EQ(lines[28], std::string(8, '-'));
    EXPECT_EQ(lines[11], "[/SAFE] - displays \"Are you sure?\" safety-question.");
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find('\r'), std::string::npos);
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }
}

TEST(CmdlineHelpText, ShortTextDiffersInTheMsdosLineAndTheEnd) {
    const std::vector<std::string> file = SplitCrLf(cmdline::HelpFileText());
    const std::string shortText = cmdline::ShortHelpText();
    ASSERT_NE(shortText.substr(shortText.size() - 2), "\r\n");
    const std::vector<std::string> lines = SplitCrLf(shortText);
    ASSERT_EQ(lines.size(), 26u);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == 22) continue;
        EXPECT_EQ(lines[i], file[i]) << i;
    }
    EXPECT_EQ(lines[22],
              "[/MSDOS]     - shut down into MS-DOS mode (Win95/98), or open a MS-DOS window session (NT),");
    EXPECT_EQ(file[22],
              "[/MSDOS]     - shut down into MS-DOS mode (Win95), or open a MS-DOS window session (NT),");
    EXPECT_EQ(lines.back(), "[/?] or [/HELP] or [/H] - displays this help screen.");
}

class CmdlineHelpTest : public program_test::ProgramTest {
  protected:
    // Help ends a command-line start, so the program is looked at through its state.
    bool Start(const std::string& args) { return Launch(args.c_str()); }
};

TEST_F(CmdlineHelpTest, WritesTheFileAndOpensItInNotepad) {
    machine.files.AddFile(kHelpPath, "old contents");
    EXPECT_FALSE(Start("/?"));
    EXPECT_EQ(machine.files.FileBytes(kHelpPath), ExpectedHelpFile());
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    const sim::ShellCall& call = machine.shell.calls[0];
    EXPECT_EQ(call.file, "NOTEPAD.EXE");
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.showCommand, port::kSwShowNormal);
    // The document runs in its own folder under its bare name.
    EXPECT_EQ(call.parameters, "RVLNPARA.TXT");
    EXPECT_EQ(call.directory, "C:\\RAVELIN\\");
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_EQ(program->Form(), nullptr);
    EXPECT_TRUE(program->State().ended);
    EXPECT_FALSE(machine.atoms.Has("RVLN!-Chris"));
}

TEST_F(CmdlineHelpTest, TheUsersViewerWhenItExists) {
    machine.registry.SetString(RegRoot::CurrentUser, kExternalPrograms, "TextViewer", "C:\\TOOLS\\VIEW.EXE");
    machine.files.AddFile("C:\\TOOLS\\VIEW.EXE", "MZ");
    EXPECT_FALSE(Start("/HELP"));
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].file, "C:\\TOOLS\\VIEW.EXE");
}

TEST_F(CmdlineHelpTest, NotepadWhenTheViewerIsMissingEmptyOrNotepad) {
    for (const char* viewer : {"C:\\TOOLS\\GONE.EXE", "", "notepad.exe", "C:\\TOOLS"}) {
        sim::Machine m;
        port::Platform p = m.Platform();
        m.files.AddDirectory("C:\\TOOLS");
        m.registry.SetString(RegRoot::CurrentUser, kExternalPrograms, "TextViewer", viewer);
        m.SetArguments("/h");
        app::Program prog(p);
        EXPECT_FALSE(prog.Start());
        ASSERT_EQ(m.shell.calls.size(), 1u) << viewer;
        EXPECT_EQ(m.shell.calls[0].file, "NOTEPAD.EXE") << viewer;
    }
}

TEST_F(CmdlineHelpTest, UnwritableFileShowsTheShortTextInAPlainBox) {
    machine.files.InjectFailure(sim::FileOp::Write, port::kErrAccessDenied, -1, kHelpPath);
    EXPECT_FALSE(Start("/?"));
    EXPECT_TRUE(machine.shell.calls.empty());
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    const sim::BoxRecord& box = machine.dialogs.boxes[0];
    EXPECT_EQ(box.kind, BoxKind::Plain);
    EXPECT_EQ(box.style, port::kMbOk);
    EXPECT_EQ(box.text, cmdline::ShortHelpText());
    EXPECT_EQ(box.caption, "Ravelin");
    EXPECT_TRUE(program->State().ended);
}

TEST_F(CmdlineHelpTest, ViewerThatDoesNotStartShowsItsErrorThenTheShortText) {
    machine.shell.SetResult("NOTEPAD.EXE", 2);
    EXPECT_FALSE(Start("/?"));
    EXPECT_EQ(machine.files.FileBytes(kHelpPath), ExpectedHelpFile());
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(machine.dialogs.boxes[0].text, "ERROR: The specified file was not found!");
    EXPECT_EQ(machine.dialogs.boxes[1].kind, BoxKind::Plain);
    EXPECT_EQ(machine.dialogs.boxes[1].text, cmdline::ShortHelpText());
}

TEST_F(CmdlineHelpTest, HelpWordsMustStandAlone) {
    for (const char* args : {"/?", "/help", "/H", "/SHUTDOWN /?", "/HX /?", "/HELPME /?"}) {
        sim::Machine m;
        port::Platform p = m.Platform();
        m.SetArguments(args);
        app::Program prog(p);
        EXPECT_FALSE(prog.Start()) << args;
        EXPECT_TRUE(m.files.Exists(kHelpPath)) << args;
        EXPECT_TRUE(m.session.exitCalls.empty()) << args;
    }
    // The first search that finds a parameter decides: "/HX" is found for "/H", and it is no help.
    for (const char* args : {"/HX", "/HELPME", "/?X", "/HX /H", "/HELPME /HELP", "/SAFE"}) {
        sim::Machine m;
        port::Platform p = m.Platform();
        m.SetArguments(args);
        app::Program prog(p);
        EXPECT_TRUE(prog.Start()) << args;
        EXPECT_NE(prog.Form(), nullptr) << args;
        EXPECT_FALSE(m.files.Exists(kHelpPath)) << args;
        EXPECT_TRUE(m.shell.calls.empty()) << args;
    }
}

TEST_F(CmdlineHelpTest, TheMenuEntryShowsHelpAndTheProgramGoesOn) {
    ASSERT_TRUE(Start(""));
    app::TForm1* form = program->Form();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->CommandlineOptions1.caption, "&Commandline Options...");
    EXPECT_TRUE(form->CommandlineOptions1.enabled);
    for (int i = 1; i <= 2; ++i) {
        form->CommandlineOptions1.Click();
        EXPECT_EQ(machine.shell.calls.size(), static_cast<size_t>(i));
    }
    EXPECT_EQ(machine.files.FileBytes(kHelpPath), ExpectedHelpFile());
    EXPECT_FALSE(program->State().ended);
    EXPECT_FALSE(machine.loop.Terminated());
    EXPECT_TRUE(machine.atoms.Has("RVLN!-Chris"));
}

TEST_F(CmdlineHelpTest, TheMenuBoxCarriesTheApplicationTitle) {
    ASSERT_TRUE(Start(""));
    machine.files.InjectFailure(sim::FileOp::Write, port::kErrAccessDenied, -1, kHelpPath);
    cmdline::ShowCommandLineHelp(program->State());
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].caption, "Ravelin v3.31");
    EXPECT_EQ(machine.dialogs.boxes[0].text, cmdline::ShortHelpText());
    EXPECT_FALSE(program->State().ended);
}

}  // namespace
