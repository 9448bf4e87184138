#include "shell/GameApp.h"

int main() {
    return korvat::shell::GameApp().run();
}
