#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlatformTestSupport.h"

namespace korvat::platform {
namespace {

using namespace testing;  // the platform's test support
using Log = std::vector<std::string>;

class HeldInput : public testing::DisplayTest {};

// Logs keys and end requests as well; H starts a new turn, which holds input again, and
// Ctrl+Q ends the program, as the main window's Exit does.
class TurnPage : public RecordingPage {
  public:
    using RecordingPage::RecordingPage;
    bool onKeyDown(const SDL_Keysym& key) override {
        log.push_back(std::string("key ") + SDL_GetKeyName(key.sym));
        if (key.sym == SDLK_h) {
            Display::instance().holdInput(true);
        }
        return true;
    }
    bool endsProgram(const SDL_Keysym& key) const override {
        return key.sym == SDLK_q && (key.mod & KMOD_CTRL) != 0;
    }
    void onEndRequest() override { log.push_back("end request"); }
    void onOK() override {
        log.push_back(Display::instance().endRequestHeld() ? "ok, a request still held" : "ok");
        endModal(1);
    }
};

TEST_F(HeldInput, KeepsInputInOrderAndHandsItOutBeforeNewerInputTillItIsHeldAgain) {
    TurnPage main;
    runSteps(main, {[&] {
                        display.holdInput(true);
                        pushClick(10, kClientTop + 20);
                        pushKey(SDLK_a);
                        pushKey(SDLK_h);
                        pushClick(20, kClientTop + 30);
                        pushKey(SDLK_b);
                    },
                    [&] {
                        EXPECT_EQ(main.log, Log{"paint"}) << "held input reached the page";
                        display.holdInput(false);
                        pushKey(SDLK_c);  // newer than the held input
                    },
                    [&] {
                        EXPECT_EQ(main.log, (Log{"paint", "down 10,20", "key A", "key H"}));
                        EXPECT_TRUE(display.inputHeld());
                        display.holdInput(false);
                    }});
    EXPECT_EQ(main.log,
              (Log{"paint", "down 10,20", "key A", "key H", "down 20,30", "key B", "key C"}));
}

TEST_F(HeldInput, AHeldCtrlQOrOkClickOfTheBottomPageAloneTellsItOnceAndIsHandledAfterwards) {
    TurnPage main;
    RecordingPage dialog(150);
    const SDL_Point ok{kScreenWidth - 20, 10};
    const int result = runSteps(
        main, {[&] {
                   // Over another page: Ctrl+Q is the top page's key, the OK the top page's.
                   display.openModal(dialog, [](int) {});
                   display.holdInput(true);
                   pushKey(SDLK_q, KMOD_CTRL);
                   pushClick(ok.x, ok.y);
                   display.setTimer(dialog, 1, 20);
                   dialog.timerScript = [&](int) {
                       display.killTimer(dialog, 1);
                       EXPECT_FALSE(display.endRequestHeld());
                       display.holdInput(false);  // the OK ends the dialog
                   };
               },
               [&] {
                   EXPECT_EQ(main.log, (Log{"paint", "paint"}));
                   display.holdInput(true);
                   pushClick(10, kClientTop + 20);
                   pushClick(100, 5);  // the title bar beside its OK
                   pushButton(SDL_MOUSEBUTTONDOWN, 10, kClientTop + 40);  // dragged onto it
                   pushButton(SDL_MOUSEBUTTONUP, ok.x, ok.y);
                   pushKey(SDLK_q);
                   pushKey(SDLK_q, KMOD_CTRL);
               },
               [&] {
                   EXPECT_EQ(main.log, (Log{"paint", "paint", "end request"}));
                   EXPECT_TRUE(display.endRequestHeld());
                   pushClick(ok.x, ok.y);
               },
               [&] {
                   EXPECT_EQ(main.log, (Log{"paint", "paint", "end request", "end request"}));
                   display.holdInput(false);
               }});
    EXPECT_EQ(result, 1) << "the held OK was not handled";
    EXPECT_EQ(main.log, (Log{"paint", "paint", "end request", "end request", "down 10,20",
                             "down 10,40", "key Q", "key Q", "ok"}));
}

}  // namespace
}  // namespace korvat::platform
