// The game in a browser tab. The page (shell.html, Page.js) has mounted the saved files before
// main runs; there is no command line.
#include "platform/web/Viewport.h"
#include "shell/GameApp.h"

int main() {
    korvat::platform::web::fitWindowsToViewport();
    return korvat::shell::GameApp().run();
}
