#pragma once
// In-process support for the shell tests: the SDL offscreen driver, a fresh settings folder per
// test, and dialogs answered by the test.
#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

#include "game/Game.h"
#include "shell/DialogRunner.h"

namespace korvat::shell::testing {

// A folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Points XDG_CONFIG_HOME, XDG_DATA_HOME and HOME into `folder` (before a store is made).
void useHome(const TempFolder& folder);

// Opens the display on the offscreen driver once; true when it is open.
bool openOffscreenDisplay();

class ScriptedDialogs final : public DialogRunner {
  public:
    std::vector<std::string> calls;
    std::vector<std::string> messages;
    std::string saveAnswer;
    std::string loadAnswer;
    std::string nameAnswer;
    std::function<void()> onOptions;
    Game* shownGame = nullptr;

    void showMessage(const char* text) override;
    std::string askPlayerName() override;
    void showHighScores(Game& game) override;
    void runOptions() override;
    void runAbout() override;
    std::string chooseSaveFile() override;
    std::string chooseLoadFile() override;
};

// Reads a whole file; empty when missing.
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);

// True when the two rectangles of the surfaces hold the same pixels.
bool samePixels(SDL_Surface* a, const SDL_Rect& ra, SDL_Surface* b, const SDL_Rect& rb);
// A copy of the surface, caller frees.
SDL_Surface* copySurface(SDL_Surface* surface);
SDL_Color pixelAt(SDL_Surface* surface, int x, int y);

}  // namespace korvat::shell::testing
