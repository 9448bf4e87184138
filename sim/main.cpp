// korvat-sim: the real rules and files of the game, without a window, driven by a script.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "Output.h"
#include "RandomGames.h"
#include "ScriptDriver.h"
#include "ScriptNumber.h"
#include "dist/InformationOptions.h"

namespace {

constexpr int kUsageExit = 2;
constexpr char kUsage[] =
    "usage: korvat-sim --script FILE [--home DIR] | korvat-sim --random-games N --seed S\n";

int usage() {
    std::fputs(kUsage, stderr);
    return kUsageExit;
}

// Asked alone, --help and --version answer on stdout; every other command line goes to the
// parser as before.
constexpr char kHelp[] =
    "The game's rules and files without a window.\n"
    "  --script FILE     play the taps and commands of FILE (- for stdin)\n"
    "  --home DIR        the folder standing for the program's own\n"
    "  --random-games N  play N random games from the seed S\n"
    "  --help            this text\n"
    "  --version         the version\n"
    "See man 6 korvat.\n";

struct CommandLine {
    std::optional<std::string> script;
    std::optional<std::string> home;
    std::optional<uint64_t> randomGames;
    std::optional<uint64_t> seed;
    bool checkInvariants = false;
};

// Decimal digits only, few enough that any count fits.
std::optional<uint64_t> parseCount(std::string_view text) {
    uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.size() > 18 || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<CommandLine> parseCommandLine(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--check-invariants") {  // for the tests
            line.checkInvariants = true;
            continue;
        }
        if (i + 1 >= argc) {
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (option == "--script" && !line.script) {
            line.script = value;
        } else if (option == "--home" && !line.home) {
            line.home = value;
        } else if ((option == "--random-games" && !line.randomGames) ||
                   (option == "--seed" && !line.seed)) {
            std::optional<uint64_t>& count = option == "--seed" ? line.seed : line.randomGames;
            count = parseCount(value);
            if (!count) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    const bool scriptMode = line.script && !line.randomGames && !line.seed;
    const bool randomMode = line.randomGames && line.seed && !line.script && !line.home;
    if (!scriptMode && !randomMode) {
        return std::nullopt;
    }
    if (line.checkInvariants && !randomMode) {
        return std::nullopt;
    }
    return line;
}

int runRandomGames(const CommandLine& line) {
    const korvat::sim::RandomGamesReport report =
        korvat::sim::playRandomGames(*line.randomGames, *line.seed, line.checkInvariants);
    const double perSecond =
        report.elapsedSeconds > 0 ? static_cast<double>(report.moves) / report.elapsedSeconds : 0;
    const double meanScore =
        report.games > 0 ? static_cast<double>(report.scoreSum) / static_cast<double>(report.games)
                         : 0;
    std::printf("games %llu\nmoves %llu\nmoves per second %.0f\nmean final score %.2f\n",
                static_cast<unsigned long long>(report.games),
                static_cast<unsigned long long>(report.moves), perSecond, meanScore);
    if (!report.failure.empty()) {
        std::fprintf(stderr, "korvat-sim: invariant broken: %s\n", report.failure.c_str());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

// Removes the folder standing in for the program's directory at exit, when the driver made it.
struct RemovedAtExit {
    std::string path;
    ~RemovedAtExit() {
        if (!path.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    }
};

int runScript(const CommandLine& line) {
    std::ifstream file;
    std::istream* input = &std::cin;
    if (*line.script != "-") {
        file.open(*line.script, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "korvat-sim: cannot read %s\n", line.script->c_str());
            return usage();
        }
        input = &file;
    }

    std::string home = line.home.value_or("");
    RemovedAtExit temporary;
    if (!line.home) {
        home = (std::filesystem::temp_directory_path() / "korvat-sim-XXXXXX").string();
        if (mkdtemp(home.data()) == nullptr) {
            std::fputs("korvat-sim: cannot create a temporary directory\n", stderr);
            return EXIT_FAILURE;
        }
        temporary.path = home;
    }

    korvat::sim::Output out(stdout);
    korvat::sim::ScriptDriver driver(out, home);
    std::string text;
    while (std::getline(*input, text)) {
        driver.runLine(text);
    }
    std::fflush(stdout);
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> answered =
            korvat::answerInformationOption(argc, argv, "korvat-sim", kUsage, kHelp)) {
        return *answered;
    }
    const std::optional<CommandLine> line = parseCommandLine(argc, argv);
    if (!line) {
        return usage();
    }
    return line->randomGames ? runRandomGames(*line) : runScript(*line);
}
