// The main window driven in-process with its dialogs answered by the test: commands and
// shortcuts, the settings on Options / Escape / closing, the keyboard cursor, and the screen.
// After an intended change of the artwork, the fonts or the layout, run
//   KORVAT_SCREEN_BMP=/tmp/screen.bmp ctest -R ScreenChecksum --output-on-failure
// and if /tmp/screen.bmp looks right put the checksum the failure prints into kExpectedScreen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ShellTestSupport.h"
#include "assets/Commands.h"
#include "assets/Resources.h"
#include "platform/CommandBar.h"
#include "platform/Resources.h"
#include "shell/AboutDialog.h"
#include "shell/HighScoresDialog.h"

namespace korvat::shell::testing {
namespace {

using platform::testing::key;

constexpr uint32_t kExpectedScreen = 0x052206BD;

// A clock that stands still (the playing time stays 0:00:00) and a fixed generator.
struct QuietWindow final : MainWindow {
    using MainWindow::MainWindow;
    uint32_t tickCount() override { return 5'000'000; }
    void seedRandom() override { std::srand(1'234'567); }  // stands for the calendar second
    void onTimer(int id) override { id == kStepTimer ? step() : MainWindow::onTimer(id); }

    static constexpr int kStepTimer = 9001;
    std::function<void()> step;  // runs on the ticks of kStepTimer
};

class MainWindowTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        dialog.setHighScoreFile(file("top.ten"));
        dialog.initialise();
        // Turns without delays play to their end at once, with no loop to wait in.
        Settings& settings = game().state.settings;
        settings.moveDelay = settings.appearDelay = settings.explosionDelay = 0;
        dialog.onPaint();  // the first paint starts the first game
        ASSERT_FALSE(dialog.player().playing());
    }

    Game& game() { return dialog.game(); }
    const GameState& state() { return dialog.game().state; }
    void play() {
        const Move m = findMove(game());
        for (const CellPos cell : {m.from, m.to}) {
            const SDL_Point p = BoardCursor::tapPoint(cell);
            dialog.onMouseDown(p.x, p.y);
        }
        ASSERT_TRUE(state().undoAvailable);
    }

    AnsweringDialogs dialogs_;
    QuietWindow dialog{&dialogs_};
};

TEST_F(MainWindowTest, CommandsShortcutsAndFileChoosers) {
    // The choosers answer nothing at first: cancelled, they lead to nothing more.
    EXPECT_TRUE(dialog.onKeyDown(key(SDLK_s, KMOD_LCTRL)));
    EXPECT_TRUE(dialog.onKeyDown(key(SDLK_o, KMOD_RCTRL)));
    dialog.onCommand(command::kHighScores);
    dialog.onCommand(command::kAbout);
    dialog.onCommand(12345);  // no such command
    // Escape is left to Cancel, a letter without Ctrl to nobody.
    EXPECT_FALSE(dialog.onKeyDown(key(SDLK_ESCAPE)));
    EXPECT_FALSE(dialog.onKeyDown(key(SDLK_s)));
    dialogs_.fileAnswer = file("missing.kvt");
    dialog.onCommand(command::kLoadGame);
    EXPECT_EQ(dialogs_.calls, (std::vector<std::string>{
                                  "save", "load", "highscores", "about", "load",
                                  "message: An error has occured when reading file from disk."}));

    for (const SDL_Keysym newGame : {key(SDLK_F2), key(SDLK_n, KMOD_LCTRL)}) {
        play();
        EXPECT_TRUE(dialog.onKeyDown(newGame));
        EXPECT_FALSE(state().undoAvailable);
    }
    // The rule set in force, chosen again, still starts a new game.
    play();
    dialog.onCommand(command::kLinesMode);
    EXPECT_FALSE(state().undoAvailable);
    EXPECT_TRUE(dialog.commandBar()->isChecked(command::kLinesMode));
    dialog.onCommand(command::kBlockMode);
    EXPECT_TRUE(dialog.commandBar()->isChecked(command::kBlockMode));
    EXPECT_FALSE(dialog.commandBar()->isChecked(command::kLinesMode));
}

TEST_F(MainWindowTest, ScreenChecksumOfTheFirstGameAfterOneMove) {
    play();
    // In the window's own loop, with the title bar and the menu bar around it.
    platform::Display& display = platform::Display::instance();
    ui::SurfacePtr screen;
    dialog.step = [&] {
        // The clock shows only once it has ticked; standing still, it reads 0:00:00.
        dialog.onTimer(static_cast<int>(TimerId::Clock));
        screen.reset(display.snapshot());
        dialog.endModal(0);
    };
    display.setTimer(dialog, QuietWindow::kStepTimer, 1);
    display.runModal(dialog);
    ASSERT_NE(screen, nullptr);
    const ui::SurfacePtr rgb(SDL_ConvertSurfaceFormat(screen.get(), SDL_PIXELFORMAT_RGB24, 0));
    uint32_t checksum = 2166136261u;  // FNV-1a over the rows of R, G, B bytes
    for (int i = 0; i < rgb->h * rgb->pitch; ++i) {
        checksum = (checksum ^ static_cast<const uint8_t*>(rgb->pixels)[i]) * 16777619u;
    }
    EXPECT_EQ(checksum, kExpectedScreen) << std::hex << "screen checksum 0x" << checksum;
    if (const char* out = std::getenv("KORVAT_SCREEN_BMP"); out != nullptr && out[0] != '\0') {
        SDL_SaveBMP(screen.get(), out);
    }
}

