#include <gtest/gtest.h>

#include "PlatformTestSupport.h"
#include "assets/Commands.h"
#include "assets/Resources.h"
#include "platform/CommandBar.h"

namespace korvat::platform {
namespace {

void buildGameBar(CommandBar& bar) {
    ASSERT_TRUE(bar.addMenus(res::kMainMenu));
    bar.addSeparator(6);
    ASSERT_TRUE(bar.addButtons(res::kToolbar));
}

TEST(CommandBarInput, KeyboardWalksThePopUpsAndSkipsSeparators) {
    CommandBar bar;
    buildGameBar(bar);
    const auto key = [&](SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
        return bar.keyDown(testing::key(sym, mod));
    };
    EXPECT_FALSE(key(SDLK_DOWN).handled);  // closed: arrows belong to the page
    EXPECT_TRUE(key(SDLK_g, KMOD_LALT).handled);
    EXPECT_EQ(key(SDLK_RIGHT).command, 0);  // "New game" opens its sub-pop-up
    key(SDLK_DOWN);
    EXPECT_EQ(key(SDLK_RETURN).command, command::kBlockMode);
    EXPECT_FALSE(bar.menuOpen());

    key(SDLK_g, KMOD_LALT);
    key(SDLK_DOWN);  // over the separator to "Save game"
    EXPECT_EQ(key(SDLK_RETURN).command, command::kSaveGame);
}

// Clicks on items and buttons are covered with the whole program on a desktop.
class CommandBarOnScreen : public testing::DisplayTest {};

TEST_F(CommandBarOnScreen, AnOpenMenuTakesTheWheelAndAClickBesideClosesIt) {
    CommandBar bar;
    buildGameBar(bar);
    testing::RecordingPage main(60);
    main.bar = &bar;
    SDL_Rect popup{};
    testing::pushKey(SDLK_g, KMOD_LALT);
    runSteps(main, {[&] {
                 ASSERT_TRUE(bar.menuOpen());
                 popup = bar.popupRects().at(0);
                 EXPECT_NE(testing::screenPixel(popup.x + popup.w - 3, popup.y + 3).r, 60);
                 testing::pushWheel(-1);  // kept from the page while the menu is open
                 testing::pushClick(230, kClientTop + 5);
                 testing::pushWheel(-1);
             }});
    EXPECT_FALSE(bar.menuOpen());
    EXPECT_EQ(main.log, (std::vector<std::string>{"paint", "wheel 3"}));
    EXPECT_EQ(testing::screenPixel(popup.x + popup.w - 3, popup.y + 3).r, 60);
}

}  // namespace
}  // namespace korvat::platform
