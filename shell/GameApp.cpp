#include "GameApp.h"

#include "assets/Resources.h"
#include "platform/Display.h"
#include "platform/Font.h"
#include "platform/Resources.h"
#include "platform/SingleInstance.h"
#include "shell/GameDialog.h"

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

}  // namespace

int GameApp::run() {
    const std::string programPath = platform::SingleInstance::programFilePath();
    platform::SingleInstance instance(programPath);
    const bool checked = !programPath.empty();
    if (checked && instance.start() == platform::SingleInstance::Outcome::HandedOver) {
        return kHandedOverExitCode;
    }

    platform::prepareFonts();
    platform::Display& display = platform::Display::instance();
    if (!display.open(kGameTitle)) {
        return kNoDisplayExitCode;
    }
    setWindowIcon(display.window());
    int exitCode = 0;
    {
        GameDialog dialog(nullptr, checked ? &instance : nullptr);
        dialog.initialise();
        display.runModal(dialog);
        if (display.quitPosted()) {
            exitCode = display.quitCode();
        }
    }
    display.close();
    return exitCode;
}

}  // namespace korvat::shell
