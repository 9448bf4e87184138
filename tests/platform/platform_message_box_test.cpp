#include <gtest/gtest.h>

#include "platform/Font.h"
#include "platform/MessageBox.h"
#include "platform_test_support.h"

namespace korvat::platform {
namespace {

using testing::DisplayTest;
using testing::pushClick;
using testing::pushKey;
using testing::RecordingPage;
using testing::screenPixel;

TEST(MessageBoxLayout, WrapsLongTextAndKeepsShortTextOnOneLine) {
    EXPECT_EQ(wrapText("No more move!", 180), std::vector<std::string>{"No more move!"});
    const std::vector<std::string> lines =
        wrapText("The file cannot be opened because it does not exist or is not a game", 120);
    ASSERT_GT(lines.size(), 2u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(textWidth(line.c_str()), 120) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, "The file cannot be opened because it does not exist or is not a game");
}

TEST(MessageBoxLayout, BreaksWordsLongerThanALineAndKeepsNewlines) {
    const std::vector<std::string> lines = wrapText("/home/player/a/very/long/path/name.kvt", 60);
    ASSERT_GT(lines.size(), 1u);
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.empty());
        EXPECT_LE(textWidth(line.c_str()), 60) << line;
    }
    EXPECT_EQ(wrapText("one\ntwo", 200), (std::vector<std::string>{"one", "two"}));
}

TEST(MessageBoxLayout, BoxStaysInsideTheClientArea) {
    std::string huge;
    for (int i = 0; i < 200; ++i) {
        huge += "word ";
    }
    for (const char* text : {"", "ERROR!", huge.c_str()}) {
        const MessageBoxLayout layout = layoutMessageBox(text);
        const SDL_Rect client{0, 0, kClientWidth, kClientHeight};
        SDL_Rect inside;
        ASSERT_TRUE(SDL_IntersectRect(&layout.box, &client, &inside));
        EXPECT_TRUE(SDL_RectEquals(&inside, &layout.box)) << text;
        EXPECT_TRUE(SDL_HasIntersection(&layout.okButton, &layout.box));
    }
}

class MessageBoxOnScreen : public DisplayTest {};

TEST_F(MessageBoxOnScreen, OkButtonClosesItAndThePageShowsAroundIt) {
    RecordingPage main("main", 60);
    Display& display = Display::instance();
    const MessageBoxLayout layout = layoutMessageBox("No more move!");
    SDL_Color beside{};
    SDL_Color inBox{};
    main.timerScript = [&](int id) {
        if (id == 1) {
            display.killTimer(main, 1);
            display.setTimer(main, 2, 5);
            messageBox("No more move!");
            main.endModal(1);
        } else if (id == 2 && display.topPage() != &main) {
            // A tick of the page under the box: look, then press the box's OK.
            display.killTimer(main, 2);
            beside = screenPixel(2, kClientTop + 2);
            inBox = screenPixel(layout.box.x + 4, layout.textTop + kClientTop + 2);
            const SDL_Rect& ok = layout.okButton;
            pushClick(ok.x + ok.w / 2, ok.y + ok.h / 2 + kClientTop);
        }
    };
    display.setTimer(main, 1, 1);
    EXPECT_EQ(display.runModal(main), 1);
    // Ticks ran under the box; the page stayed visible beside it, the box covered its part.
    EXPECT_EQ(beside.r, 60);
    EXPECT_EQ(inBox.r, 255);
    EXPECT_EQ(screenPixel(layout.box.x + 4, layout.textTop + kClientTop + 2).r, 60);
    // The caption stays the page's own.
    EXPECT_EQ(display.topPage(), nullptr);
}

TEST_F(MessageBoxOnScreen, EnterAndEscapeCloseItTapsBesideDoNot) {
    RecordingPage main("main", 60);
    Display& display = Display::instance();
    main.timerScript = [&](int) {
        display.killTimer(main, 1);
        pushClick(2, kClientTop + 2);  // outside the box: ignored, and not the page's
        pushKey(SDLK_RETURN);
        messageBox("one");
        pushKey(SDLK_ESCAPE);
        messageBox("two");
        main.endModal(4);
    };
    display.setTimer(main, 1, 1);
    EXPECT_EQ(display.runModal(main), 4);
    EXPECT_EQ(main.log, (std::vector<std::string>{"paint", "paint", "paint"}));
}

}  // namespace
}  // namespace korvat::platform