TEST_F(MainWindowTest, SettingsAreReadAfterOptionsAndWrittenOnEscapeAndClosing) {
    storage::SettingsStore& store = dialog.settingsStore();
    store.write(kMoveDelayValue, 7);
    store.write(kBestScoreValue, 5);
    game().state.settings.bestScore = 900;
    dialog.onCommand(command::kOption);
    EXPECT_EQ(state().settings.moveDelay, 7u);
    EXPECT_EQ(state().settings.bestScore, 100u);  // read again, but not below the table

    uint32_t storedBest = 0;
    game().state.settings.bestScore = 321;
    dialog.onCancel();  // Escape: play goes on
    EXPECT_FALSE(dialog.modalEnded());
    store.read(kBestScoreValue, storedBest);
    EXPECT_EQ(storedBest, 321u);
    game().state.settings.bestScore = 654;
    dialog.onClose();
    EXPECT_EQ(dialog.modalResult(), 1);
    store.read(kBestScoreValue, storedBest);
    EXPECT_EQ(storedBest, 654u);
}

TEST_F(MainWindowTest, BoardCursorStaysOnTheBoardFramesAnArrivingBallAndAMouseTapLiftsIt) {
    BoardCursor cursor;
    cursor.move(-20, 3);
    EXPECT_EQ(cursor.cell(), (CellPos{0, 7}));
    cursor.move(100, 100);
    EXPECT_EQ(cursor.cell(), (CellPos{8, 8}));
    // Drawn once and lifted once; what it draws and restores the keyboard tests see.
    SDL_Rect area;
    cursor.show();
    ASSERT_TRUE(cursor.drop(dialog.clientSurface(), area));
    EXPECT_FALSE(cursor.drop(dialog.clientSurface(), area));
    ASSERT_TRUE(cursor.lift(dialog.clientSurface(), area));
    EXPECT_FALSE(cursor.lift(dialog.clientSurface(), area));

    // The window's own, by the keys.
    const Move m = findMove(game());
    EXPECT_TRUE(dialog.onKeyDown(key(SDLK_RIGHT)));  // shows the cursor where it is
    auto walkTo = [&](CellPos to) {
        for (CellPos at = dialog.cursor().cell(); at != to; at = dialog.cursor().cell()) {
            dialog.onKeyDown(key(at.x != to.x ? (at.x < to.x ? SDLK_RIGHT : SDLK_LEFT)
                                              : (at.y < to.y ? SDLK_DOWN : SDLK_UP)));
        }
    };
    walkTo(m.from);
    dialog.onKeyDown(key(SDLK_SPACE));
    walkTo(m.to);
    dialog.onKeyDown(key(SDLK_SPACE));
    ASSERT_NE(state().board.at(m.to.x, m.to.y), EMPTY);

    // The frame is drawn again over the ball that has just arrived under it.
    const SDL_Rect frame = BoardCursor::frameRect(m.to);
    const ui::SurfacePtr withCursor(SDL_DuplicateSurface(dialog.clientSurface()));
    dialog.onMouseDown(0, 0);  // the panel: no cell, but the cursor goes
    EXPECT_FALSE(dialog.cursor().shown());
    EXPECT_FALSE(samePixels(withCursor.get(), dialog.clientSurface(), frame));
    const SDL_Rect inner{frame.x + 1, frame.y + 1, frame.w - 2, frame.h - 2};
    EXPECT_TRUE(samePixels(withCursor.get(), dialog.clientSurface(), inner));
}

TEST_F(MainWindowTest, HighScoresReloadTheFileAndAboutShowsItsPictureAndIgnoresEscape) {
    // Each opening reloads the table from its file (none here: the defaults).
    game().highScores.entries[0].score = 123456;
    HighScoresDialog scores;
    scores.attach(game());
    scores.create();
    EXPECT_EQ(game().highScores.entries[0].score, 100u);

    AboutDialog about;
    about.create();
    about.onCancel();
    EXPECT_FALSE(about.modalEnded());
    const ui::SurfacePtr picture(platform::loadBitmap(res::kAboutPicture));
    ASSERT_NE(picture, nullptr);
    about.onPaintExtra(about.clientSurface());
    // The picture is taller than the client area: compared as far as that reaches.
    EXPECT_TRUE(samePixels(about.clientSurface(), picture.get(), {0, 0, picture->w, 268}));
    about.onOK();
    EXPECT_TRUE(about.modalEnded());
}

}  // namespace
}  // namespace korvat::shell::testing
