// The game in a browser tab. The page (shell.html, Page.js) has mounted the saved files before
// main runs; there is no command line. The browser's language is the environment's LANG, and
// the catalogues come with the page.
#include "platform/Translation.h"
#include "platform/web/Viewport.h"
#include "shell/GameApp.h"

int main() {
    korvat::platform::startTranslations("/locale");
    korvat::platform::web::fitWindowsToViewport();
    return korvat::shell::GameApp().run();
}
