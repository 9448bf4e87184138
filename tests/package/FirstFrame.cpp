// korvat-first-frame PROGRAM [OUT [LANG]]: starts the game on a private X server, in a home folder
// of its own, and waits for its first frame (three balls on the board, the title bar). Exit 0 when
// it shows; with OUT, the 240 x 320 device screen is written there as a binary PPM, for the
// browser's frame to be compared with.
#include <cstdio>
#include <fstream>
#include <string>

#include "../storage/TempFolder.h"
#include "GameScreen.h"
#include "XvfbSession.h"
#include "dist/Version.h"
#include "platform/Display.h"

using namespace korvat::e2e;
using korvat::platform::kScreenHeight;
using korvat::platform::kScreenWidth;

namespace {

bool writePpm(const char* path, const XvfbSession& session, const Screenshot& shot) {
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << kScreenWidth << " " << kScreenHeight << "\n255\n";
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            const Rgb c = session.devicePixel(shot, x, y);
            file << c.r << c.g << c.b;
        }
    }
    file.close();
    return !file.fail();
}

// The title bar's dark blue: drawn with the chrome, after the board.
bool isTitleBlue(const Rgb& c) {
    return c.b > 100 && c.r < 40 && c.g < 40;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fputs("usage: korvat-first-frame PROGRAM [OUT [LANG]]\n", stderr);
        return 2;
    }
    const korvat::testing::TempFolder home;  // removed after the session stopped the game
    std::vector<std::string> env = homeEnvironment(home.path);
    // a runtime folder of its own: its own single copy
    env.insert(env.end(), {std::string("LANG=") + (argc == 4 ? argv[3] : "C.UTF-8"),
                           "LC_ALL=", "LC_MESSAGES=", "LANGUAGE=", "XDG_RUNTIME_DIR=" + home.path});
    XvfbSession session(1024, 768);
    const bool done = session.ready() && session.startProgram(argv[1], env, korvat::kGameTitle) &&
                      waitUntil(10000, 100, [&] {
                          const Screenshot shot = session.screenshot();
                          return readBoard(session, shot).count(CellLook::Ball) == 3 &&
                                 isTitleBlue(session.devicePixel(shot, 2, 2));
                      });
    // The rest of the frame follows the board within its own paint.
    pause(300);
    if (!done || (argc > 2 && !writePpm(argv[2], session, session.screenshot()))) {
        std::fputs("korvat-first-frame: no first frame\n", stderr);
        return 1;
    }
    std::puts("first frame: the board with three balls");
    return 0;
}
