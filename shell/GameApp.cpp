#include "GameApp.h"

#include "platform/Display.h"
#include "platform/SingleInstance.h"
#include "shell/GameDialog.h"

namespace korvat::shell {
namespace {

constexpr int kHandedOverExitCode = 255;  // the device's -1
constexpr int kNoDisplayExitCode = 1;

}  // namespace

int GameApp::run() {
    const std::string programPath = platform::SingleInstance::programFilePath();
    platform::SingleInstance instance(programPath);
    const bool checked = !programPath.empty();
    if (checked && instance.start() == platform::SingleInstance::Outcome::HandedOver) {
        return kHandedOverExitCode;
    }

    platform::Display& display = platform::Display::instance();
    if (!display.open("Korvat 1.2")) {
        return kNoDisplayExitCode;
    }
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
