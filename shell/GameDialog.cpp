#include "GameDialog.h"

#include <cstdlib>
#include <ctime>
#include <string>

#include "assets/Commands.h"
#include "game/Utf16Name.h"
#include "platform/CommandBar.h"
#include "platform/Display.h"
#include "platform/Translation.h"
#include "shell/MenuBar.h"
#include "shell/PlatformDialogs.h"
#include "storage/HighScoreFile.h"
#include "storage/SavedGameFile.h"
#include "storage/SettingsStore.h"
#include "ui/Animations.h"
#include "ui/Drawing.h"
#include "ui/Layout.h"
#include "ui/Sound.h"

namespace korvat::shell {
namespace {

struct CommandEntry {
    int id;
    void (GameDialog::*handler)();
};

// One entry per identifier, no ranges.
constexpr CommandEntry kCommandTable[] = {
    {command::kOption, &GameDialog::onOption},
    {command::kExit, &GameDialog::onExit},
    {command::kSaveGame, &GameDialog::onSaveGame},
    {command::kLoadGame, &GameDialog::onLoadGame},
    {command::kUndo, &GameDialog::onUndo},
    {command::kAbout, &GameDialog::onAbout},
    {command::kToolLoad, &GameDialog::onToolLoad},
    {command::kToolSave, &GameDialog::onToolSave},
    {command::kNewGame, &GameDialog::onNewGame},
    {command::kLinesMode, &GameDialog::onLinesMode},
    {command::kBlockMode, &GameDialog::onBlockMode},
    {command::kHighScores, &GameDialog::onHighScores},
};

}  // namespace

GameDialog::GameDialog(DialogRunner* dialogs)
    : game_(GameHost{*this, *this, *this, *this, progress_}),
      dialogs_(dialogs),
      highScoreFile_(storage::highScoreFileFor(platform::programDirectory())) {
    if (dialogs_ == nullptr) {
        ownDialogs_ = std::make_unique<PlatformDialogs>(store_);
        dialogs_ = ownDialogs_.get();
    }
}

GameDialog::~GameDialog() {
    platform::Display::instance().killTimers(*this);
}

void GameDialog::initialise() {
    game_.initialise();
    commandBar_ = buildMenuBar();
}

// ---- Page ----

void GameDialog::onPaint() {
    game_.onPaint();
}

void GameDialog::onMouseDown(int x, int y) {
    hideCursor();
    game_.onBoardTap(x, y);
}

bool GameDialog::onKeyDown(const SDL_Keysym& key) {
    if (handleShortcut(key)) {
        return true;
    }
    const bool wasShown = cursor_.shown();
    int dx = 0;
    int dy = 0;
    switch (key.sym) {
        case SDLK_LEFT:
            dx = -1;
            break;
        case SDLK_RIGHT:
            dx = 1;
            break;
        case SDLK_UP:
            dy = -1;
            break;
        case SDLK_DOWN:
            dy = 1;
            break;
        case SDLK_SPACE:
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            // The first key press only shows where the cursor is. Enter taps as Space does:
            // ending the program on it lost the game of a player choosing a cell.
            if (wasShown) {
                tapCursorCell();
            } else {
                draw([&](const ui::DrawContext&) { cursor_.show(); });
            }
            return true;
        default:
            return false;  // Escape goes on to Cancel
    }
    draw([&](const ui::DrawContext&) {
        if (wasShown) {
            cursor_.move(dx, dy);
        }
        cursor_.show();
    });
    return true;
}

namespace {

// The menu command of a keyboard shortcut, 0 for none.
int shortcutCommand(const SDL_Keysym& key) {
    const bool ctrl = (key.mod & KMOD_CTRL) != 0;
    int command = 0;
    if (key.sym == SDLK_F2 && (key.mod & (KMOD_CTRL | KMOD_ALT | KMOD_SHIFT)) == 0) {
        command = command::kNewGame;
    } else if (ctrl && (key.mod & KMOD_ALT) == 0) {
        switch (key.sym) {
            case SDLK_z:
                command = command::kUndo;
                break;
            case SDLK_n:
                command = command::kNewGame;
                break;
            case SDLK_s:
                command = command::kSaveGame;
                break;
            case SDLK_o:
                command = command::kLoadGame;
                break;
            case SDLK_q:
                command = command::kExit;
                break;
            default:
                break;
        }
    }
    return command;
}

}  // namespace

bool GameDialog::handleShortcut(const SDL_Keysym& key) {
    const int command = shortcutCommand(key);
    if (command == 0) {
        return false;
    }
    onCommand(command);
    return true;
}

bool GameDialog::endsProgram(const SDL_Keysym& key) const {
    return shortcutCommand(key) == command::kExit;
}

void GameDialog::tapCursorCell() {
    const SDL_Point point = BoardCursor::tapPoint(cursor_.cell());
    game_.onBoardTap(point.x, point.y);
}

void GameDialog::hideCursor() {
    if (!cursor_.shown()) {
        return;
    }
    cursor_.hide();
    SDL_Rect area;
    if (cursor_.lift(clientSurface(), area)) {
        present(&area);
    }
}

void GameDialog::onOK() {
    storage::saveSettings(game_.state.settings, store_);
    endModal(1);
}

void GameDialog::onClose() {
    onOK();
}

void GameDialog::onCancel() {
    storage::saveSettings(game_.state.settings, store_);
}

void GameDialog::onCommand(int command) {
    for (const CommandEntry& entry : kCommandTable) {
        if (entry.id == command) {
            (this->*entry.handler)();
            return;
        }
    }
}

void GameDialog::onTimer(int id) {
    game_.onTimer(static_cast<TimerId>(id));
}

platform::CommandBar* GameDialog::commandBar() {
    return commandBar_.get();
}

// ---- Commands ----

void GameDialog::onLinesMode() {
    game_.onLinesMode();
}
void GameDialog::onBlockMode() {
    game_.onBlockMode();
}

void GameDialog::onSaveGame() {
    const std::string path = dialogs_->chooseSaveFile();
    if (!path.empty()) {
        game_.onSaveGame(path.c_str());
    }
}

void GameDialog::onLoadGame() {
    const std::string path = dialogs_->chooseLoadFile();
    if (!path.empty()) {
        game_.resumeLoadedGame(path.c_str());
    }
}

void GameDialog::onOption() {
    dialogs_->runOptions();
    // Whatever the dialog's result: the new delays and sound switch take effect at once.
    game_.readSettings();
}

void GameDialog::onHighScores() {
    dialogs_->showHighScores(game_);
}

void GameDialog::onExit() {
    // Ends every modal loop; the settings are deliberately not written.
    platform::Display::instance().postQuit(command::kExitQuitCode);
}

void GameDialog::onAbout() {
    dialogs_->runAbout();
}
void GameDialog::onUndo() {
    game_.onUndo();
}
void GameDialog::onToolLoad() {
    onLoadGame();
}
void GameDialog::onToolSave() {
    onSaveGame();
}
void GameDialog::onNewGame() {
    game_.onNewGame();
}

// ---- Clock, generator, timers, sound ----

uint32_t GameDialog::tickCount() {
    return platform::tickCount();
}
void GameDialog::seedRandom() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}
int GameDialog::nextRandom() {
    return std::rand();
}
void GameDialog::sleepMs(uint32_t ms) {
    // The window keeps serving the desktop meanwhile; taps and keys wait for the turn's end.
    platform::Display::instance().waitServing(ms);
}

