#include <errno.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "PlatformTestSupport.h"
#include "platform/Font.h"
#include "platform/MessageBox.h"

namespace korvat::platform {
namespace {

using namespace testing;  // the platform's test support

TEST(MessageBoxLayout, WrapsWithinTheWidthKeepingWordsNewlinesAndEveryCharacter) {
    EXPECT_EQ(wrapText("No more move!", 180), std::vector<std::string>{"No more move!"});
    EXPECT_EQ(wrapText("one\ntwo", 200), (std::vector<std::string>{"one", "two"}));
    const char* sentence = "The file cannot be opened because it does not exist or is not a game";
    const char* path = "/home/player/a/very/long/path/name.kvt";  // broken inside the word
    for (const auto& [text, width, separator] :
         {std::tuple{sentence, 120, " "}, std::tuple{path, 60, ""}}) {
        const std::vector<std::string> lines = wrapText(text, width);
        std::string joined;
        for (const std::string& line : lines) {
            EXPECT_LE(textWidth(line.c_str()), width) << line;
            joined += (joined.empty() ? "" : separator) + line;
        }
        EXPECT_EQ(joined, text);
    }
}

class MessageBoxOnScreen : public testing::DisplayTest {};

// In a loop of its own, then opened without one: each tells its answer once it is off.
TEST_F(MessageBoxOnScreen, ShowsOverThePageAndClosesByItsButtonEnterOrEscapeOnly) {
    RecordingPage main(60);
    const MessageBoxLayout layout = layoutMessageBox("No more move!");
    const SDL_Point inText{layout.box.x + 4, layout.textTop + kClientTop + 2};
    bool seen = false;
    main.timerScript = [&](int id) {
        if (id == 2 && display.topPage() != &main) {  // the page ticks under the box
            display.killTimer(main, 2);
            seen = true;
            EXPECT_EQ(screenPixel(2, kClientTop + 2).r, 60);
            EXPECT_EQ(screenPixel(inText.x, inText.y).r, 255);
            EXPECT_EQ(display.topPage()->caption(), std::string(program_invocation_short_name))
                << "the program file's base name";
            pushClick(2, kClientTop + 2);  // beside the box: ignored, and not the page's
            const SDL_Rect& ok = layout.okButton;
            pushClick(ok.x + ok.w / 2, ok.y + ok.h / 2 + kClientTop);
        }
    };
    std::vector<std::string> told;
    std::unique_ptr<Page> box;
    runSteps(main, {[&] {
                        display.setTimer(main, 2, 5);
                        messageBox("No more move!");
                        EXPECT_EQ(screenPixel(inText.x, inText.y).r, 60);
                        pushKey(SDLK_RETURN);
                        messageBox("one");
                        pushKey(SDLK_ESCAPE);
                        messageBox("two");
                    },
                    [&] {
                        EXPECT_TRUE(seen);
                        EXPECT_EQ(main.log, std::vector<std::string>(4, "paint"));
                        box = openMessageBox("No more move!", "Korvat", [&](int result) {
                            told.push_back("ok " + std::to_string(result));
                            box.reset();  // the owner may let it go at once
                        });
                        EXPECT_EQ(display.topPage(), box.get());
                        pushKey(SDLK_RETURN);
                    },
                    [&] {
                        box = openYesNo("Again?", "Korvat",
                                        [&](bool yes) { told.push_back(yes ? "yes" : "no"); });
                        pushKey(SDLK_ESCAPE);
                    }});
    EXPECT_EQ(told, (std::vector<std::string>{"ok 1", "no"}));
    EXPECT_EQ(display.topPage(), nullptr);
}

}  // namespace
}  // namespace korvat::platform
