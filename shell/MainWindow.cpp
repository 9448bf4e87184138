#include "MainWindow.h"

#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>

#include "assets/Commands.h"
#include "assets/Resources.h"
#include "platform/Audio.h"
#include "platform/CommandBar.h"
#include "platform/Display.h"
#include "platform/MessageBox.h"
#include "platform/Translation.h"
#include "shell/MenuBar.h"
#include "shell/PlatformDialogs.h"
#include "storage/HighScoreFile.h"
#include "storage/SettingsStore.h"
#include "ui/Drawing.h"
#include "ui/StepDrawing.h"

namespace korvat::shell {
namespace {

// The window's own timers, beside the game's.
constexpr int kStepTimer = 1;       // the delay after a step of a turn
constexpr int kOwedTicksTimer = 2;  // game ticks that came during a turn

// The rules name each sound by the number of its wave.
static_assert(int(SoundId::BounceTick) == res::kBounceTickWave &&
              int(SoundId::Refusal) == res::kRefusalWave &&
              int(SoundId::Appearance) == res::kAppearanceWave &&
              int(SoundId::Explosion) == res::kExplosionWave);

// The menu command of a keyboard shortcut, 0 for none.
int shortcutCommand(const SDL_Keysym& key) {
    if (key.sym == SDLK_F2 && (key.mod & (KMOD_CTRL | KMOD_ALT | KMOD_SHIFT)) == 0) {
        return command::kNewGame;
    }
    if ((key.mod & KMOD_CTRL) == 0 || (key.mod & KMOD_ALT) != 0) {
        return 0;
    }
    static constexpr struct {
        SDL_Keycode key;
        int command;
    } kCtrlKeys[] = {{SDLK_z, command::kUndo},
                     {SDLK_n, command::kNewGame},
                     {SDLK_s, command::kSaveGame},
                     {SDLK_o, command::kLoadGame},
                     {SDLK_q, command::kExit}};
    for (const auto& entry : kCtrlKeys) {
        if (entry.key == key.sym) {
            return entry.command;
        }
    }
    return 0;
}

// The arrows' steps of the board cursor.
constexpr struct {
    SDL_Keycode key;
    int dx, dy;
} kArrows[] = {{SDLK_LEFT, -1, 0}, {SDLK_RIGHT, 1, 0}, {SDLK_UP, 0, -1}, {SDLK_DOWN, 0, 1}};

}  // namespace

MainWindow::MainWindow(DialogRunner* dialogs)
    : files_(storage::highScoreFileFor(platform::programDirectory()), &store_),
      game_(GameHost{*this, files_, progress_}),
      player_(game_, *this),
      dialogs_(dialogs) {
    if (dialogs_ == nullptr) {
        ownDialogs_ = std::make_unique<PlatformDialogs>(store_);
        dialogs_ = ownDialogs_.get();
    }
}

MainWindow::~MainWindow() {
    platform::Display::instance().killTimers(*this);
    if (player_.inDialog()) {
        dialogs_->closeOpenDialog();
    }
}

void MainWindow::initialise() {
    game_.initialise();
    commandBar_ = buildMenuBar();
}

// ---- Page ----

void MainWindow::onPaint() {
    if (player_.playing()) {
        // Uncovered by a dialog of the turn: the game as it stands, the turn left as it is.
        draw([&](const ui::DrawContext& ctx) { ui::redrawAll(ctx, game_.position()); });
        return;
    }
    play(game_.onPaint());
}

void MainWindow::onMouseDown(int x, int y) {
    hideCursor();
    play(game_.onBoardTap(x, y));
}

bool MainWindow::onKeyDown(const SDL_Keysym& key) {
    if (const int command = shortcutCommand(key); command != 0) {
        onCommand(command);
        return true;
    }
    const bool wasShown = cursor_.shown();
    if (key.sym == SDLK_SPACE || key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER) {
        // The first key press only shows where the cursor is. Enter taps as Space does:
        // ending the program on it lost the game of a player choosing a cell.
        if (wasShown) {
            const SDL_Point point = BoardCursor::tapPoint(cursor_.cell());
            play(game_.onBoardTap(point.x, point.y));
        } else {
            draw([&](const ui::DrawContext&) { cursor_.show(); });
        }
        return true;
    }
    for (const auto& arrow : kArrows) {
        if (arrow.key == key.sym) {
            draw([&](const ui::DrawContext&) {
                if (wasShown) {
                    cursor_.move(arrow.dx, arrow.dy);
                }
                cursor_.show();
            });
            return true;
        }
    }
    return false;  // Escape goes on to Cancel
}

bool MainWindow::endsProgram(const SDL_Keysym& key) const {
    return shortcutCommand(key) == command::kExit;
}

void MainWindow::hideCursor() {
    if (!cursor_.shown()) {
        return;
    }
    cursor_.hide();
    SDL_Rect area;
    if (cursor_.lift(clientSurface(), area)) {
        present(&area);
    }
}

void MainWindow::onOK() {
    storage::saveSettings(game_.state.settings, store_);
    endModal(1);
}

void MainWindow::onClose() {
    // The turn in progress finishes at once; then the window closes.
    if (player_.playing()) {
        closeRequested_ = true;
        player_.hurry();
        return;
    }
    onOK();
}

void MainWindow::onEndRequest() {
    player_.hurry();
}

void MainWindow::onCancel() {
    storage::saveSettings(game_.state.settings, store_);
}

void MainWindow::onCommand(int command) {
    switch (command) {
        case command::kLinesMode:
            return play(game_.onLinesMode());
        case command::kBlockMode:
            return play(game_.onBlockMode());
        case command::kUndo:
            return play(game_.onUndo());
        case command::kNewGame:
            return play(game_.onNewGame());
        case command::kSaveGame:
        case command::kToolSave:  // the menu bar's buttons
            return playOnFile(dialogs_->chooseSaveFile(), &Game::onSaveGame);
        case command::kLoadGame:
        case command::kToolLoad:
            return playOnFile(dialogs_->chooseLoadFile(), &Game::resumeLoadedGame);
        case command::kOption:
            dialogs_->runOptions();
            // Whatever the dialog's result: the new delays and sound switch take effect at once.
            return game_.readSettings();
        case command::kHighScores:
            return dialogs_->openHighScores(game_, [] {});
        case command::kAbout:
            return dialogs_->runAbout();
        case command::kExit:
            // Ends every modal loop; the settings are deliberately not written.
            return platform::Display::instance().postQuit(command::kExitQuitCode);
        default:
            return;
    }
}

void MainWindow::playOnFile(const std::string& path, const Turn& (Game::*use)(const char*)) {
    if (!path.empty()) {
        play((game_.*use)(path.c_str()));
    }
}

void MainWindow::onTimer(int id) {
    if (id == kStepTimer || id == kOwedTicksTimer) {
        platform::Display::instance().killTimer(*this, id);  // the window's timers tick once
        if (id == kStepTimer) {
            player_.waited();
        } else {
            fireOwedTicks();
        }
        return;
    }
    // While a turn's steps play, a tick waits for its end, as if the window had been busy; a
    // dialog of the turn lets the clock and the bounce go on.
    const TimerId timer = static_cast<TimerId>(id);
    if (player_.playing() && !player_.inDialog()) {
        (timer == TimerId::Bounce ? bounceOwed_ : clockOwed_) = true;
        return;
    }
    const Turn& ticks = game_.onTimer(timer);
    for (int32_t i = 0; i < ticks.stepCount; ++i) {
        showStep(ticks, ticks.steps[i]);
    }
}

void MainWindow::fireOwedTicks() {
    if (player_.playing()) {
        return;  // held input started another turn: the ticks wait for its end
    }
    if (std::exchange(bounceOwed_, false)) {
        onTimer(static_cast<int>(TimerId::Bounce));
    }
    if (std::exchange(clockOwed_, false)) {
        onTimer(static_cast<int>(TimerId::Clock));
    }
}

platform::CommandBar* MainWindow::commandBar() {
    return commandBar_.get();
}

// ---- Clock, generator, timers, sound ----

uint32_t MainWindow::tickCount() {
    return platform::tickCount();
}
void MainWindow::seedRandom() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}
int MainWindow::nextRandom() {
    return std::rand();
}