void GameDialog::startTimer(TimerId id, uint32_t periodMs) {
    platform::Display::instance().setTimer(*this, static_cast<int>(id), periodMs);
}

void GameDialog::stopTimer(TimerId id) {
    platform::Display::instance().killTimer(*this, static_cast<int>(id));
}

void GameDialog::playSound(SoundId id) {
    ui::playSound(id);
}

// ---- Drawing ----

ui::DrawContext GameDialog::drawContext() {
    ui::DrawContext ctx;
    ctx.target = clientSurface();
    ctx.user = this;
    ctx.present = [](void* user, const SDL_Rect* area) {
        static_cast<GameDialog*>(user)->present(area);
    };
    ctx.showMessage = [](void* user, const char* text) {
        static_cast<GameDialog*>(user)->showMessage(text);
    };
    // The animations pause through the same hook as the rules.
    ctx.sleep = [](void* user, uint32_t ms) { static_cast<GameDialog*>(user)->sleepMs(ms); };
    return ctx;
}

template <typename Operation>
void GameDialog::draw(Operation&& operation) {
    SDL_Rect lifted;
    const bool wasDrawn = cursor_.lift(clientSurface(), lifted);
    operation(drawContext());
    SDL_Rect dropped;
    const bool drawn = cursor_.drop(clientSurface(), dropped);
    // The screen still shows the frame where it was unless the operation drew over it.
    if (wasDrawn && !(drawn && SDL_RectEquals(&lifted, &dropped))) {
        present(&lifted);
    }
    if (drawn) {
        present(&dropped);
    }
}

