// Splitting the command line, finding option words, validating and reading their values.
#include <gtest/gtest.h>
#include "cmdline/options.h"
#include "cmdline/parameters.h"

namespace {

using cmdline::Parameters;

Parameters Args(const std::string& args) {
    return Parameters("\"C:\\RAVELIN\\RVLN.EXE\" " + args);
}

TEST(CmdlineParameters, QuotedPartsMayHoldBlanks) {
    Parameters p = Args("/RUN:\"C:\\My Tools\\Backup Now.exe\"+\"a b\" \"/SHUT\"DOWN");
    ASSERT_EQ(p.Count(), 2);
    EXPECT_EQ(p.Get(1), "/RUN:C:\\My Tools\\Backup Now.exe+a b");
    EXPECT_EQ(p.Get(2), "/SHUTDOWN");
    EXPECT_EQ(p.Get(0), "C:\\RAVELIN\\RVLN.EXE");
}

TEST(CmdlineParameters, EveryCharacterBelowExclamationMarkSeparates) {
    std::string line = "RVLN";
    for (char c = 1; c <= ' '; ++c)
        line += std::string(1, c) + "/" + std::string(1, static_cast<char>('A' + c % 26));
    Parameters p(line);
    EXPECT_EQ(p.Count(), 32);
    EXPECT_EQ(Parameters("RVLN !x").Get(1), "!x");
}

TEST(CmdlineParameters, LeadingPairOfQuotesIsSkipped) {
    Parameters p = Args("\"\"/SHUTDOWN \"\" \"\"\"\"/SAFE");
    ASSERT_EQ(p.Count(), 2);
    EXPECT_EQ(p.Get(1), "/SHUTDOWN");
    EXPECT_EQ(p.Get(2), "/SAFE");
    // Inside a word a pair of quotes is an empty quoted part.
    EXPECT_EQ(Args("/RE\"\"BOOT").Get(1), "/REBOOT");
}

TEST(CmdlineParameters, AFourHundredCharacterParameterKeeps255) {
    const std::string longWord = "/RUN:" + std::string(395, 'X');
    Parameters p = Args(longWord + " /SHUTDOWN");
    ASSERT_EQ(p.Count(), 2);
    EXPECT_EQ(p.Get(1), longWord.substr(0, 255));
    EXPECT_EQ(p.Get(2), "/SHUTDOWN");
}

TEST(CmdlineParameters, TheLimitCountsCharactersNotBytes) {
    // "ü" is two bytes; cutting between them would leave broken text in the error box.
    std::string word;
    for (int i = 0; i < 300; ++i)
        word += "\xC3\xBC";
    Parameters p = Args(word);
    EXPECT_EQ(p.Get(1).size(), 510u);
    EXPECT_EQ(cmdline::FirstCharacters("a\xC3\xBC"
                                       "b",
                                       2),
              "a\xC3\xBC");
    // Bytes that form no character count one each.
    EXPECT_EQ(cmdline::FirstCharacters("\x80\x80\x80", 2), "\x80\x80");
    EXPECT_EQ(cmdline::FirstCharacters("\xE2\x82", 1), "\xE2");
}

TEST(CmdlineParameters, ThreeHundredParametersOnly255Examined) {
    std::string args;
    for (int i = 1; i <= 300; ++i)
        args += " /Q" + std::to_string(i);
    Parameters p = Args(args);
    EXPECT_EQ(p.Count(), 255);
    EXPECT_EQ(p.Get(255), "/Q255");
    EXPECT_EQ(p.Get(256), "");
    EXPECT_FALSE(cmdline::FindOption(p, "/Q256").found);
    EXPECT_TRUE(cmdline::FindOption(p, "/Q255").found);
}

TEST(CmdlineFindOption, FirstParameterContainingTheWordAnyCase) {
    Parameters p = Args("/safe x/NoMessage:5 /nomessage");
    cmdline::OptionHit hit = cmdline::FindOption(p, "/NOMESSAGE");
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.position, 2);
    EXPECT_EQ(cmdline::FindOption(p, "/Safe").position, 1);
    hit = cmdline::FindOption(p, "/RUN");
    EXPECT_FALSE(hit.found);
    EXPECT_EQ(hit.position, -1);
    EXPECT_FALSE(cmdline::FindOption(Parameters(), "/T").found);
}

TEST(CmdlineFindOption, FshutdownNeverMatchesShutdown) {
    Parameters p = Args("/FSHUTDOWN /FREBOOT /FRELOG");
    EXPECT_FALSE(cmdline::FindOption(p, "/SHUTDOWN").found);
    EXPECT_FALSE(cmdline::FindOption(p, "/REBOOT").found);
    EXPECT_FALSE(cmdline::FindOption(p, "/RELOG").found);
    EXPECT_EQ(cmdline::FindOption(p, "/FRELOG").position, 3);
}

TEST(CmdlineValidate, WordsInTheirOrder) {
    ASSERT_EQ(cmdline::kOptionWords.size(), 18u);
    EXPECT_EQ(cmdline::kOptionWords.front(), "/?");
    EXPECT_EQ(cmdline::kOptionWords[12], "/RUN");
    EXPECT_EQ(cmdline::kOptionWords.back(), "/RESTART");
}

