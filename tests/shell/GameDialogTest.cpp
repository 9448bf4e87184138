// The main window driven in-process on the offscreen driver: the command table, the check
// marks, the settings on OK / Cancel / Exit, taps and the keyboard cursor.
#include <gtest/gtest.h>

#include <memory>

#include "ShellTestSupport.h"
#include "platform/CommandBar.h"
#include "platform/Display.h"
#include "shell/BoardCursor.h"
#include "shell/Commands.h"
#include "shell/GameDialog.h"
#include "storage/SettingsStore.h"
#include "ui/Layout.h"

namespace korvat::shell {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;

struct Move {
    CellPos from;
    CellPos to;
};

int ballCount(const Board& board) {
    int n = 0;
    for (int32_t c : board.cells) {
        n += c != EMPTY ? 1 : 0;
    }
    return n;
}

SDL_Rect spriteRect(CellPos cell) {
    const ui::Point p = ui::cellOrigin(cell.x, cell.y);
    return {p.x, p.y, ui::kBallWidth, ui::kBallHeight};
}

SDL_Keysym key(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    SDL_Keysym k{};
    k.sym = sym;
    k.mod = mod;
    return k;
}

class GameDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testing::openOffscreenDisplay());
        testing::useHome(home_);
        dialog_ = std::make_unique<GameDialog>(&dialogs_);
        dialog_->setHighScoreFile(home_.file("top.ten"));
        dialog_->initialise();
        noDelays();
        dialog_->onPaint();  // the first paint starts the first game
    }

    void noDelays() {
        Settings& s = game().state.settings;
        s.moveDelay = s.appearDelay = s.explosionDelay = 0;
    }

    Game& game() { return dialog_->game(); }
    const GameState& state() { return dialog_->game().state; }
    platform::CommandBar& bar() { return *dialog_->commandBar(); }
    bool registryExists() { return testing::fileExists(dialog_->settingsStore().filePath()); }

    // A ball and a reachable empty cell that no coming ball is planned for.
    Move findMove() {
        for (int32_t fx = 0; fx < kBoardSize; ++fx) {
            for (int32_t fy = 0; fy < kBoardSize; ++fy) {
                if (state().board.at(fx, fy) == EMPTY) {
                    continue;
                }
                for (int32_t tx = 0; tx < kBoardSize; ++tx) {
                    for (int32_t ty = 0; ty < kBoardSize; ++ty) {
                        const CellPos to{tx, ty};
                        bool planned = false;
                        for (const CellPos& c : state().nextCells) {
                            planned = planned || c == to;
                        }
                        if (state().board.at(tx, ty) == EMPTY && !planned &&
                            game().findRoute(fx, fy, tx, ty) == 1) {
                            return {{fx, fy}, to};
                        }
                    }
                }
            }
        }
        ADD_FAILURE() << "no move on the board";
        return {};
    }

    void tap(CellPos cell) {
        const SDL_Point p = BoardCursor::tapPoint(cell);
        dialog_->onMouseDown(p.x, p.y);
    }

    Move play() {
        const Move m = findMove();
        tap(m.from);
        tap(m.to);
        return m;
    }

    void saveTo(const std::string& path) {
        dialogs_.saveAnswer = path;
        dialog_->onCommand(command::kSaveGame);
    }

    TempFolder home_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<GameDialog> dialog_;
};

TEST_F(GameDialogTest, StartsInLinesWithItsMarkAndTheFirstWave) {
    EXPECT_EQ(state().linesMode, 1);
    EXPECT_EQ(state().blockMode, 0);
    EXPECT_TRUE(bar().isChecked(command::kLinesMode));
    EXPECT_FALSE(bar().isChecked(command::kBlockMode));
    EXPECT_EQ(ballCount(state().board), 3);
    EXPECT_STREQ(dialog_->caption(), "Korvat 1.2");
}

