#include "platform/Files.h"
#include "platform/Translation.h"
#include "shell/CommandLine.h"
#include "shell/GameApp.h"

int main(int argc, char** argv) {
    // Before anything the player reads, the help text included.
    korvat::platform::startTranslations(
        korvat::platform::catalogueDirectory(korvat::platform::programDirectory()));
    if (const std::optional<int> answered = korvat::shell::answerCommandLine(argc, argv)) {
        return *answered;
    }
    return korvat::shell::GameApp().run();
}
