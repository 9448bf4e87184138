#include "ScriptDriver.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "ScriptNumber.h"
#include "game/Geometry.h"
#include "game/Settings.h"
#include "game/Utf16Name.h"

namespace korvat::sim {

namespace {

// Where a tap lands on a cell: the board's top-left pixel plus half a cell pitch.
constexpr int64_t kCellTapX = kBoardRect.left + kCellPitch / 2;
constexpr int64_t kCellTapY = kBoardRect.top + kRowPitch / 2;

constexpr std::string_view kBlanks = " \t";

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    for (size_t start = text.find_first_not_of(kBlanks); start != std::string_view::npos;) {
        const size_t end = std::min(text.find_first_of(kBlanks, start), text.size());
        words.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(kBlanks, end);
    }
    return words;
}

}  // namespace

ScriptDriver::ScriptDriver(Output& out, std::string homeDir)
    : out_(out), host_(out, homeDir), game_(host_.roles()) {
    game_.initialise();
}

void ScriptDriver::runLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.find_first_not_of(kBlanks) == std::string_view::npos || line.front() == '#') {
        return;
    }
    const size_t blank = line.find_first_of(kBlanks);
    const std::string_view word = line.substr(0, blank);
    const std::string_view rest =
        blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
    if (!runCommand(word, rest)) {
        out_.line(std::string("error ") + std::string(line));
    }
}

bool ScriptDriver::runCommand(std::string_view word, std::string_view rest) {
    // Commands whose argument is the rest of the line, blanks and all.
    if (word == "name") {
        host_.playerName = cutToStoredName(std::string(rest));
        return true;
    }
    if (word == "save") {
        host_.play(game_, game_.onSaveGame(std::string(rest).c_str()));
        return true;
    }
    if (word == "load") {
        host_.play(game_, game_.resumeLoadedGame(std::string(rest).c_str()));
        return true;
    }

    const std::vector<std::string_view> args = splitWords(rest);
    if (args.empty()) {
        using TurnCommand = const Turn& (Game::*)();
        static constexpr std::pair<std::string_view, TurnCommand> kTurnCommands[] = {
            {"paint", &Game::onPaint},     {"undo", &Game::onUndo},       {"new", &Game::onNewGame},
            {"lines", &Game::onLinesMode}, {"block", &Game::onBlockMode},
        };
        for (const auto& [name, command] : kTurnCommands) {
            if (word == name) {
                host_.play(game_, (game_.*command)());
                return true;
            }
        }
        if (word == "dump") {
            dump();
        } else if (word == "scores") {
            printScores();
        } else {
            return false;
        }
        return true;
    }
    if (args.size() == 1) {
        if (word == "time" || word == "tick") {
            const std::optional<uint32_t> value = parseModulo32(args[0]);
            if (!value) {
                return false;
            }
            if (word == "time") {
                host_.calendarSeconds = *value;
                host_.ticks = *value * 1000u;
            } else {
                host_.ticks = *value;
            }
            return true;
        }
        if (word == "timer") {
            const std::optional<int32_t> id = parseInt32(args[0]);
            const bool known = id == static_cast<int32_t>(TimerId::Bounce) ||
                               id == static_cast<int32_t>(TimerId::Clock);
            if (known) {
                host_.play(game_, game_.onTimer(static_cast<TimerId>(*id)));
            }
            return known;
        }
        return false;
    }
    if (args.size() == 2) {
        if (word == "set") {
            return setSetting(args[0], args[1]);
        }
        if (word != "tap" && word != "cell") {
            return false;
        }
        const std::optional<int32_t> a = parseInt32(args[0]);
        const std::optional<int32_t> b = parseInt32(args[1]);
        if (!a || !b) {
            return false;
        }
        if (word == "tap") {
            host_.play(game_, game_.onBoardTap(*a, *b));
            return true;
        }
        const int64_t x = kCellTapX + int64_t{kCellPitch} * *a;
        const int64_t y = kCellTapY + int64_t{kRowPitch} * *b;
        // A pixel beyond the 32-bit range lies far off the board: nothing to tap.
        if (x >= INT32_MIN && x <= INT32_MAX && y >= INT32_MIN && y <= INT32_MAX) {
            host_.play(game_, game_.onBoardTap(static_cast<int32_t>(x), static_cast<int32_t>(y)));
        }
        return true;
    }
    return false;
}

bool ScriptDriver::setSetting(std::string_view name, std::string_view text) {
    const std::optional<uint32_t> value = parseModulo32(text);
    if (!value) {
        return false;
    }
    for (const SettingField& field : kSettingFields) {
        if (name == field.name) {
            game_.state.settings.*field.member = *value;
            return true;
        }
    }
    return false;
}

void ScriptDriver::dump() {
    const GameState& s = game_.state;
    // The menu's check marks follow the Block flag, and so does the mode shown here.
    out_.line(s.rules == Rules::Block ? "mode block" : "mode lines");
    out_.line("score " + std::to_string(s.score));
    out_.line("best " + std::to_string(s.settings.bestScore));
    out_.line("undo " + std::to_string(s.undoAvailable ? 1 : 0));
    out_.line("selected " + std::to_string(s.selectedX) + ' ' + std::to_string(s.selectedY));
    out_.line("bounce " + std::to_string(s.bounceFrame) + ' ' + std::to_string(s.bounceStep));
    out_.line("seconds " + std::to_string(game_.playSeconds()));

    std::string next = "next";
    std::string cells = "cells";
    for (int i = 0; i < kWaveSize; ++i) {
        next += ' ' + std::to_string(s.next.colors[i]);
        cells += ' ' + std::to_string(s.next.cells[i].x) + ' ' + std::to_string(s.next.cells[i].y);
    }
    out_.line(next);
    out_.line(cells);

    for (int32_t y = 0; y < kBoardSize; ++y) {
        std::string row = "row " + std::to_string(y);
        for (int32_t x = 0; x < kBoardSize; ++x) {
            row += ' ' + std::to_string(s.board.at(x, y));
        }
        out_.line(row);
    }

    std::string route = "route";
    for (const CellPos& cell : s.route) {
        if (cell == CellPos{}) {
            break;
        }
        route += ' ' + std::to_string(cell.x) + ' ' + std::to_string(cell.y);
    }
    out_.line(route);
    out_.line("end");
}

void ScriptDriver::printScores() {
    const HighScoreTable& table = game_.highScores;
    for (int rank = 0; rank < kHighScoreRows; ++rank) {
        const HighScoreEntry& entry = table.entries[rank];
        char name[kNameMaxChars * 3 + 1];
        utf16ToUtf8(entry.name, kNameMaxChars, name, sizeof name);
        out_.line("score " + std::to_string(rank + 1) + '|' + name + '|' +
                  std::to_string(entry.score) + '|' + std::to_string(entry.hours) + ':' +
                  std::to_string(entry.minutes) + ':' + std::to_string(entry.seconds));
    }
    out_.line("lowest " + std::to_string(table.lowest) + " highest " +
              std::to_string(table.highest));
}

}  // namespace korvat::sim
