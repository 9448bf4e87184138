#include <gtest/gtest.h>

#include "assets/Resources.h"
#include "platform/CommandBar.h"
#include "platform_test_support.h"

namespace korvat::platform {
namespace {

using testing::DisplayTest;
using testing::pushClick;
using testing::pushEnd;
using testing::pushKey;
using testing::RecordingPage;
using testing::screenPixel;

constexpr int kUndo = 32783;
constexpr int kLoad = 32790;
constexpr int kSave = 32793;
constexpr int kNewGame = 32789;
constexpr int kLines = 32796;
constexpr int kBlock = 32797;
constexpr int kSaveGame = 32778;
constexpr int kAbout = 32777;

void buildGameBar(CommandBar& bar) {
    ASSERT_TRUE(bar.addMenus(res::kMainMenu));
    bar.addSeparator(6);
    ASSERT_TRUE(bar.addButtons(res::kToolbar));
}

// A point on the open pop-up item that carries `command`.
SDL_Point itemPoint(const CommandBar& bar, int command) {
    for (const SDL_Rect& r : bar.popupRects()) {
        for (int y = r.y; y < r.y + r.h; ++y) {
            if (bar.commandAt(r.x + r.w / 2, y) == command) {
                return SDL_Point{r.x + r.w / 2, y + 3};
            }
        }
    }
    ADD_FAILURE() << "no item " << command;
    return SDL_Point{-1, -1};
}

TEST(CommandBarLayout, DropDownsThenSeparatorThenButtonsWithTheToolbarGap) {
    CommandBar bar;
    buildGameBar(bar);
    ASSERT_EQ(bar.dropDownCount(), 2);
    const SDL_Rect game = bar.dropDownRect(0);
    const SDL_Rect info = bar.dropDownRect(1);
    EXPECT_EQ(game.x, 0);
    EXPECT_EQ(info.x, game.x + game.w);
    EXPECT_EQ(game.y, kMenuBarTop);
    EXPECT_EQ(game.h, kMenuBarHeight);

    // Walk the strip left to right and note where each button starts.
    std::vector<std::pair<int, int>> starts;  // command, x
    int last = 0;
    for (int x = 0; x < kScreenWidth; ++x) {
        const int command = bar.commandAt(x, kMenuBarTop + 10);
        if (command != last && command != 0) {
            starts.emplace_back(command, x);
        }
        last = command;
    }
    ASSERT_EQ(starts.size(), 4u);
    EXPECT_EQ(starts[0], std::make_pair(kUndo, info.x + info.w + 6));
    const int width = starts[2].second - starts[1].second;
    EXPECT_EQ(starts[1].first, kLoad);
    EXPECT_EQ(starts[1].second, starts[0].second + width + 6);  // the toolbar's own separator
    EXPECT_EQ(starts[2].first, kSave);
    EXPECT_EQ(starts[3], std::make_pair(kNewGame, starts[2].second + width));
    EXPECT_LE(starts[3].second + width, kScreenWidth);
}

TEST(CommandBarLayout, CheckMarksComeFromTheResourceAndFollowSetCheck) {
    CommandBar bar;
    buildGameBar(bar);
    EXPECT_TRUE(bar.isChecked(kLines));
    EXPECT_FALSE(bar.isChecked(kBlock));
    bar.setCheck(kBlock, true);
    bar.setCheck(kLines, false);
    EXPECT_TRUE(bar.isChecked(kBlock));
    EXPECT_FALSE(bar.isChecked(kLines));
    EXPECT_FALSE(bar.isChecked(12345));
}

TEST(CommandBarLayout, UnknownResourcesAddNothing) {
    CommandBar bar;
    EXPECT_FALSE(bar.addMenus(1));
    EXPECT_FALSE(bar.addButtons(1));
    EXPECT_EQ(bar.dropDownCount(), 0);
    EXPECT_EQ(bar.commandAt(10, kMenuBarTop + 10), 0);
}

TEST(CommandBarInput, KeyboardWalksThePopUpsAndSkipsSeparators) {
    CommandBar bar;
    buildGameBar(bar);
    const auto key = [&](SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
        SDL_Keysym k{};
        k.sym = sym;
        k.mod = mod;
        return bar.keyDown(k);
    };
    EXPECT_FALSE(key(SDLK_DOWN).handled);  // closed: arrows belong to the page
    EXPECT_TRUE(key(SDLK_g, KMOD_LALT).handled);
    EXPECT_TRUE(bar.menuOpen());
    EXPECT_EQ(key(SDLK_RIGHT).command, 0);  // "New game" opens its sub-pop-up
    EXPECT_EQ(bar.popupRects().size(), 2u);
    key(SDLK_DOWN);
    EXPECT_EQ(key(SDLK_RETURN).command, kBlock);
    EXPECT_FALSE(bar.menuOpen());

    key(SDLK_g, KMOD_LALT);
    key(SDLK_DOWN);  // over the separator to "Save game"
    EXPECT_EQ(key(SDLK_RETURN).command, kSaveGame);

    key(SDLK_i, KMOD_LALT);
    EXPECT_EQ(key(SDLK_a).command, kAbout);  // the underlined letter

    key(SDLK_g, KMOD_LALT);
    key(SDLK_ESCAPE);
    EXPECT_FALSE(bar.menuOpen());
}

class CommandBarOnScreen : public DisplayTest {};

TEST_F(CommandBarOnScreen, ClickOnAMenuItemSendsItsCommandToTheOwner) {
    CommandBar bar;
    buildGameBar(bar);
    RecordingPage main("main", 60);
    main.bar = &bar;
    Display& display = Display::instance();
    const SDL_Rect game = bar.dropDownRect(0);
    pushClick(game.x + 5, game.y + 10);
    main.timerScript = [&](int step) {
        display.killTimer(main, step);
        if (step == 1) {
            if (!bar.menuOpen()) {
                ADD_FAILURE() << "the drop-down did not open";
                main.endModal(-1);
                return;
            }
            const SDL_Point save = itemPoint(bar, kSaveGame);
            pushClick(save.x, save.y);
            display.setTimer(main, 2, 20);
        } else {
            EXPECT_FALSE(bar.menuOpen());
            main.endModal(0);
        }
    };
    display.setTimer(main, 1, 20);
    display.runModal(main);
    EXPECT_EQ(main.commands, std::vector<int>{kSaveGame});
    EXPECT_EQ(main.log, std::vector<std::string>{"paint"});  // the page saw no tap
}

TEST_F(CommandBarOnScreen, SubPopUpItemAndImageButton) {
    CommandBar bar;
    buildGameBar(bar);
    RecordingPage main("main", 60);
    main.bar = &bar;
    Display& display = Display::instance();
    const SDL_Rect game = bar.dropDownRect(0);
    pushClick(game.x + 5, game.y + 10);
    int step = 0;
    main.timerScript = [&](int id) {
        ++step;
        if (step == 1) {
            // The first item, "New game", holds the sub-pop-up.
            const SDL_Rect popup = bar.popupRects().at(0);
            pushClick(popup.x + 10, popup.y + 5);
        } else if (step == 2) {
            if (bar.popupRects().size() != 2u) {
                ADD_FAILURE() << "the sub-pop-up did not open";
                display.killTimer(main, id);
                main.endModal(-1);
                return;
            }
            const SDL_Point block = itemPoint(bar, kBlock);
            pushClick(block.x, block.y);
        } else if (step == 3) {
            for (int x = 0; x < kScreenWidth; ++x) {
                if (bar.commandAt(x, kMenuBarTop + 12) == kUndo) {
                    pushClick(x + 2, kMenuBarTop + 12);
                    break;
                }
            }
        } else {
            display.killTimer(main, id);
            main.endModal(0);
        }
    };
    display.setTimer(main, 1, 20);
    display.runModal(main);
    EXPECT_EQ(main.commands, (std::vector<int>{kBlock, kUndo}));
}

TEST_F(CommandBarOnScreen, ClickElsewhereClosesThePopUpAndTheClientShowsAgain) {
    CommandBar bar;
    buildGameBar(bar);
    RecordingPage main("main", 60);
    main.bar = &bar;
    Display& display = Display::instance();
    SDL_Rect popup{};
    SDL_Color onPopup{};
    pushKey(SDLK_g, KMOD_LALT);
    int step = 0;
    main.timerScript = [&](int id) {
        ++step;
        if (step == 1) {
            if (!bar.menuOpen()) {
                ADD_FAILURE() << "Alt+G did not open the menu";
                display.killTimer(main, id);
                main.endModal(-1);
                return;
            }
            popup = bar.popupRects().at(0);
            onPopup = screenPixel(popup.x + popup.w - 3, popup.y + 3);
            pushClick(230, kClientTop + 5);  // beside the pop-up
        } else if (!bar.menuOpen() || step > 100) {
            // A loaded machine may tick again before the click is taken.
            display.killTimer(main, id);
            main.endModal(0);
        }
    };
    display.setTimer(main, 1, 20);
    display.runModal(main);
    EXPECT_TRUE(main.commands.empty());
    EXPECT_EQ(main.log, std::vector<std::string>{"paint"});
    EXPECT_FALSE(bar.menuOpen());
    EXPECT_NE(onPopup.r, 60);
    EXPECT_EQ(screenPixel(popup.x + popup.w - 3, popup.y + 3).r, 60);
}

TEST_F(CommandBarOnScreen, BarOfAPageUnderAMessageBoxTakesNoInput) {
    CommandBar bar;
    buildGameBar(bar);
    RecordingPage main("main", 60);
    main.bar = &bar;
    Display& display = Display::instance();
    main.timerScript = [&](int id) {
        display.killTimer(main, id);
        const SDL_Rect game = bar.dropDownRect(0);
        pushClick(game.x + 5, game.y + 10);
        pushKey(SDLK_RETURN);
        messageBox("Wait");
        EXPECT_FALSE(bar.menuOpen());
        main.endModal(0);
    };
    display.setTimer(main, 1, 1);
    display.runModal(main);
    EXPECT_TRUE(main.commands.empty());
}

}  // namespace
}  // namespace korvat::platform
