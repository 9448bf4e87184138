#include "shell/CommandLine.h"
#include "shell/GameApp.h"

int main(int argc, char** argv) {
    if (const std::optional<int> answered = korvat::shell::answerCommandLine(argc, argv)) {
        return *answered;
    }
    return korvat::shell::GameApp().run();
}
