// korvat-first-frame PROGRAM [OUT [LANG]]: starts the game on a private X server, in a home folder
// of its own, and waits for its first frame (three balls on the board, the title bar). Exit 0 when
// it shows; with OUT, the 240 x 320 device screen is written there as a binary PPM, for the
// browser's frame to be compared with.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "GameScreen.h"
#include "XvfbSession.h"
#include "dist/Version.h"
#include "platform/Display.h"

using namespace korvat::e2e;

namespace {

bool writePpm(const char* path, const XvfbSession& session, const Screenshot& shot) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr)
        return false;
    std::fprintf(file, "P6\n%d %d\n255\n", korvat::platform::kScreenWidth,
                 korvat::platform::kScreenHeight);
    for (int y = 0; y < korvat::platform::kScreenHeight; ++y) {
        for (int x = 0; x < korvat::platform::kScreenWidth; ++x) {
            const Rgb c = session.devicePixel(shot, x, y);
            const unsigned char rgb[3] = {c.r, c.g, c.b};
            std::fwrite(rgb, 1, 3, file);
        }
    }
    return std::fclose(file) == 0;
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
    char name[] = "/tmp/korvat-frame-XXXXXX";
    if (mkdtemp(name) == nullptr) {
        std::perror("korvat-first-frame");
        return 1;
    }
    const std::string home = name;
    bool done = false;
    {
        XvfbSession session(1024, 768);
        if (session.ready() &&
            session.startProgram(argv[1],
                                 {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
                                  "XDG_DATA_HOME=" + home + "/data", "SDL_AUDIODRIVER=dummy",
                                  std::string("LANG=") + (argc == 4 ? argv[3] : "C.UTF-8"),
                                  "LC_ALL=", "LC_MESSAGES=", "LANGUAGE=",
                                  // a runtime folder of its own: its own single copy
                                  "XDG_RUNTIME_DIR=" + home},
                                 korvat::kGameTitle)) {
            for (int waited = 0; waited <= 10000 && !done; waited += 100) {
                pause(100);
                const Screenshot shot = session.screenshot();
                if (readBoard(session, shot).count(CellLook::Ball) == 3 &&
                    isTitleBlue(session.devicePixel(shot, 2, 2))) {
                    // The rest of the frame follows the board within its own paint.
                    pause(300);
                    done = argc == 2 || writePpm(argv[2], session, session.screenshot());
                }
            }
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    if (!done) {
        std::fputs("korvat-first-frame: no first frame\n", stderr);
        return 1;
    }
    std::puts("first frame: the board with three balls");
    return 0;
}
