// The game in a browser tab. The page (shell.html, Page.js) has mounted the saved files before
// main runs; there is no command line.
#include "shell/GameApp.h"

int main() {
    return korvat::shell::GameApp().run();
}
