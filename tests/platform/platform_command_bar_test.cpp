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

// The commands along the menu bar, left to right: (command, first x).
std::vector<std::pair<int, int>> buttonStarts(const CommandBar& bar) {
    std::vector<std::pair<int, int>> starts;
    int last = 0;
    for (int x = 0; x < kScreenWidth; ++x) {
        const int command = bar.commandAt(x, kMenuBarTop + 10);
        if (command != last && command != 0) {
            starts.emplace_back(command, x);
        }
        last = command;
    }
    return starts;
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

    const std::vector<std::pair<int, int>> starts = buttonStarts(bar);
    ASSERT_EQ(starts.size(), 4u);
    const int width = starts[2].second - starts[1].second;
    const int first = info.x + info.w + 6;
    EXPECT_EQ(starts, (std::vector<std::pair<int, int>>{{kUndo, first},
                                                        {kLoad, first + width + 6},
                                                        {kSave, first + 2 * width + 6},
                                                        {kNewGame, first + 3 * width + 6}}));
    EXPECT_LE(first + 4 * width + 6, kScreenWidth);

    // Check marks come from the resource; unknown resources add nothing.
    EXPECT_TRUE(bar.isChecked(kLines));
    bar.setCheck(kBlock, true);
    bar.setCheck(kLines, false);
    EXPECT_TRUE(bar.isChecked(kBlock));
    EXPECT_FALSE(bar.isChecked(kLines));
    CommandBar empty;
    EXPECT_FALSE(empty.addMenus(1));
    EXPECT_FALSE(empty.addButtons(1));
    EXPECT_EQ(empty.commandAt(10, kMenuBarTop + 10), 0);
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
                    [&] { pushClick(buttonStarts(bar).at(0).second + 2, kMenuBarTop + 12); }});
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
                 SDL_Event wheel{};
                 wheel.type = SDL_MOUSEWHEEL;
                 wheel.wheel.windowID = SDL_GetWindowID(Display::instance().window());
                 wheel.wheel.y = -1;
                 SDL_PushEvent(&wheel);  // kept from the page while the menu is open
                 pushClick(230, kClientTop + 5);
                 SDL_PushEvent(&wheel);
             }});
    EXPECT_FALSE(bar.menuOpen());
    EXPECT_TRUE(main.commands.empty());
    EXPECT_EQ(main.log, (std::vector<std::string>{"paint", "wheel 3"}));
    EXPECT_NE(onPopup.r, 60);
    EXPECT_EQ(screenPixel(popup.x + popup.w - 3, popup.y + 3).r, 60);
}

TEST_F(CommandBarOnScreen, BarOfAPageUnderAMessageBoxTakesNoInput) {
    runSteps(main, {[&] {
                 clickGameMenu();
                 pushKey(SDLK_RETURN);
                 messageBox("Wait");
                 EXPECT_FALSE(bar.menuOpen());
             }});
    EXPECT_TRUE(main.commands.empty());
}

}  // namespace
}  // namespace korvat::platform
