#include <gtest/gtest.h>

#include "sim/sim_hotkeys.h"
#include "sim/sim_loop.h"

namespace {

constexpr std::uint32_t kCtrlAlt = port::kModControl | port::kModAlt;

TEST(SimHotkeys, TakenCombinationsAndIdsFailWithAlreadyRegistered) {
    sim::SimLoop loop;
    sim::SimHotkeys hotkeys(loop, 0x1234);
    hotkeys.TakeByOther(kCtrlAlt, 'D');
    EXPECT_FALSE(hotkeys.RegisterHotKey(1000, kCtrlAlt, 'D'));
    EXPECT_EQ(hotkeys.LastError(), port::kErrHotkeyAlreadyRegistered);
    EXPECT_FALSE(hotkeys.Holds(1000));

    ASSERT_TRUE(hotkeys.RegisterHotKey(1000, kCtrlAlt, 'E'));
    EXPECT_FALSE(hotkeys.RegisterHotKey(999, kCtrlAlt, 'E'));   // the program holds it already
    EXPECT_FALSE(hotkeys.RegisterHotKey(1000, kCtrlAlt, 'F'));  // the id is in use
    ASSERT_TRUE(hotkeys.RegisterHotKey(999, kCtrlAlt, 'F'));
    EXPECT_TRUE(hotkeys.UnregisterHotKey(999));
    EXPECT_FALSE(hotkeys.UnregisterHotKey(999));
    EXPECT_EQ(hotkeys.LastError(), sim::kErrHotkeyNotRegistered);

    hotkeys.ReleaseByOther(kCtrlAlt, 'D');
    EXPECT_TRUE(hotkeys.RegisterHotKey(1, kCtrlAlt, 'D'));
    sim::Hotkey key;
    ASSERT_TRUE(hotkeys.Registered(1000, key));
    EXPECT_EQ(key, (sim::Hotkey{kCtrlAlt, 'E'}));
    EXPECT_EQ(hotkeys.Registrations().size(), 2u);
    ASSERT_EQ(hotkeys.calls.size(), 8u);
    EXPECT_FALSE(hotkeys.calls[0].ok);
    EXPECT_FALSE(hotkeys.calls[5].registering);
    EXPECT_TRUE(hotkeys.calls[5].ok);
    EXPECT_FALSE(hotkeys.calls[6].ok);
}

TEST(SimHotkeys, APressReachesTheLoopAsWmHotkeyWhileTheProgramHoldsIt) {
    sim::SimLoop loop;
    sim::SimHotkeys hotkeys(loop, 0x1234);
    std::vector<port::Message> seen;
    loop.SetMessageHook([&](const port::Message& m, bool& handled) {
        seen.push_back(m);
        handled = true;
    });
    EXPECT_FALSE(hotkeys.PressHotkey(kCtrlAlt, 'D'));
    ASSERT_TRUE(hotkeys.RegisterHotKey(1000, kCtrlAlt, 'D'));
    EXPECT_TRUE(hotkeys.PressHotkey(kCtrlAlt, 'D'));
    EXPECT_FALSE(hotkeys.PressHotkey(port::kModAlt, 'D'));
    loop.ProcessMessages();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].window, 0x1234u);
    EXPECT_EQ(seen[0].msg, port::kWmHotkey);
    EXPECT_EQ(seen[0].wparam, 1000u);
    EXPECT_EQ(seen[0].lparam, static_cast<std::intptr_t>(kCtrlAlt | 'D' << 16));
}

}  // namespace
