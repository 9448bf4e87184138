#include <gtest/gtest.h>

#include "assets/Resources.h"
#include "platform/CommandBar.h"
#include "platform_test_support.h"

namespace korvat::platform {
namespace {

using testing::pushClick;
using testing::pushKey;
using testing::RecordingPage;
using testing::runSteps;
using testing::screenPixel;

constexpr int kUndo = 32783;
constexpr int kBlock = 32797;
constexpr int kSaveGame = 32778;
constexpr int kAbout = 32777;

void buildGameBar(CommandBar& bar) {
    ASSERT_TRUE(bar.addMenus(res::kMainMenu));
    bar.addSeparator(6);
    ASSERT_TRUE(bar.addButtons(res::kToolbar));
}

// A point on an open pop-up: the item that carries `command`, or the first item for 0.
SDL_Point itemPoint(const CommandBar& bar, int command) {
    for (const SDL_Rect& r : bar.popupRects()) {
        for (int y = r.y; y < r.y + r.h; ++y) {
            if (command == 0 || bar.commandAt(r.x + r.w / 2, y) == command) {
                return SDL_Point{r.x + r.w / 2, y + 3};
            }
        }
    }
    ADD_FAILURE() << "no open item " << command;
    return SDL_Point{-1, -1};
}

TEST(CommandBarInput, KeyboardWalksThePopUpsAndSkipsSeparators) {
    CommandBar bar;
    buildGameBar(bar);
    const auto key = [&](SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
        return bar.keyDown(testing::key(sym, mod));
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

class CommandBarOnScreen : public testing::DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        buildGameBar(bar);
        main.bar = &bar;
    }
    void clickGameMenu() {
        const SDL_Rect game = bar.dropDownRect(0);
        pushClick(game.x + 5, game.y + 10);
    }
    void clickItem(int command) {
        const SDL_Point p = itemPoint(bar, command);
        pushClick(p.x, p.y);
    }

    CommandBar bar;
    RecordingPage main{"main", 60};
};

TEST_F(CommandBarOnScreen, ClicksOnItemsSubItemsAndButtonsSendTheirCommands) {
    runSteps(main, {[&] { clickGameMenu(); }, [&] { clickItem(kSaveGame); },
                    [&] {
                        EXPECT_FALSE(bar.menuOpen());
                        clickGameMenu();
                    },
                    [&] { clickItem(0); },  // "New game" opens the sub-pop-up
                    [&] { clickItem(kBlock); },
                    [&] {
                        int x = 0;  // the left edge of the Undo button
                        while (x < kScreenWidth && bar.commandAt(x, kMenuBarTop + 12) != kUndo) {
                            ++x;
                        }
                        pushClick(x + 2, kMenuBarTop + 12);
                    }});
    EXPECT_EQ(main.commands, (std::vector<int>{kSaveGame, kBlock, kUndo}));
    EXPECT_EQ(main.log, std::vector<std::string>{"paint"});  // the page saw no tap
}

TEST_F(CommandBarOnScreen, AnOpenMenuTakesTheWheelAndAClickBesideClosesIt) {
    SDL_Rect popup{};
    SDL_Color onPopup{};
    pushKey(SDLK_g, KMOD_LALT);
    runSteps(main, {[&] {
                 ASSERT_TRUE(bar.menuOpen());
                 popup = bar.popupRects().at(0);
                 onPopup = screenPixel(popup.x + popup.w - 3, popup.y + 3);
                 testing::pushWheel(-1);  // kept from the page while the menu is open
                 pushClick(230, kClientTop + 5);
                 testing::pushWheel(-1);
             }});
    EXPECT_FALSE(bar.menuOpen());
    EXPECT_TRUE(main.commands.empty());
    EXPECT_EQ(main.log, (std::vector<std::string>{"paint", "wheel 3"}));
    EXPECT_NE(onPopup.r, 60);
    EXPECT_EQ(screenPixel(popup.x + popup.w - 3, popup.y + 3).r, 60);
}

}  // namespace
}  // namespace korvat::platform
