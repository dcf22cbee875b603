#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>
#include "sim/sim_loop.h"

namespace {

using sim::SimLoop;

TEST(SimLoop, ACountdownOfADayRunsOnTheVirtualClock) {
    SimLoop loop;
    std::vector<std::uint64_t> ticks;
    port::TimerId id = loop.SetTimer(989, [&] { ticks.push_back(loop.NowMs()); });
    loop.RunFor(60 * 989);
    ASSERT_EQ(ticks.size(), 60u);
    EXPECT_EQ(ticks.front(), 989u);
    EXPECT_EQ(ticks.back(), 60u * 989);
    EXPECT_EQ(loop.NowMs(), 60u * 989);

    loop.RunFor(86'399u * 989);
    EXPECT_EQ(ticks.size(), 60u + 86'399);
    EXPECT_EQ(loop.TimerInterval(id), 989u);
    loop.KillTimer(id);
    EXPECT_EQ(loop.ActiveTimers(), 0u);
    EXPECT_EQ(loop.TimerInterval(id), 0u);
}

TEST(SimLoop, TimersFireInDueOrderAndNeverInsideSleep) {
    SimLoop loop;
    std::vector<int> order;
    loop.SetTimer(300, [&] { order.push_back(300); });
    loop.SetTimer(200, [&] { order.push_back(200); });
    loop.RunFor(600);
    EXPECT_EQ(order, (std::vector<int>{200, 300, 200, 300, 200}));

    // A blocked thread lets time pass; the missed ticks come as one each afterwards.
    order.clear();
    loop.Sleep(1000);
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(loop.NowMs(), 1600u);
    loop.ProcessMessages();
    EXPECT_EQ(order, (std::vector<int>{200, 300}));  // due at 800 and at 900
    loop.ProcessMessages();
    EXPECT_EQ(order.size(), 2u);
    EXPECT_EQ(loop.TotalSleptMs(), 1000u);
    ASSERT_EQ(loop.Sleeps().size(), 1u);
    EXPECT_TRUE(loop.Sleeps()[0].mainThread);
}

TEST(SimLoop, TimerIntervalsBelowTenMillisecondsCountAsTen) {
    SimLoop loop;
    int ticks = 0;
    port::TimerId id = loop.SetTimer(0, [&] { ++ticks; });
    EXPECT_EQ(loop.TimerInterval(id), 10u);
    loop.RunFor(100);
    EXPECT_EQ(ticks, 10);
}

TEST(SimLoop, ACallbackMayKillItsOwnTimerAndArmOthers) {
    SimLoop loop;
    int first = 0, second = 0;
    port::TimerId id = 0;
    id = loop.SetTimer(100, [&] {
        ++first;
        loop.KillTimer(id);
        loop.SetTimer(50, [&] { ++second; });
    });
    loop.RunFor(300);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 4);
}

TEST(SimLoop, PostedWorkComesBeforeTimersAndMessagesPassTheHook) {
    SimLoop loop;
    std::vector<std::string> seen;
    loop.SetMessageHook([&](const port::Message& m, bool& handled) {
        seen.push_back("msg " + std::to_string(m.msg));
        handled = m.msg == port::kWmHotkey;
    });
    loop.SetTimer(10, [&] { seen.push_back("timer"); });
    loop.Sleep(10);
    loop.Post([&] {
        seen.push_back("call");
        loop.Post([&] { seen.push_back("nested"); });
    });
    loop.PostMessage(port::Message{0, port::kWmHotkey, 1000, 0});
    loop.PostMessage(port::Message{0, port::kWmSysCommand, port::kScMinimize, 0});
    EXPECT_EQ(loop.PendingCount(), 3u);
    loop.ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"call", "msg 786", "msg 274", "nested", "timer"}));
    auto dispatched = loop.Dispatched();
    ASSERT_EQ(dispatched.size(), 2u);
    EXPECT_TRUE(dispatched[0].handled);
    EXPECT_FALSE(dispatched[1].handled);
    EXPECT_EQ(dispatched[1].message.wparam, port::kScMinimize);
}

TEST(SimLoop, RunReturnsWhenTerminatedOrWhenNothingIsLeft) {
    SimLoop loop;
    int ticks = 0;
    loop.SetTimer(1000, [&] {
        if (++ticks == 5) loop.Terminate();
    });
    loop.Run();
    EXPECT_TRUE(loop.Terminated());
    EXPECT_FALSE(loop.RanDry());
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(loop.NowMs(), 5000u);
    // After Terminate the clock still moves but nothing fires.
    loop.RunFor(5000);
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(loop.NowMs(), 10000u);

    SimLoop idle;
    bool ran = false;
    idle.Post([&] { ran = true; });
    idle.Run();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(idle.RanDry());
    EXPECT_FALSE(idle.Terminated());

    SimLoop endless;
    endless.SetRunLimitMs(10'000);
    endless.SetTimer(150, [] {});
    endless.Run();
    EXPECT_TRUE(endless.RunLimitHit());
    EXPECT_LE(endless.NowMs(), 10'000u);
}

TEST(SimLoop, TheCalendarFollowsTheClock) {
    SimLoop loop;
    port::LocalTime t = loop.Now();
    EXPECT_EQ(t.year, 1998);
    EXPECT_EQ(t.month, 12);
    EXPECT_EQ(t.day, 7);
    EXPECT_EQ(t.dayOfWeek, 1);  // a Monday

    loop.SetDateTime(2000, 2, 28, 23, 59, 59, 500);
    loop.Sleep(600);
    t = loop.Now();
    EXPECT_EQ(t.month, 2);
    EXPECT_EQ(t.day, 29);
    EXPECT_EQ(t.dayOfWeek, 2);  // Tuesday
    EXPECT_EQ(t.hour, 0);
    EXPECT_EQ(t.second, 0);
    EXPECT_EQ(t.millisecond, 100);

    loop.SetDateTime(1999, 12, 31, 23, 59, 59);
    loop.Sleep(1000);
    t = loop.Now();
    EXPECT_EQ(t.year, 2000);
    EXPECT_EQ(t.month, 1);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.dayOfWeek, 6);  // Saturday

    loop.SetTickCount(0xFFFFFFF0u);
    loop.Sleep(0x20);
    EXPECT_EQ(loop.TickCount(), 0x10u);
}

TEST(SimLoop, RunOnMainThreadBlocksAWorkerUntilTheMainThreadRanTheCall) {
    SimLoop loop;
    std::vector<int> log;  // touched on the main thread only
    std::atomic<int> finished{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < 3; ++w) {
        workers.emplace_back([&, w] {
            for (int i = 0; i < 10; ++i) {
                loop.Sleep(100);
                loop.RunOnMainThread([&, w] { log.push_back(w); });
            }
            ++finished;
        });
    }
    EXPECT_TRUE(loop.ProcessUntil([&] { return finished == 3; }));
    for (auto& worker : workers)
        worker.join();
    EXPECT_EQ(log.size(), 30u);
    EXPECT_EQ(loop.NowMs(), 3000u);
    for (const auto& sleep : loop.Sleeps())
        EXPECT_FALSE(sleep.mainThread);

    // On the main thread the call runs at once.
    bool ran = false;
    loop.RunOnMainThread([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(SimLoop, AWorkerWaitsWhileTheMainThreadIsBusyElsewhere) {
    SimLoop loop;
    std::atomic<bool> started{false}, done{false};
    int value = 0;
    std::thread worker([&] {
        started = true;
        loop.RunOnMainThread([&] { value = 42; });
        done = true;
    });
    while (!started)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(done);
    EXPECT_TRUE(loop.ProcessUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(value, 42);
}

}  // namespace
