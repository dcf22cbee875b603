#include "cmdline/parameters.h"

#include <gtest/gtest.h>

namespace {

using cmdline::Parameters;

TEST(Parameters, SplitsOnBlanksAndControlCharacters) {
    Parameters p("RVLN.EXE  /SHUTDOWN\t/SAFE\r\n/Q");
    ASSERT_EQ(p.Count(), 3);
    EXPECT_EQ(p.Get(0), "RVLN.EXE");
    EXPECT_EQ(p.Get(1), "/SHUTDOWN");
    EXPECT_EQ(p.Get(2), "/SAFE");
    EXPECT_EQ(p.Get(3), "/Q");
    EXPECT_EQ(p.Get(4), "");
    EXPECT_EQ(p.Get(-1), "");
}

TEST(Parameters, QuotedPartsKeepBlanksAndLoseQuotes) {
    Parameters p("\"C:\\Program Files\\Ravelin\\RVLN.EXE\" /RUN:\"C:\\My Apps\\A.EXE\"+x \"two words\"");
    ASSERT_EQ(p.Count(), 2);
    EXPECT_EQ(p.Get(0), "C:\\Program Files\\Ravelin\\RVLN.EXE");
    EXPECT_EQ(p.Get(1), "/RUN:C:\\My Apps\\A.EXE+x");
    EXPECT_EQ(p.Get(2), "two words");
}

TEST(Parameters, LeadingPairsOfQuotesAreSkipped) {
    Parameters p("RVLN \"\" \"\"/T");
    ASSERT_EQ(p.Count(), 1);
    EXPECT_EQ(p.Get(1), "/T");
}

TEST(Parameters, UnclosedQuoteRunsToTheEnd) {
    Parameters p("RVLN \"/RUN:a b");
    ASSERT_EQ(p.Count(), 1);
    EXPECT_EQ(p.Get(1), "/RUN:a b");
}

TEST(Parameters, LimitsLengthAndCount) {
    std::string line = "RVLN " + std::string(400, 'A');
    for (int i = 0; i < 300; ++i)
        line += " /Q" + std::to_string(i);
    Parameters p(line);
    EXPECT_EQ(p.Get(1).size(), cmdline::kMaxParameterLength);
    EXPECT_EQ(p.Count(), static_cast<int>(cmdline::kMaxParameters));
    EXPECT_EQ(p.Get(255), "/Q253");
}

TEST(Parameters, EmptyLine) {
    Parameters p("");
    EXPECT_EQ(p.Count(), 0);
    EXPECT_EQ(p.Get(0), "");
    EXPECT_EQ(Parameters("   ").Count(), 0);
}

}  // namespace