TEST_F(GameDialogTest, RuleSetCommandsSwitchRulesAndMarksAndStartAGame) {
    play();
    dialog_->onCommand(command::kBlockMode);
    EXPECT_EQ(state().blockMode, 1);
    EXPECT_EQ(state().linesMode, 0);
    EXPECT_TRUE(bar().isChecked(command::kBlockMode));
    EXPECT_FALSE(bar().isChecked(command::kLinesMode));
    EXPECT_EQ(state().undoAvailable, 0);
    EXPECT_EQ(ballCount(state().board), 3);

    // The rule set in force, chosen again, still starts a new game; the mark stays.
    play();
    dialog_->onCommand(command::kBlockMode);
    EXPECT_EQ(state().undoAvailable, 0);
    EXPECT_TRUE(bar().isChecked(command::kBlockMode));

    dialog_->onCommand(command::kLinesMode);
    EXPECT_EQ(state().linesMode, 1);
    EXPECT_TRUE(bar().isChecked(command::kLinesMode));
    EXPECT_FALSE(bar().isChecked(command::kBlockMode));
}

TEST_F(GameDialogTest, NewGameAndUndoCommands) {
    const Board before = state().board;
    play();
    ASSERT_EQ(state().undoAvailable, 1);
    dialog_->onCommand(command::kUndo);
    EXPECT_EQ(state().board, before);
    EXPECT_EQ(state().undoAvailable, 0);
    dialog_->onCommand(command::kUndo);  // one level only
    EXPECT_EQ(state().board, before);

    play();
    dialog_->onCommand(command::kNewGame);
    EXPECT_EQ(state().undoAvailable, 0);
    EXPECT_EQ(state().score, 0u);
    EXPECT_EQ(ballCount(state().board), 3);
}

TEST_F(GameDialogTest, SaveCommandsWriteTheChosenFileAndCancelDoesNothing) {
    for (int id : {command::kSaveGame, command::kToolSave}) {
        const std::string path = home_.file("game" + std::to_string(id) + ".kvt");
        dialogs_.saveAnswer = path;
        dialog_->onCommand(id);
        EXPECT_EQ(dialogs_.calls.back(), "save");
        EXPECT_EQ(testing::readFile(path).size(), 340u) << id;
    }
    dialogs_.saveAnswer.clear();
    const Board before = state().board;
    dialog_->onCommand(command::kToolSave);
    EXPECT_EQ(dialogs_.calls.back(), "save");
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(state().board, before);
}

TEST_F(GameDialogTest, LoadingABlockGameMovesTheCheckMark) {
    for (int id : {command::kLoadGame, command::kToolLoad}) {
        dialog_->onCommand(command::kBlockMode);
        const Board saved = state().board;
        const std::string path = home_.file("block.kvt");
        saveTo(path);
        dialog_->onCommand(command::kLinesMode);
        ASSERT_TRUE(bar().isChecked(command::kLinesMode));

        dialogs_.loadAnswer = path;
        dialog_->onCommand(id);
        EXPECT_EQ(dialogs_.calls.back(), "load");
        EXPECT_EQ(state().blockMode, 1);
        EXPECT_EQ(state().board, saved);
        EXPECT_TRUE(bar().isChecked(command::kBlockMode)) << id;
        EXPECT_FALSE(bar().isChecked(command::kLinesMode)) << id;
    }
}

TEST_F(GameDialogTest, LoadingAMissingFileReportsItAndKeepsTheBoard) {
    const Board before = state().board;
    dialogs_.loadAnswer = home_.file("missing.kvt");
    dialog_->onCommand(command::kLoadGame);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0], "An error has occured when reading file from disk.");
    EXPECT_EQ(state().board, before);
    EXPECT_TRUE(bar().isChecked(command::kLinesMode));

    dialogs_.loadAnswer.clear();  // cancelled
    dialog_->onCommand(command::kToolLoad);
    EXPECT_EQ(dialogs_.messages.size(), 1u);
}

TEST_F(GameDialogTest, OptionCommandReadsTheStoreAgainWhateverTheResult) {
    dialogs_.onOptions = [this] {
        storage::writeSettingsValue(dialog_->settingsStore(), storage::kMoveDelayValue, 7);
        storage::writeSettingsValue(dialog_->settingsStore(), storage::kBestScoreValue, 5);
    };
    game().state.settings.bestScore = 900;
    dialog_->onCommand(command::kOption);
    EXPECT_EQ(dialogs_.calls.back(), "options");
    EXPECT_EQ(state().settings.moveDelay, 7u);
    EXPECT_EQ(state().settings.bestScore, 5u);
    EXPECT_EQ(state().settings.appearDelay, 100u);  // the defaults come back, too
}