TEST(CmdlineValidate, EveryParameterBeginningWithAWordPasses) {
    for (const char* args : {"", "/shutdown", "/SHUTDOWN:1", "/SAFE", "/SXYZ", "/TEST", "/HELPME", "/HX",
                             "/?x", "/q", "/run:a+b", "/NOMESSAGE:ABC", "/DOSSTART",
                             "/restart /msdos /poweroff /frelog /freboot /fshutdown /relog /reboot"}) {
        cmdline::Validation v = cmdline::ValidateCommandLine(Args(args));
        EXPECT_FALSE(v.found) << args;
        EXPECT_EQ(v.offending, "") << args;
    }
}

TEST(CmdlineValidate, TheLastOffenderIsReportedAsTyped) {
    cmdline::Validation v = cmdline::ValidateCommandLine(Args("/foo /SHUTDOWN Bar /x"));
    EXPECT_TRUE(v.found);
    EXPECT_EQ(v.offending, "/x");
    v = cmdline::ValidateCommandLine(Args("/SHUTDOWN \"two words\""));
    EXPECT_TRUE(v.found);
    EXPECT_EQ(v.offending, "two words");
    // A word must start the parameter; containing it is not enough.
    EXPECT_TRUE(cmdline::ValidateCommandLine(Args("x/SHUTDOWN")).found);
    EXPECT_TRUE(cmdline::ValidateCommandLine(Args("SHUTDOWN")).found);
    EXPECT_TRUE(cmdline::ValidateCommandLine(Args("/")).found);
}

TEST(CmdlineValidate, AnEmptyParameterIsRefused) {
    // A lone quote at the end yields an empty parameter.
    Parameters p = Args("/SHUTDOWN \"");
    ASSERT_EQ(p.Count(), 2);
    cmdline::Validation v = cmdline::ValidateCommandLine(p);
    EXPECT_TRUE(v.found);
    EXPECT_EQ(v.offending, "");
}

TEST(CmdlineNoMessage, TheLow16BitsOfTheWait) {
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGE:70000")), 4464u);
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGE:65535")), 65535u);
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGE:65536")), 0u);
    EXPECT_EQ(cmdline::NoMessageWait(Args("/nomessage:250")), 250u);
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGE:+7")), 7u);
    // -1 is an integer: its low 16 bits are all set.
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGE:-1")), 65535u);
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGE:2147483647")), 65535u);
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGE:-2147483648")), 0u);
}

TEST(CmdlineNoMessage, NoNumberNoColonOrNoOptionGivesZero) {
    for (const char* args :
         {"/NOMESSAGE:ABC", "/NOMESSAGE:", "/NOMESSAGE", "/NOMESSAGE:12x", "\"/NOMESSAGE:1 2\"",
          "/NOMESSAGE:2147483648", "/NOMESSAGE:99999999999999999999", "/NOMESSAGE:-", "", "/SHUTDOWN"}) {
        EXPECT_EQ(cmdline::NoMessageWait(Args(args)), 0u) << args;
    }
}

TEST(CmdlineNoMessage, TheNumberFollowsTheFirstColon) {
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGEX:300")), 300u);
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGE:3:4")), 0u);
    // The first parameter holding the word decides.
    EXPECT_EQ(cmdline::NoMessageWait(Args("/NOMESSAGE /NOMESSAGE:500")), 0u);
}

TEST(CmdlineRunOption, ApplicationAndParameters) {
    cmdline::RunOption r = cmdline::ParseRunOption("/RUN:C:\\TOOLS\\APP.EXE+/X C:\\DATA");
    EXPECT_TRUE(r.given);
    EXPECT_EQ(r.application, "C:\\TOOLS\\APP.EXE");
    EXPECT_EQ(r.parameters, "/X C:\\DATA");

    r = cmdline::ParseRunOption("/RUN: C:\\A B.EXE  ");
    EXPECT_EQ(r.application, "C:\\A B.EXE");
    EXPECT_EQ(r.parameters, "");

    // The application ends at its first "+", the parameters start after the first one.
    r = cmdline::ParseRunOption("/RUN:APP.EXE+ a+b ");
    EXPECT_EQ(r.application, "APP.EXE");
    EXPECT_EQ(r.parameters, "a+b");

    r = cmdline::ParseRunOption("/RUN:APP.EXE+/REBOOT");
    EXPECT_EQ(r.application, "APP.EXE");
    EXPECT_EQ(r.parameters, "/REBOOT");

    r = cmdline::ParseRunOption("/RUN");
    EXPECT_FALSE(r.given);
    EXPECT_EQ(r.application, "");

    r = cmdline::ParseRunOption("/RUN:");
    EXPECT_TRUE(r.given);
    EXPECT_EQ(r.application, "");
}

TEST(CmdlineRunOption, TheOverrideOfThisRun) {
    cmdline::RunOption r = cmdline::CommandLineRunOption(Args("/SHUTDOWN /run:C:\\X.EXE+-q"));
    EXPECT_TRUE(r.given);
    EXPECT_EQ(r.application, "C:\\X.EXE");
    EXPECT_EQ(r.parameters, "-q");
    EXPECT_FALSE(cmdline::CommandLineRunOption(Args("/SHUTDOWN")).given);
    EXPECT_FALSE(cmdline::CommandLineRunOption(Args("/RUN /RUN:C:\\X.EXE")).given);
}

}  // namespace
