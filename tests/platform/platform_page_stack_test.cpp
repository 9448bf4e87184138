#include <gtest/gtest.h>

#include "platform_test_support.h"

namespace korvat::platform {
namespace {

using testing::DisplayTest;
using testing::pushClick;
using testing::pushEnd;
using testing::pushKey;
using testing::RecordingPage;
using testing::screenPixel;

class PageStack : public DisplayTest {};

TEST_F(PageStack, TopPageIsShownAndTheUncoveredPageRepaints) {
    RecordingPage main("main", 50);
    RecordingPage dialog("dialog", 150);
    Display& display = Display::instance();
    SDL_Color underDialog{};
    int mainPaintsBeforeDialog = 0;
    main.timerScript = [&](int) {
        display.killTimer(main, 1);
        mainPaintsBeforeDialog = main.paints;
        dialog.timerScript = [&](int) {
            display.killTimer(dialog, 2);
            underDialog = screenPixel(120, 150);
            dialog.endModal(5);
        };
        display.setTimer(dialog, 2, 1);
        EXPECT_EQ(display.runModal(dialog), 5);
        EXPECT_EQ(display.topPage(), &main);
        // The main page got onPaint when the dialog went and is on the screen again.
        EXPECT_EQ(main.paints, mainPaintsBeforeDialog + 1);
        EXPECT_EQ(screenPixel(120, 150).r, 50);
        main.endModal(1);
    };
    display.setTimer(main, 1, 1);
    EXPECT_EQ(display.runModal(main), 1);
    EXPECT_EQ(underDialog.r, 150);
    EXPECT_EQ(mainPaintsBeforeDialog, 1);
    EXPECT_EQ(display.topPage(), nullptr);
}

TEST_F(PageStack, PresentOfACoveredPageDoesNotReachTheScreen) {
    RecordingPage main("main", 50);
    RecordingPage dialog("dialog", 150);
    Display& display = Display::instance();
    dialog.timerScript = [&](int) {
        SDL_Surface* s = main.clientSurface();
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 90, 90, 90));
        main.present();
        EXPECT_EQ(screenPixel(10, 100).r, 150);
        dialog.endModal(0);
    };
    main.timerScript = [&](int) {
        display.killTimer(main, 1);
        display.setTimer(dialog, 1, 1);
        display.runModal(dialog);
        main.endModal(0);
    };
    display.setTimer(main, 1, 1);
    display.runModal(main);
}

TEST_F(PageStack, ClientSurfaceSitsBetweenTheBarsAndPresentShowsARectangle) {
    RecordingPage main("main", 40);
    main.timerScript = [&](int) {
        Display::instance().killTimer(main, 1);
        SDL_Surface* s = main.clientSurface();
        const SDL_Rect spot{0, 0, 3, 3};
        SDL_FillRect(s, &spot, SDL_MapRGB(s->format, 255, 0, 0));
        main.present(&spot);
        main.endModal(0);
    };
    Display::instance().setTimer(main, 1, 1);
    Display::instance().runModal(main);
    SDL_Surface* shot = Display::instance().snapshot();
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->w, kScreenWidth);
    EXPECT_EQ(shot->h, kScreenHeight);
    SDL_FreeSurface(shot);
    EXPECT_EQ(screenPixel(0, kClientTop).r, 255);  // client (0,0) is below the title bar
    EXPECT_EQ(screenPixel(0, kClientTop).g, 0);
    EXPECT_EQ(screenPixel(5, kClientTop + 5).r, 40);
    EXPECT_EQ(screenPixel(200, kClientTop + kClientHeight - 1).r, 40);
    // Title bar: dark blue.
    const SDL_Color title = screenPixel(100, 2);
    EXPECT_EQ(title.b, 128);
    EXPECT_EQ(title.r, 0);
}

TEST_F(PageStack, TapsGoToTheTopPageInClientCoordinates) {
    RecordingPage main;
    pushClick(10, kClientTop + 20);
    pushClick(239, kClientTop + kClientHeight - 1);
    pushClick(100, 5);  // title bar, not the ok button
    pushEnd();
    EXPECT_EQ(Display::instance().runModal(main), testing::kEndResult);
    EXPECT_EQ(main.log, (std::vector<std::string>{"paint", "down 10,20", "down 239,267"}));
}

TEST_F(PageStack, TitleBarOkSendsOnOK) {
    RecordingPage main;
    const SDL_Rect ok{kScreenWidth - 20, 10, 1, 1};
    pushClick(ok.x, ok.y);
    EXPECT_EQ(Display::instance().runModal(main), 1);
    EXPECT_EQ(main.log.back(), "ok");
}

TEST_F(PageStack, EnterAndEscapeBecomeOKAndCancelUnlessThePageTakesThem) {
    RecordingPage main;
    main.okScript = [] {};  // stays open
    pushKey(SDLK_RETURN);
    pushKey(SDLK_ESCAPE);
    Display::instance().runModal(main);
    EXPECT_EQ(main.log,
              (std::vector<std::string>{"paint", "key Return", "ok", "key Escape", "cancel"}));
    // Page::onCancel ends the loop with 2 before the end key comes.
    EXPECT_EQ(main.modalResult(), 2);

    RecordingPage dialog;
    dialog.takeKeys = true;
    pushKey(SDLK_RETURN);
    pushKey(SDLK_ESCAPE);
    pushEnd();
    Display::instance().runModal(dialog);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"paint", "key Return", "key Escape"}));
}

TEST_F(PageStack, PostQuitEndsEveryLoop) {
    RecordingPage main;
    RecordingPage dialog;
    Display& display = Display::instance();
    int dialogResult = -1;
    main.timerScript = [&](int) {
        display.killTimer(main, 1);
        dialog.timerScript = [&](int) { display.postQuit(18); };
        display.setTimer(dialog, 1, 1);
        dialogResult = display.runModal(dialog);
    };
    display.setTimer(main, 1, 1);
    EXPECT_EQ(display.runModal(main), 0);
    EXPECT_EQ(dialogResult, 0);
    EXPECT_TRUE(display.quitPosted());
    EXPECT_EQ(display.quitCode(), 18);
    EXPECT_EQ(display.topPage(), nullptr);
}

TEST_F(PageStack, ClosingTheWindowAsksTheBottomPage) {
    RecordingPage main;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    Display::instance().runModal(main);
    EXPECT_TRUE(Display::instance().quitPosted());
    EXPECT_EQ(Display::instance().quitCode(), 0);
}

TEST_F(PageStack, ClicksOutsideTheDeviceScreenDoNothing) {
    RecordingPage main;
    Display& display = Display::instance();
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    click.button.windowID = SDL_GetWindowID(display.window());
    const SDL_Point origin = display.windowPoint(0, 0);
    click.button.x = origin.x - display.scale();  // one device pixel left of the screen
    click.button.y = origin.y + 100 * display.scale();
    SDL_PushEvent(&click);
    pushEnd();
    display.runModal(main);
    EXPECT_EQ(main.log, std::vector<std::string>{"paint"});
}

}  // namespace
}  // namespace korvat::platform