TEST_F(GameDialogTest, HighScoresAndAboutOpenTheirDialogs) {
    dialog_->onCommand(command::kHighScores);
    EXPECT_EQ(dialogs_.calls.back(), "highscores");
    EXPECT_EQ(dialogs_.shownGame, &game());
    dialog_->onCommand(command::kAbout);
    EXPECT_EQ(dialogs_.calls.back(), "about");
    dialog_->onCommand(12345);  // no such command
    EXPECT_EQ(dialogs_.calls.size(), 2u);
}

TEST_F(GameDialogTest, CancelWritesTheSettingsAndPlayGoesOn) {
    ASSERT_FALSE(registryExists());
    game().state.settings.bestScore = 321;
    dialog_->onCancel();
    EXPECT_FALSE(dialog_->modalEnded());
    uint32_t stored = 0;
    EXPECT_TRUE(
        storage::readSettingsValue(dialog_->settingsStore(), storage::kBestScoreValue, stored));
    EXPECT_EQ(stored, 321u);
}

TEST_F(GameDialogTest, OkWritesTheSettingsAndEnds) {
    dialog_->onOK();
    EXPECT_TRUE(dialog_->modalEnded());
    EXPECT_EQ(dialog_->modalResult(), 1);
    EXPECT_TRUE(registryExists());
}

TEST_F(GameDialogTest, ClosingTheDesktopWindowEndsLikeOk) {
    dialog_->onClose();
    EXPECT_TRUE(dialog_->modalEnded());
    EXPECT_EQ(dialog_->modalResult(), 1);
    EXPECT_TRUE(registryExists());
}

TEST_F(GameDialogTest, ExitAndCtrlQQuitWithCode18WithoutWritingSettings) {
    platform::Display& display = platform::Display::instance();
    for (bool byKey : {false, true}) {
        if (byKey) {
            EXPECT_TRUE(dialog_->onKeyDown(key(SDLK_q, KMOD_LCTRL)));
        } else {
            dialog_->onCommand(command::kExit);
        }
        EXPECT_TRUE(display.quitPosted());
        EXPECT_EQ(display.quitCode(), command::kExitQuitCode);
        EXPECT_FALSE(registryExists());
        // A fresh display for what follows.
        display.close();
        ASSERT_TRUE(display.open("Korvat 1.2"));
    }
}

TEST_F(GameDialogTest, TapsMoveTheBallOnTheScreen) {
    const Move m = findMove();
    const int32_t color = state().board.at(m.from.x, m.from.y);
    SDL_Surface* before = testing::copySurface(dialog_->clientSurface());
    tap(m.from);
    tap(m.to);
    ASSERT_EQ(state().board.at(m.to.x, m.to.y), color);
    EXPECT_EQ(state().board.at(m.from.x, m.from.y), EMPTY);
    EXPECT_TRUE(testing::samePixels(before, spriteRect(m.from), dialog_->clientSurface(),
                                    spriteRect(m.to)));
    EXPECT_FALSE(testing::samePixels(before, spriteRect(m.from), dialog_->clientSurface(),
                                     spriteRect(m.from)));
    SDL_FreeSurface(before);
}

