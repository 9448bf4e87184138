// korvat-first-frame PROGRAM: starts the game on a private X server, in a home folder of its own,
// and waits for its first frame, the board with the first three balls. Exit 0 when it shows.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "GameScreen.h"
#include "XvfbSession.h"
#include "dist/Version.h"

using namespace korvat::e2e;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: korvat-first-frame PROGRAM\n", stderr);
        return 2;
    }
    char name[] = "/tmp/korvat-frame-XXXXXX";
    if (mkdtemp(name) == nullptr) {
        std::perror("korvat-first-frame");
        return 1;
    }
    const std::string home = name;
    int balls = -1;
    {
        XvfbSession session(1024, 768);
        if (session.ready() &&
            session.startProgram(argv[1],
                                 {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
                                  "XDG_DATA_HOME=" + home + "/data", "SDL_AUDIODRIVER=dummy"},
                                 korvat::kGameTitle)) {
            for (int waited = 0; waited <= 10000 && balls != 3; waited += 100) {
                pause(100);
                balls = readBoard(session, session.screenshot()).count(CellLook::Ball);
            }
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    if (balls != 3) {
        std::fprintf(stderr, "korvat-first-frame: no board with three balls (%d seen)\n", balls);
        return 1;
    }
    std::puts("first frame: the board with three balls");
    return 0;
}
