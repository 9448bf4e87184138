#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/WindowTimers.h"
#include "platform_test_support.h"

namespace korvat::platform {
namespace {

using testing::DisplayTest;
using testing::RecordingPage;

// Timer firing with a made-up clock.
struct Fired {
    std::vector<std::pair<Page*, int>> calls;
    std::function<void(Page&, int)> sink() {
        return [this](Page& page, int id) { calls.emplace_back(&page, id); };
    }
};

TEST(WindowTimers, TicksOncePerPeriod) {
    RecordingPage page;
    WindowTimers timers;
    Fired fired;
    timers.set(&page, 1234, 100, 1000);
    EXPECT_EQ(timers.msUntilNext(1000), 100);
    timers.fireDue(1099, fired.sink());
    EXPECT_TRUE(fired.calls.empty());
    timers.fireDue(1100, fired.sink());
    timers.fireDue(1150, fired.sink());
    timers.fireDue(1200, fired.sink());
    EXPECT_EQ(fired.calls.size(), 2u);
    EXPECT_EQ(timers.msUntilNext(1250), 50);
}

TEST(WindowTimers, LateTimerTicksOnceAndKeepsItsPhase) {
    RecordingPage page;
    WindowTimers timers;
    Fired fired;
    timers.set(&page, 1, 100, 0);
    // A handler blocked the thread from 50 to 1030: ten periods missed.
    timers.fireDue(1030, fired.sink());
    EXPECT_EQ(fired.calls.size(), 1u);
    timers.fireDue(1030, fired.sink());
    timers.fireDue(1099, fired.sink());
    EXPECT_EQ(fired.calls.size(), 1u) << "missed periods must not catch up";
    EXPECT_EQ(timers.msUntilNext(1030), 70);  // next on the old grid, at 1100
    timers.fireDue(1100, fired.sink());
    EXPECT_EQ(fired.calls.size(), 2u);
}

TEST(WindowTimers, SurvivesTheTickCountWrapping) {
    RecordingPage page;
    WindowTimers timers;
    Fired fired;
    timers.set(&page, 1, 100, 0xFFFFFFC0u);  // due 36 ms after the wrap
    timers.fireDue(0xFFFFFFF0u, fired.sink());
    EXPECT_TRUE(fired.calls.empty());
    EXPECT_EQ(timers.msUntilNext(0xFFFFFFF0u), 52);
    timers.fireDue(40, fired.sink());
    EXPECT_EQ(fired.calls.size(), 1u);
}

TEST(WindowTimers, ResetKillAndPerPageIdentity) {
    RecordingPage a;
    RecordingPage b;
    WindowTimers timers;
    Fired fired;
    timers.set(&a, 1, 100, 0);
    timers.set(&b, 1, 100, 0);
    timers.set(&a, 1, 500, 50);  // setting again restarts it
    timers.fireDue(100, fired.sink());
    ASSERT_EQ(fired.calls.size(), 1u);
    EXPECT_EQ(fired.calls[0].first, &b);
    timers.kill(&b, 1);
    EXPECT_FALSE(timers.active(&b, 1));
    EXPECT_TRUE(timers.active(&a, 1));
    timers.killAll(&a);
    EXPECT_TRUE(timers.empty());
    EXPECT_EQ(timers.msUntilNext(0), -1);
}

TEST(WindowTimers, HandlerMayKillAnotherDueTimer) {
    RecordingPage page;
    WindowTimers timers;
    std::vector<int> order;
    timers.set(&page, 1, 10, 0);
    timers.set(&page, 2, 10, 0);
    timers.fireDue(10, [&](Page& p, int id) {
        order.push_back(id);
        timers.kill(&p, 2);
    });
    EXPECT_EQ(order, std::vector<int>{1});
}

TEST(WindowTimers, TimerFiredByANestedLoopIsNotFiredAgain) {
    RecordingPage page;
    WindowTimers timers;
    std::vector<int> order;
    timers.set(&page, 1, 10, 0);
    timers.set(&page, 2, 10, 0);
    timers.fireDue(10, [&](Page&, int id) {
        order.push_back(id);
        if (id == 1) {
            // As a message box opened from the tick would: its loop fires what is due.
            timers.fireDue(12, [&](Page&, int inner) { order.push_back(100 + inner); });
        }
    });
    EXPECT_EQ(order, (std::vector<int>{1, 102}));
}

// With the real event loop.
class DisplayTimers : public DisplayTest {};

TEST_F(DisplayTimers, LowerPageTicksInsideNestedModalLoop) {
    RecordingPage main("main");
    RecordingPage dialog("dialog");
    Display& display = Display::instance();
    int dialogResult = 0;
    int ticksUnderDialog = 0;
    main.timerScript = [&](int id) {
        if (id == 1) {  // opens the dialog from a tick, as the end of a game does
            display.killTimer(main, 1);
            display.setTimer(main, 2, 2);
            dialogResult = display.runModal(dialog);
            main.endModal(1);
        } else if (display.topPage() == &dialog && ++ticksUnderDialog == 5) {
            dialog.endModal(3);
        }
    };
    display.setTimer(main, 1, 1);
    EXPECT_EQ(display.runModal(main), 1);
    EXPECT_EQ(dialogResult, 3);
    EXPECT_EQ(ticksUnderDialog, 5);
    EXPECT_TRUE(dialog.ticks.empty());
}

TEST_F(DisplayTimers, LongBlockingHandlerGivesOneLateTickNotACatchUp) {
    RecordingPage page;
    Display& display = Display::instance();
    constexpr uint32_t kPeriod = 50;
    const uint32_t start = tickCount();
    display.setTimer(page, 2, kPeriod);
    display.setTimer(page, 1, 15);
    uint32_t blockEnd = 0;
    std::vector<uint32_t> lateTicks;  // timer 2 after the block
    page.timerScript = [&](int id) {
        if (id == 1) {
            display.killTimer(page, 1);
            sleepMs(10 * kPeriod);  // an animation; timer 2 misses about ten periods
            blockEnd = tickCount();
            return;
        }
        if (blockEnd != 0) {
            lateTicks.push_back(tickCount());
            if (lateTicks.size() == 2) {
                page.endModal(0);
            }
        }
    };
    display.runModal(page);
    ASSERT_EQ(lateTicks.size(), 2u);
    // The second comes on the timer's own grid after the block, not at once.
    const uint32_t nextGrid = start + kPeriod * ((blockEnd - start) / kPeriod + 1);
    EXPECT_LT(lateTicks[0], nextGrid);
    EXPECT_GE(lateTicks[1] + 1, nextGrid);
}

TEST_F(DisplayTimers, EndingAPageStopsItsTimers) {
    RecordingPage main("main");
    RecordingPage dialog("dialog");
    Display& display = Display::instance();
    main.timerScript = [&](int) {
        display.setTimer(dialog, 9, 1);
        display.killTimer(main, 1);
        dialog.timerScript = [&](int) { dialog.endModal(0); };
        display.runModal(dialog);
        main.endModal(0);
    };
    display.setTimer(main, 1, 1);
    display.runModal(main);
    EXPECT_EQ(dialog.ticks.size(), 1u);
    EXPECT_FALSE(display.quitPosted());
}

}  // namespace
}  // namespace korvat::platform