TEST_F(GameDialogTest, KeyboardCursorShowsMovesTapsAndHidesOnAMouseTap) {
    SDL_Surface* plain = testing::copySurface(dialog_->clientSurface());
    EXPECT_FALSE(dialog_->cursor().shown());

    // The first arrow only shows the cursor where it is.
    EXPECT_TRUE(dialog_->onKeyDown(key(SDLK_RIGHT)));
    ASSERT_TRUE(dialog_->cursor().shown());
    const CellPos start = dialog_->cursor().cell();
    const SDL_Rect frame = BoardCursor::frameRect(start);
    EXPECT_FALSE(testing::samePixels(plain, frame, dialog_->clientSurface(), frame));

    dialog_->onKeyDown(key(SDLK_LEFT));
    EXPECT_EQ(dialog_->cursor().cell(), (CellPos{start.x - 1, start.y}));
    EXPECT_TRUE(testing::samePixels(plain, frame, dialog_->clientSurface(), frame));

    // Walk to a ball, tap it with Space, walk to the target, tap again.
    const Move m = findMove();
    const int32_t color = state().board.at(m.from.x, m.from.y);
    auto walkTo = [&](CellPos target) {
        while (dialog_->cursor().cell().x < target.x)
            dialog_->onKeyDown(key(SDLK_RIGHT));
        while (dialog_->cursor().cell().x > target.x)
            dialog_->onKeyDown(key(SDLK_LEFT));
        while (dialog_->cursor().cell().y < target.y)
            dialog_->onKeyDown(key(SDLK_DOWN));
        while (dialog_->cursor().cell().y > target.y)
            dialog_->onKeyDown(key(SDLK_UP));
    };
    walkTo(m.from);
    dialog_->onKeyDown(key(SDLK_SPACE));
    EXPECT_EQ(state().selectedX, m.from.x);
    walkTo(m.to);
    dialog_->onKeyDown(key(SDLK_SPACE));
    EXPECT_EQ(state().board.at(m.to.x, m.to.y), color);

    // The frame is drawn again over the ball that has just arrived under it.
    const SDL_Rect over = BoardCursor::frameRect(m.to);
    SDL_Surface* withCursor = testing::copySurface(dialog_->clientSurface());
    dialog_->onMouseDown(0, 0);  // the panel: no cell, but the cursor goes
    EXPECT_FALSE(dialog_->cursor().shown());
    EXPECT_FALSE(testing::samePixels(withCursor, over, dialog_->clientSurface(), over));
    const SDL_Rect inner{over.x + 1, over.y + 1, over.w - 2, over.h - 2};
    EXPECT_TRUE(testing::samePixels(withCursor, inner, dialog_->clientSurface(), inner));
    SDL_FreeSurface(withCursor);
    SDL_FreeSurface(plain);
}

TEST_F(GameDialogTest, AMovedCursorLeavesNoFrameBehindOnTheScreen) {
    // Keys and a close request queued for the window's own event loop.
    for (SDL_Keycode sym : {SDLK_RIGHT, SDLK_RIGHT}) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = sym;
        SDL_PushEvent(&e);
    }
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    platform::Display& display = platform::Display::instance();
    display.runModal(*dialog_);
    SDL_Surface* screen = display.snapshot();
    ASSERT_NE(screen, nullptr);
    auto frameColorAt = [&](CellPos cell) {
        const SDL_Rect r = BoardCursor::frameRect(cell);
        const SDL_Color c = testing::pixelAt(screen, r.x, r.y + platform::kClientTop);
        return c.r == 0 && c.g == 0 && c.b == 128;
    };
    EXPECT_FALSE(frameColorAt({4, 4}));
    EXPECT_TRUE(frameColorAt({5, 4}));
    SDL_FreeSurface(screen);
    display.close();
    ASSERT_TRUE(display.open("Korvat 1.2"));
}

TEST_F(GameDialogTest, ShortcutsGoThroughTheCommandTable) {
    EXPECT_TRUE(dialog_->onKeyDown(key(SDLK_s, KMOD_LCTRL)));
    EXPECT_EQ(dialogs_.calls.back(), "save");
    EXPECT_TRUE(dialog_->onKeyDown(key(SDLK_o, KMOD_RCTRL)));
    EXPECT_EQ(dialogs_.calls.back(), "load");

    const Board before = state().board;
    play();
    EXPECT_TRUE(dialog_->onKeyDown(key(SDLK_z, KMOD_LCTRL)));
    EXPECT_EQ(state().board, before);

    play();
    EXPECT_TRUE(dialog_->onKeyDown(key(SDLK_F2)));
    EXPECT_EQ(state().undoAvailable, 0);
    play();
    EXPECT_TRUE(dialog_->onKeyDown(key(SDLK_n, KMOD_LCTRL)));
    EXPECT_EQ(state().undoAvailable, 0);

    // Enter and Escape are left to OK and Cancel.
    EXPECT_FALSE(dialog_->onKeyDown(key(SDLK_RETURN)));
    EXPECT_FALSE(dialog_->onKeyDown(key(SDLK_ESCAPE)));
    EXPECT_FALSE(dialog_->onKeyDown(key(SDLK_s)));
}

}  // namespace
}  // namespace korvat::shell
