#include "GameApp.h"

#include <cstdio>
#include <string>

#include "assets/Resources.h"
#include "platform/Display.h"
#include "platform/Files.h"
#include "platform/Font.h"
#include "platform/Resources.h"
#include "platform/SingleInstance.h"
#include "platform/Translation.h"
#include "shell/MainWindow.h"

namespace korvat::shell {
namespace {

constexpr int kHandedOverExitCode = 255;  // the device's -1
constexpr int kNoDisplayExitCode = 1;

// The icon of icon group 128 for the title bar and the task list. SDL takes one image and the
// desktop scales it, so the larger member goes; without it the window keeps the default icon.
void setWindowIcon(SDL_Window* window) {
    SDL_Surface* icon = platform::loadBitmap(res::kAppIcon);
    if (icon != nullptr) {
        SDL_SetWindowIcon(window, icon);
        SDL_FreeSurface(icon);
    }
}

// The one line a start without a window leaves, and its exit code.
int cannotOpenWindow(const char* reason) {
    std::fprintf(stderr, platform::tr("korvat: cannot open a window: %s\n"), reason);
    return kNoDisplayExitCode;
}

}  // namespace

int GameApp::run() {
    // Fontconfig's set-up runs beside SDL's display set-up; it reads no settings, and a start
    // that ends early waits only for its few milliseconds.
    platform::prepareFonts();
    // The display first: without one nothing else happens, not even taking the name.
    platform::Display& display = platform::Display::instance();
    std::string reason;
    if (!display.start(reason)) {
        return cannotOpenWindow(reason.c_str());
    }
    const std::string programPath = platform::programFilePath();
    platform::SingleInstance instance(programPath);
    if (!programPath.empty() && instance.start() == platform::SingleInstance::Outcome::HandedOver) {
        display.close();
        return kHandedOverExitCode;
    }

    if (!display.open(kGameTitle)) {
        const int exitCode = cannotOpenWindow(SDL_GetError());
        display.close();
        return exitCode;
    }
    setWindowIcon(display.window());
    display.serveRaiseRequests(&instance);
    int exitCode = 0;
    {
        MainWindow dialog;
        dialog.initialise();
        display.runModal(dialog);
        exitCode = display.quitPosted() ? display.quitCode() : 0;
    }
    display.serveRaiseRequests(nullptr);
    display.close();
    return exitCode;
}

}  // namespace korvat::shell
