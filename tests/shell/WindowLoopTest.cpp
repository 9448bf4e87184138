// The main window with the real dialogs, a clock that stands still (the playing time stays
// 0:00:00), a fixed generator and no pauses: the whole screen after one move, pinned by a
// checksum; the Options dialog typed into and OK'd; a game saved and loaded through the chooser.
//
// After an intended change of the artwork, the fonts or the layout, run
//   KORVAT_SCREEN_BMP=/tmp/screen.bmp ctest -R ScreenChecksum --output-on-failure
// and if /tmp/screen.bmp looks right put the checksum the failure prints into kExpectedScreen.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "ShellTestSupport.h"
#include "assets/Commands.h"
#include "platform/CommandBar.h"
#include "storage/SettingsStore.h"
#include "ui/Layout.h"

namespace korvat::shell::testing {
namespace {

using platform::testing::pushKey;
using platform::testing::pushText;

constexpr uint32_t kExpectedScreen = 0x052206BD;

class QuietWindow : public GameDialog {
  public:
    uint32_t tickCount() override { return 5'000'000; }
    void seedRandom() override { std::srand(1'234'567); }  // stands for the calendar second
    void sleepMs(uint32_t) override {}
    void onTimer(int id) override { id == kStepTimer ? step() : GameDialog::onTimer(id); }

    static constexpr int kStepTimer = 9001;
    std::function<void()> step;  // runs on the ticks of kStepTimer
};

class WindowLoopTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        window.setHighScoreFile(file("top.ten"));
        window.initialise();
        window.onPaint();  // the first paint starts the first game
    }
    void play(int32_t minRouteCells = 2) {
        const Move move = findMove(window.game(), minRouteCells);
        ASSERT_NE(move.from.x, -1);
        for (const CellPos cell : {move.from, move.to}) {
            const SDL_Point p = BoardCursor::tapPoint(cell);
            window.onMouseDown(p.x, p.y);
        }
    }

    QuietWindow window;
};

// FNV-1a over the R, G, B bytes of every pixel, row by row.
uint32_t screenChecksum(SDL_Surface* screen) {
    uint32_t hash = 2166136261u;
    for (int y = 0; y < screen->h; ++y) {
        for (int x = 0; x < screen->w; ++x) {
            const SDL_Color c = pixelAt(screen, x, y);
            for (const uint8_t byte : {c.r, c.g, c.b}) {
                hash = (hash ^ byte) * 16777619u;
            }
        }
    }
    return hash;
}

TEST_F(WindowLoopTest, ScreenChecksumOfTheFirstGameAfterOneMove) {
    play(4);
    // In the window's own loop: the title bar and the menu bar are drawn around it.
    platform::Display& display = platform::Display::instance();
    SDL_Surface* screen = nullptr;
    window.step = [&] {
        // The clock shows only once it has ticked; standing still, it reads 0:00:00.
        window.onTimer(static_cast<int>(TimerId::Clock));
        screen = display.snapshot();
        window.endModal(0);
    };
    display.setTimer(window, QuietWindow::kStepTimer, 1);
    display.runModal(window);
    ASSERT_NE(screen, nullptr);

    const uint32_t checksum = screenChecksum(screen);
    EXPECT_EQ(checksum, kExpectedScreen) << std::hex << "screen checksum 0x" << checksum;
    if (const char* out = std::getenv("KORVAT_SCREEN_BMP"); out != nullptr && out[0] != '\0') {
        SDL_SaveBMP(screen, out);
    }
    SDL_FreeSurface(screen);
}

TEST_F(WindowLoopTest, OptionsTypedMoveDelayIsStoredAndReloaded) {
    storage::SettingsStore& store = window.settingsStore();
    auto stored = [&](const char* name) {
        uint32_t value = 12345;
        store.read(name, value);
        return value;
    };
    // The dialog opens with what is stored, the defaults elsewhere.
    store.write(kJumpDelayValue, 5);
    store.write(kSoundValue, 0);
    // Focus starts on OK; over Cancel and the Jump box to the Movement box, whose text the
    // keyboard focus selects, so typing replaces it.
    for (int i = 0; i < 3; ++i) {
        pushKey(SDLK_TAB);
    }
    pushText("7");
    pushKey(SDLK_RETURN);
    window.onCommand(command::kOption);

    EXPECT_EQ(window.game().state.settings.moveDelay, 7u);
    EXPECT_EQ(stored(kMoveDelayValue), 7u);
    // The other boxes went through OK unchanged; the best score is not the dialog's.
    EXPECT_EQ(stored(kJumpDelayValue), 5u);
    EXPECT_EQ(stored(kAppearDelayValue), 100u);
    EXPECT_EQ(stored(kSoundValue), 0u);
    EXPECT_EQ(stored(kBestScoreValue), 12345u);
}

TEST_F(WindowLoopTest, SaveAndLoadThroughTheChooserGiveBackTheBoardAndRuleSet) {
    const GameState& state = window.game().state;
    platform::CommandBar& bar = *window.commandBar();
    window.onCommand(command::kBlockMode);
    play();
    const Board saved = state.board;
    SDL_Surface* savedScreen = SDL_DuplicateSurface(window.clientSurface());
    // The chooser's name box has the focus when it opens.
    pushText("first");
    pushKey(SDLK_RETURN);
    window.onCommand(command::kSaveGame);
    EXPECT_EQ(std::filesystem::file_size(file("first.kvt")), 340u)
        << "typed name, the home folder, the default extension";

    play();
    EXPECT_NE(state.board, saved);
    window.onCommand(command::kLinesMode);
    EXPECT_TRUE(bar.isChecked(command::kLinesMode));
    pushText("first");
    pushKey(SDLK_RETURN);
    window.onCommand(command::kLoadGame);

    EXPECT_EQ(state.board, saved);
    EXPECT_EQ(state.blockMode, 1);
    EXPECT_TRUE(bar.isChecked(command::kBlockMode));
    EXPECT_FALSE(bar.isChecked(command::kLinesMode));
    // The whole board area, balls and hints.
    const SDL_Rect board{ui::kBoardRect.left, ui::kBoardRect.top, ui::kBoardWidth,
                         ui::kBoardHeight};
    EXPECT_TRUE(samePixels(savedScreen, window.clientSurface(), board));
    SDL_FreeSurface(savedScreen);
}

}  // namespace
}  // namespace korvat::shell::testing
