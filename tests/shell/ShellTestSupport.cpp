#include "ShellTestSupport.h"

#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Display.h"

namespace korvat::shell::testing {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvat-shell-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) {
        std::filesystem::remove_all(path_, ignored);
    }
}

void useHome(const TempFolder& folder) {
    setenv("HOME", folder.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", folder.file("config").c_str(), 1);
    setenv("XDG_DATA_HOME", folder.file("data").c_str(), 1);
}

bool openOffscreenDisplay() {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::Display& display = platform::Display::instance();
    return display.open("Korvat 1.2");
}

void ScriptedDialogs::showMessage(const char* text) {
    calls.push_back("message");
    messages.emplace_back(text);
}

std::string ScriptedDialogs::askPlayerName() {
    calls.push_back("name");
    return nameAnswer;
}

void ScriptedDialogs::showHighScores(Game& game) {
    calls.push_back("highscores");
    shownGame = &game;
    game.reloadHighScores();
}

void ScriptedDialogs::runOptions() {
    calls.push_back("options");
    if (onOptions) {
        onOptions();
    }
}

void ScriptedDialogs::runAbout() {
    calls.push_back("about");
}

std::string ScriptedDialogs::chooseSaveFile() {
    calls.push_back("save");
    return saveAnswer;
}

std::string ScriptedDialogs::chooseLoadFile() {
    calls.push_back("load");
    return loadAnswer;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

SDL_Color pixelAt(SDL_Surface* surface, int x, int y) {
    SDL_Color c{0, 0, 0, 255};
    SDL_LockSurface(surface);
    const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    const int bpp = surface->format->BytesPerPixel;
    std::memcpy(&value, row + x * bpp, static_cast<size_t>(bpp));
    SDL_UnlockSurface(surface);
    SDL_GetRGB(value, surface->format, &c.r, &c.g, &c.b);
    return c;
}

bool samePixels(SDL_Surface* a, const SDL_Rect& ra, SDL_Surface* b, const SDL_Rect& rb) {
    if (ra.w != rb.w || ra.h != rb.h) {
        return false;
    }
    for (int y = 0; y < ra.h; ++y) {
        for (int x = 0; x < ra.w; ++x) {
            const SDL_Color p = pixelAt(a, ra.x + x, ra.y + y);
            const SDL_Color q = pixelAt(b, rb.x + x, rb.y + y);
            if (p.r != q.r || p.g != q.g || p.b != q.b) {
                return false;
            }
        }
    }
    return true;
}

SDL_Surface* copySurface(SDL_Surface* surface) {
    return SDL_ConvertSurface(surface, surface->format, 0);
}

}  // namespace korvat::shell::testing
