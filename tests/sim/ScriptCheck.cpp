// Runs one korvat-sim script in a fresh folder and compares what it prints with the expected
// output. Lines "#! ..." of the script (comments to the driver) first lay out the files the
// script needs:
//   #! kvt NAME SECONDS SCORE BLOCK LINES   a saved game; the next nine "#!" lines are the board
//                                           rows 0 to 8, nine cells each, "." for EMPTY
//   #! size NAME BYTES                      cuts or zero-pads a file to BYTES
//   #! topten                               "home/top.ten"; the next ten "#!" lines are rows
//                                           NAME|SCORE|H|M|S, "\uXXXX" for a raw UTF-16 unit
// The driver runs with the fresh folder as working directory and "home" in it as --home.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Failures inside the run throw, so that the fresh folder is removed on the way out.
struct Failure {
    std::string text;
};

[[noreturn]] void die(const std::string& text) {
    throw Failure{text};
}

void putWord(std::string& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        die("cannot write " + path.string());
    }
}

// The 340-byte record: seconds, score, Block flag, Lines flag, then the cells column by column.
std::string savedGame(const std::vector<std::string>& header,
                      const std::vector<std::string>& rows) {
    std::string bytes;
    for (size_t i = 2; i < 6; ++i) {
        putWord(bytes, static_cast<uint32_t>(std::stoll(header.at(i))));
    }
    int32_t cells[9][9];
    for (int y = 0; y < 9; ++y) {
        std::istringstream row(rows.at(y));
        for (int x = 0; x < 9; ++x) {
            std::string cell;
            if (!(row >> cell)) {
                die("short board row: " + rows.at(y));
            }
            cells[x][y] = cell == "." ? -1 : std::stoi(cell);
        }
    }
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            putWord(bytes, static_cast<uint32_t>(cells[x][y]));
        }
    }
    return bytes;
}

// UTF-8 with "\uXXXX" escapes to UTF-16 units.
std::u16string nameUnits(const std::string& text) {
    std::u16string units;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "\\u") == 0) {
            units += static_cast<char16_t>(std::stoul(text.substr(i + 2, 4), nullptr, 16));
            i += 6;
            continue;
        }
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        uint32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text.at(i + k)) & 0x3F);
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (code >> 10));
            units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
        i += static_cast<size_t>(length);
    }
    return units;
}

// Ten 48-byte rows: 16 name units (blank-padded to 15, then zero), score, hours, minutes, seconds.
std::string topTen(const std::vector<std::string>& rows) {
    std::string bytes;
    for (const std::string& row : rows) {
        std::vector<std::string> fields;
        std::istringstream in(row);
        for (std::string field; std::getline(in, field, '|');) {
            fields.push_back(field);
        }
        std::u16string name = nameUnits(fields.at(0));
        name.resize(15, u' ');
        name += u'\0';
        for (char16_t unit : name) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        for (size_t i = 1; i < 5; ++i) {
            putWord(bytes, static_cast<uint32_t>(std::stoll(fields.at(i))));
        }
    }
    return bytes;
}

void layOutFiles(const fs::path& script, const fs::path& dir) {
    std::ifstream in(script, std::ios::binary);
    std::vector<std::string> directives;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("#! ", 0) == 0) {
            directives.push_back(line.substr(3));
        }
    }
    for (size_t i = 0; i < directives.size(); ++i) {
        std::istringstream words(directives[i]);
        std::vector<std::string> header;
        for (std::string word; words >> word;) {
            header.push_back(word);
        }
        if (header.empty()) {
            continue;
        }
        auto take = [&](size_t n) {
            if (i + n >= directives.size()) {
                die("directive without its lines: " + directives[i]);
            }
            std::vector<std::string> lines(directives.begin() + static_cast<long>(i) + 1,
                                           directives.begin() + static_cast<long>(i + n) + 1);
            i += n;
            return lines;
        };
        if (header[0] == "kvt" && header.size() == 6) {
            writeFile(dir / header[1], savedGame(header, take(9)));
        } else if (header[0] == "size" && header.size() == 3) {
            fs::resize_file(dir / header[1], std::stoull(header[2]));
        } else if (header[0] == "topten") {
            writeFile(dir / "home" / "top.ten", topTen(take(10)));
        } else {
            die("unknown directive: " + directives[i]);
        }
    }
}

std::vector<std::string> readLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

int run(int argc, char** argv) {
    if (argc != 4) {
        die("usage: korvat-sim-script-check SIM SCRIPT EXPECTED");
    }
    const fs::path sim = fs::absolute(argv[1]);
    const fs::path script = fs::absolute(argv[2]);
    const fs::path expected = fs::absolute(argv[3]);

    std::string pattern = (fs::temp_directory_path() / "korvat-sim-check-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        die("cannot create a temporary folder");
    }
    const fs::path dir = pattern;
    struct RemoveAtExit {
        fs::path path;
        ~RemoveAtExit() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    } cleanup{dir};
    fs::create_directory(dir / "home");
    layOutFiles(script, dir);

    const fs::path actualPath = dir / "actual.out";
    const pid_t child = fork();
    if (child == 0) {
        FILE* out = std::fopen(actualPath.c_str(), "wb");
        if (out == nullptr || chdir(dir.c_str()) != 0 || dup2(fileno(out), STDOUT_FILENO) < 0) {
            _exit(127);
        }
        execl(sim.c_str(), sim.c_str(), "--script", script.c_str(), "--home", "home",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);

    const std::vector<std::string> actual = readLines(actualPath);
    const std::vector<std::string> wanted = readLines(expected);

    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        die("korvat-sim did not exit 0");
    }
    if (!fs::exists(expected)) {
        // A new script: show what it printed, for a reader to check against the rules.
        for (const std::string& line : actual) {
            std::cout << line << '\n';
        }
        die("no expected output: " + expected.string());
    }
    if (actual == wanted) {
        return 0;
    }
    size_t first = 0;
    while (first < actual.size() && first < wanted.size() && actual[first] == wanted[first]) {
        ++first;
    }
    std::cerr << "output differs from line " << first + 1 << ":\n";
    for (size_t i = first; i < std::max(actual.size(), wanted.size()) && i < first + 12; ++i) {
        std::cerr << "  want: " << (i < wanted.size() ? wanted[i] : "<none>") << '\n'
                  << "  got:  " << (i < actual.size() ? actual[i] : "<none>") << '\n';
    }
    return 1;
}

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const Failure& failure) {
        std::cerr << failure.text << '\n';
    } catch (const std::exception& error) {
        std::cerr << "bad directive: " << error.what() << '\n';
    }
    return 1;
}