void GameDialog::redrawAll() {
    draw([&](const ui::DrawContext& ctx) { ui::redrawAll(ctx, game_.state); });
}
void GameDialog::drawPanel() {
    draw([&](const ui::DrawContext& ctx) { ui::drawPanel(ctx); });
}
void GameDialog::drawBoardImage() {
    draw([&](const ui::DrawContext& ctx) { ui::drawBoardImage(ctx); });
}
void GameDialog::drawNextColors() {
    draw([&](const ui::DrawContext& ctx) { ui::drawNextColors(ctx, game_.state); });
}
void GameDialog::drawScores() {
    draw([&](const ui::DrawContext& ctx) { ui::drawScores(ctx, game_.state); });
}
void GameDialog::drawClock(uint32_t value) {
    draw([&](const ui::DrawContext& ctx) {
        ui::drawClockDigits(ctx, ui::kClockPos.x, ui::kClockPos.y, value);
    });
}
void GameDialog::drawHints() {
    draw([&](const ui::DrawContext& ctx) { ui::drawHints(ctx, game_.state); });
}
void GameDialog::drawRestingBall(CellPos cell, int32_t color) {
    draw([&](const ui::DrawContext& ctx) { ui::drawRestingBall(ctx, cell, color); });
}
void GameDialog::drawBounceFrame(CellPos cell, int32_t color, int32_t frame) {
    draw([&](const ui::DrawContext& ctx) { ui::drawBounceFrame(ctx, cell, color, frame); });
}
void GameDialog::drawExplosionFrame(int32_t f, int32_t r) {
    draw([&](const ui::DrawContext& ctx) { ui::drawExplosionFrame(ctx, game_.state, f, r); });
}
void GameDialog::animateMove() {
    draw([&](const ui::DrawContext& ctx) { ui::animateMove(ctx, game_.state); });
}
void GameDialog::animateAppearance() {
    draw([&](const ui::DrawContext& ctx) { ui::animateAppearance(ctx, game_.state); });
}

// ---- Dialogs and menu ----

void GameDialog::showMessage(const char* text) {
    dialogs_->showMessage(platform::tr(text));
}

void GameDialog::askPlayerName(char* name, size_t capacity) {
    const std::string typed = dialogs_->askPlayerName();
    copyUtf8(typed.data(), typed.size(), name, capacity);
}

void GameDialog::showHighScores() {
    dialogs_->showHighScores(game_);
}

void GameDialog::setRuleCheckMarks(bool blockChecked) {
    // Without a menu bar the marks are left alone and the command goes on.
    if (commandBar_ != nullptr) {
        setRuleMarks(*commandBar_, blockChecked);
        platform::Display& display = platform::Display::instance();
        if (display.isOpen()) {
            display.presentChrome();
        }
    }
}

// ---- Files and the settings store ----

bool GameDialog::loadHighScores(HighScoreTable& table) {
    return storage::loadHighScores(highScoreFile_, table);
}

void GameDialog::saveHighScores(const HighScoreTable& table) {
    storage::saveHighScores(highScoreFile_, table);
}

void GameDialog::loadSettings(Settings& settings) {
    storage::loadSettings(settings, store_);
}

bool GameDialog::writeSavedGame(const char* path, const SavedGame& game) {
    return storage::saveGameToFile(path, game);
}

bool GameDialog::readSavedGame(const char* path, SavedGame& game) {
    return storage::loadGameFromFile(path, game);
}

}  // namespace korvat::shell
