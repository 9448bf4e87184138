#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "PlatformTestSupport.h"
#include "platform/WindowTimers.h"

namespace korvat::platform {
namespace {

using testing::RecordingPage;

// How many ticks come at each of `times`, on a made-up clock.
std::vector<int> ticksAt(WindowTimers& timers, std::initializer_list<uint32_t> times) {
    std::vector<int> counts;
    for (const uint32_t now : times) {
        counts.push_back(0);
        timers.fireDue(now, [&](Page&, int) { ++counts.back(); });
    }
    return counts;
}

TEST(WindowTimers, TickOncePerPeriodAndOnceWhenLateKeepingTheirPhase) {
    RecordingPage page;
    WindowTimers timers;
    timers.set(&page, 1, 100, 1000);
    EXPECT_EQ(ticksAt(timers, {1099, 1100, 1150, 1200}), (std::vector<int>{0, 1, 0, 1}));
    // A handler blocked the thread for ten periods: one tick, no catching up, the old grid.
    EXPECT_EQ(ticksAt(timers, {2230, 2230, 2299, 2300}), (std::vector<int>{1, 0, 0, 1}));
    // Across the wrap of the 32-bit tick count.
    timers.set(&page, 1, 100, 0xFFFFFFC0u);  // due 36 ms after the wrap
    EXPECT_EQ(timers.msUntilNext(0xFFFFFFF0u), 52);
    EXPECT_EQ(ticksAt(timers, {0xFFFFFFF0u, 40}), (std::vector<int>{0, 1}));
}

TEST(WindowTimers, BelongToTheirPageAndMayBeKilledOrFiredFromAHandler) {
    RecordingPage a, b;
    WindowTimers timers;
    std::vector<std::pair<Page*, int>> fired;
    timers.set(&a, 1, 100, 0);
    timers.set(&b, 1, 100, 0);
    timers.set(&a, 1, 500, 50);  // setting again restarts it
    timers.fireDue(100, [&](Page& p, int id) { fired.emplace_back(&p, id); });
    EXPECT_EQ(fired, (std::vector<std::pair<Page*, int>>{{&b, 1}}));
    timers.kill(&b, 1);
    EXPECT_EQ(timers.msUntilNext(100), 450);  // a's, restarted at 50
    timers.killAll(&a);
    EXPECT_EQ(timers.msUntilNext(0), -1);

    // A handler kills a due timer and runs a nested loop (a message box) that fires another:
    // neither ticks again in the outer round.
    for (const int id : {1, 2, 3}) {
        timers.set(&a, id, 10, 0);
    }
    std::vector<int> order;
    timers.fireDue(10, [&](Page& p, int id) {
        order.push_back(id);
        if (id == 1) {
            timers.kill(&p, 2);
            timers.fireDue(12, [&](Page&, int inner) { order.push_back(100 + inner); });
        }
    });
    EXPECT_EQ(order, (std::vector<int>{1, 103}));
}

}  // namespace
}  // namespace korvat::platform
