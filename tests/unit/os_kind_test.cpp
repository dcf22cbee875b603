#include "app/os_kind.h"

#include <gtest/gtest.h>

namespace {

using app::GetOsKind;

port::OsVersion V(std::uint32_t platform, std::uint32_t major, std::uint32_t minor) {
    return port::OsVersion{true, platform, major, minor, 0};
}

TEST(GetOsKind, NtByMajorVersion) {
    EXPECT_EQ(GetOsKind(V(port::kPlatformNT, 3, 51)), app::osNT3);
    EXPECT_EQ(GetOsKind(V(port::kPlatformNT, 3, 10)), app::osNT3);
    EXPECT_EQ(GetOsKind(V(port::kPlatformNT, 4, 0)), app::osNT4);
    EXPECT_EQ(GetOsKind(V(port::kPlatformNT, 10, 0)), app::osNT4);
}

TEST(GetOsKind, Windows95And98SplitAtMinorTen) {
    EXPECT_EQ(GetOsKind(V(port::kPlatformWindows, 4, 0)), app::osWin95);
    EXPECT_EQ(GetOsKind(V(port::kPlatformWindows, 4, 3)), app::osWin95);
    EXPECT_EQ(GetOsKind(V(port::kPlatformWindows, 4, 9)), app::osWin95);
    EXPECT_EQ(GetOsKind(V(port::kPlatformWindows, 4, 10)), app::osWin98);
    EXPECT_EQ(GetOsKind(V(port::kPlatformWindows, 4, 90)), app::osWin98);
}

TEST(GetOsKind, NineXVersionsOutsideBothRowsAreUnknown) {
    // 5.0 on the 9x platform fits neither row: major above 4 with a minor below 10.
    EXPECT_EQ(GetOsKind(V(port::kPlatformWindows, 5, 0)), app::osUnknown);
    // 3.10 fits neither: major 3 is not above 3.
    EXPECT_EQ(GetOsKind(V(port::kPlatformWindows, 3, 10)), app::osUnknown);
    EXPECT_EQ(GetOsKind(V(port::kPlatformWindows, 3, 9)), app::osWin95);
}

TEST(GetOsKind, Win32sFailuresAndOtherPlatforms) {
    EXPECT_EQ(GetOsKind(V(port::kPlatformWin32s, 3, 11)), app::osWin32s);
    EXPECT_EQ(GetOsKind(V(port::kPlatformWin32s, 4, 0)), app::osUnknown);
    EXPECT_EQ(GetOsKind(V(3, 4, 0)), app::osUnknown);
    port::OsVersion failed = V(port::kPlatformNT, 4, 0);
    failed.ok = false;
    EXPECT_EQ(GetOsKind(failed), app::osUnknown);
}

TEST(GetOsKind, Predicates) {
    EXPECT_TRUE(app::IsWin9x(app::osWin95));
    EXPECT_TRUE(app::IsWin9x(app::osWin98));
    EXPECT_FALSE(app::IsWin9x(app::osNT4));
    EXPECT_TRUE(app::IsNT(app::osNT3));
    EXPECT_FALSE(app::IsNT(app::osWin32s));
    EXPECT_FALSE(app::HasShell(app::osNT3));
    EXPECT_TRUE(app::HasShell(app::osNT4));
}

}  // namespace
