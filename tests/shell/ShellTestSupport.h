#pragma once
// Shared by the shell tests: the display on SDL's offscreen driver with a fresh home folder,
// dialogs answered at once, a move to play, and surfaces compared pixel by pixel.
#include <SDL.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "../storage/TempFolder.h"
#include "PlatformTestSupport.h"
#include "assets/Commands.h"
#include "game/Game.h"
#include "shell/MainWindow.h"
#include "ui/Blit.h"

namespace korvat::shell::testing {

// HOME and the XDG folders in a temporary folder, removed afterwards, set before the fixture's
// members are made (a settings store takes its path when it is made).
class ShellTest : public platform::testing::DisplayTest {
  protected:
    ShellTest() {
        setenv("HOME", home_.path.c_str(), 1);
        setenv("XDG_CONFIG_HOME", file("config").c_str(), 1);
        setenv("XDG_DATA_HOME", file("data").c_str(), 1);
    }
    std::string file(const std::string& name) const { return home_.file(name); }

    const korvat::testing::TempFolder home_;
};

// The dialogs answered at once, each call listed as "save", "load", "name", "highscores",
// "about", "options", "closed" or "message: <text>"; the table is reloaded as the real one is.
struct AnsweringDialogs final : DialogRunner {
    std::vector<std::string> calls;
    std::string fileAnswer;  // what both file choosers return

    void openMessage(const char* text, std::function<void()> done) override {
        note("message: " + std::string(text));
        done();
    }
    void openPlayerName(std::function<void(const std::string&)> done) override {
        note("name");
        done("Player");
    }
    void openHighScores(Game& game, std::function<void()> done) override {
        note("highscores");
        game.reloadHighScores();
        done();
    }
    void closeOpenDialog() override { note("closed"); }
    void runOptions() override { note("options"); }
    void runAbout() override { note("about"); }
    std::string chooseSaveFile() override { return note("save"); }
    std::string chooseLoadFile() override { return note("load"); }
    std::string note(const std::string& call) {
        calls.push_back(call);
        return fileAnswer;
    }
};

// A ball and a reachable empty cell that no coming ball is planned for; {-1,-1} twice for none.
struct Move {
    CellPos from;
    CellPos to;
};
inline Move findMove(Game& game) {
    const GameState& s = game.state;
    for (int32_t from = 0; from < kCellCount; ++from) {
        for (int32_t to = 0; to < kCellCount; ++to) {
            const CellPos f{from / kBoardSize, from % kBoardSize},
                t{to / kBoardSize, to % kBoardSize};
            if (s.board.at(f.x, f.y) != EMPTY && s.board.at(t.x, t.y) == EMPTY &&
                std::ranges::count(s.next.cells, t) == 0 &&
                game.findRoute(f.x, f.y, t.x, t.y) == 1) {
                return {f, t};
            }
        }
    }
    return {{-1, -1}, {-1, -1}};
}

// True when the surfaces show the same colours in the rectangle.
inline bool samePixels(SDL_Surface* a, SDL_Surface* b, const SDL_Rect& r) {
    const ui::SurfacePtr p(SDL_ConvertSurfaceFormat(a, SDL_PIXELFORMAT_RGB24, 0));
    const ui::SurfacePtr q(SDL_ConvertSurfaceFormat(b, SDL_PIXELFORMAT_RGB24, 0));
    for (int y = r.y; y < r.y + r.h; ++y) {
        if (std::memcmp(static_cast<uint8_t*>(p->pixels) + y * p->pitch + 3 * r.x,
                        static_cast<uint8_t*>(q->pixels) + y * q->pitch + 3 * r.x, 3 * r.w) != 0)
            return false;
    }
    return true;
}

}  // namespace korvat::shell::testing
