// korvat-sim-script-check SIM SCRIPT EXPECTED: runs the script in a fresh folder, with "home" in
// it as --home, and compares what the driver prints with the expected output. Lines "#! ..." of
// the script first lay out the files it needs:
//   #! kvt NAME SECONDS SCORE BLOCK LINES   a saved game; the next nine "#!" lines are the board
//                                           rows 0 to 8, nine cells each, "." for EMPTY
//   #! size NAME BYTES                      cuts or zero-pads a file to BYTES
//   #! topten                               "home/top.ten"; the next ten "#!" lines are rows
//                                           NAME|SCORE|H|M|S, "\uXXXX" for a raw UTF-16 unit
#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "../storage/TempFolder.h"
#include "game/Utf16Name.h"
#include "storage/HighScoreCodec.h"
#include "storage/SavedGameCodec.h"

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

using Failure = std::runtime_error;

// Splits at every separator: "#!" lines have their fields one blank apart.
Lines split(const std::string& text, char separator) {
    Lines parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

template <size_t N>
void writeFile(const fs::path& path, const std::array<uint8_t, N>& bytes) {
    if (!(std::ofstream(path, std::ios::binary) << std::string(bytes.begin(), bytes.end()))) {
        throw Failure("cannot write " + path.string());
    }
}

uint32_t number(const std::string& text) {
    return static_cast<uint32_t>(std::stoll(text));
}

korvat::SavedGame savedGame(const Lines& header, const Lines& rows) {
    korvat::SavedGame game{number(header.at(2)), number(header.at(3)),
                           static_cast<int32_t>(number(header.at(4))),
                           static_cast<int32_t>(number(header.at(5)))};
    for (int y = 0; y < korvat::kBoardSize; ++y) {
        const Lines cells = split(rows[y], ' ');
        for (int x = 0; x < korvat::kBoardSize; ++x) {
            game.board.at(x, y) = cells.at(x) == "." ? korvat::EMPTY : std::stoi(cells[x]);
        }
    }
    return game;
}

std::u16string utf16(const std::string& utf8) {
    char16_t units[korvat::kNameUnits];
    return {units, static_cast<size_t>(
                       korvat::utf8ToUtf16Name(utf8.c_str(), units, korvat::kNameMaxChars))};
}

korvat::HighScoreTable topTen(const Lines& rows) {
    korvat::HighScoreTable table;
    for (int r = 0; r < korvat::kHighScoreRows; ++r) {
        const Lines fields = split(rows[r], '|');
        const std::string& text = fields.at(0);
        std::u16string name;
        size_t at = 0;
        for (size_t escape; (escape = text.find("\\u", at)) != std::string::npos; at = escape + 6) {
            name += utf16(text.substr(at, escape - at));
            name += static_cast<char16_t>(std::stoul(text.substr(escape + 2, 4), nullptr, 16));
        }
        name += utf16(text.substr(at));
        name.resize(korvat::kNameUnits - 1, u' ');
        const auto field = [&](size_t i) { return number(fields.at(i)); };
        table.entries[r] = {{}, field(1), field(2), field(3), field(4)};
        std::ranges::copy(name, table.entries[r].name);
    }
    return table;
}

void layOutFiles(const fs::path& script, const fs::path& dir) {
    Lines directives;
    for (const std::string& line : split(korvat::testing::readText(script), '\n')) {
        if (line.starts_with("#! ")) {
            directives.push_back(line.substr(3));
        }
    }
    for (size_t i = 0; i < directives.size(); ++i) {
        const Lines header = split(directives[i], ' ');
        const std::string kind = header.empty() ? "" : header[0];
        const size_t rows = kind == "kvt" ? 9 : kind == "topten" ? 10 : 0;
        if (i + rows >= directives.size()) {
            throw Failure("directive without its lines: " + directives[i]);
        }
        const Lines lines(directives.begin() + i + 1, directives.begin() + i + 1 + rows);
        if (header.size() == 6 && kind == "kvt") {
            writeFile(dir / header[1], korvat::storage::encodeSavedGame(savedGame(header, lines)));
        } else if (header.size() == 3 && kind == "size") {
            fs::resize_file(dir / header[1], std::stoull(header[2]));
        } else if (header.size() == 1 && kind == "topten") {
            writeFile(dir / "home/top.ten", korvat::storage::encodeHighScores(topTen(lines)));
        } else if (!header.empty()) {
            throw Failure("unknown directive: " + directives[i]);
        }
        i += rows;
    }
}

int run(int argc, char** argv) {
    if (argc != 4) {
        throw Failure("usage: korvat-sim-script-check SIM SCRIPT EXPECTED");
    }
    const fs::path script = fs::absolute(argv[2]);
    const fs::path expected = fs::absolute(argv[3]);
    const korvat::testing::TempFolder folder;
    const fs::path dir = folder.path;
    fs::create_directory(dir / "home");
    layOutFiles(script, dir);

    const std::string command = "cd '" + dir.string() + "' && '" + fs::absolute(argv[1]).string() +
                                "' --script '" + script.string() + "' --home home > actual.out";
    if (std::system(command.c_str()) != 0) {
        throw Failure("korvat-sim did not exit 0");
    }
    const Lines actual = split(korvat::testing::readText(dir / "actual.out"), '\n');
    const Lines wanted = split(korvat::testing::readText(expected), '\n');
    const auto [got, want] = std::ranges::mismatch(actual, wanted);
    if (got == actual.end() && want == wanted.end()) {
        return 0;
    }
    std::cerr << "output differs from line " << got - actual.begin() + 1 << ":\n"
              << "  want: " << (want != wanted.end() ? *want : "<none>") << '\n'
              << "  got:  " << (got != actual.end() ? *got : "<none>") << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {  // a failure, or a directive's bad number
        std::cerr << error.what() << '\n';
    }
    return 1;
}