void MainWindow::startTimer(TimerId id, uint32_t periodMs) {
    platform::Display::instance().setTimer(*this, static_cast<int>(id), periodMs);
}

void MainWindow::stopTimer(TimerId id) {
    platform::Display::instance().killTimer(*this, static_cast<int>(id));
}

// ---- Drawing ----

ui::DrawContext MainWindow::drawContext() {
    ui::DrawContext ctx;
    ctx.target = clientSurface();
    ctx.user = this;
    ctx.present = [](void* user, const SDL_Rect* area) {
        static_cast<MainWindow*>(user)->present(area);
    };
    // A picture that cannot be loaded is reported at once, whatever is in progress.
    ctx.showMessage = [](void*, const char* text) { platform::messageBox(platform::tr(text)); };
    return ctx;
}

template <typename Operation>
void MainWindow::draw(Operation&& operation) {
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

// ---- Turns ----

void MainWindow::play(const Turn& turn) {
    if (turn.stepCount == 0 && !game_.turnPending()) {
        return;  // a tap that changed nothing on the screen
    }
    platform::Display& display = platform::Display::instance();
    // Taps and keys wait for the end of the turn, in their order.
    display.holdInput(true);
    player_.play(turn);
    if (player_.playing() && display.endRequestHeld()) {
        player_.hurry();  // replayed input ahead of an end request
    }
}

void MainWindow::showStep(const Turn& turn, const Step& step) {
    switch (step.kind) {
        case StepKind::Sound:
            platform::playSoundResource(static_cast<int>(step.sound));
            return;
        case StepKind::RuleMarks:
            // Without a menu bar the marks are left alone and the command goes on.
            if (commandBar_ != nullptr) {
                setRuleMarks(*commandBar_, step.block);
                platform::Display& display = platform::Display::instance();
                if (display.isOpen()) {
                    display.presentChrome();
                }
            }
            return;
        default:
            break;
    }
    draw([&](const ui::DrawContext& ctx) {
        ui::drawStep(ctx, turn, step, game_.position(), moveBefore_);
    });
}

void MainWindow::openDialog(const Step& step) {
    platform::Display::instance().holdInput(false);  // the dialog takes the input meanwhile
    auto closed = [this] {
        platform::Display::instance().holdInput(true);
        player_.dialogClosed();
    };
    switch (step.kind) {
        case StepKind::Message:
            dialogs_->openMessage(platform::tr(step.text), closed);
            break;
        case StepKind::NameDialog:
            dialogs_->openPlayerName([this, closed](const std::string& name) {
                game_.enterName(name.c_str());
                closed();
            });
            break;
        default:
            dialogs_->openHighScores(game_, closed);
            break;
    }
}

void MainWindow::closeDialog() {
    dialogs_->closeOpenDialog();
    platform::Display::instance().holdInput(true);
}

void MainWindow::wait(uint32_t ms) {
    platform::Display::instance().setTimer(*this, kStepTimer, ms);
}

void MainWindow::cancelWait() {
    platform::Display::instance().killTimer(*this, kStepTimer);
}

void MainWindow::turnOver() {
    moveBefore_.reset();
    platform::Display& display = platform::Display::instance();
    display.holdInput(false);
    if (std::exchange(closeRequested_, false)) {
        onOK();
        return;
    }
    // The ticks owed come after the input held back, as a busy window's late timers do.
    if (bounceOwed_ || clockOwed_) {
        display.setTimer(*this, kOwedTicksTimer, 1);
    }
}

}  // namespace korvat::shell
