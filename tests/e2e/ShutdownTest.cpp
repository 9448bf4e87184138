// How the real program ends: the title bar's OK writes the settings, Exit (Ctrl+Q) does not.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "QuickGame.h"
#include "platform/TitleBar.h"
#include "storage/SettingsStore.h"

namespace korvat::e2e {
namespace {

class ShutdownTest : public QuickGameTest {
  protected:
    std::string settingsPath() const { return home.path + "/config/korvat/korvat.conf"; }
    std::string settingsText() const {
        std::ifstream in(settingsPath());
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A key can be lost while the window is still taking the focus: press until it ends.
    int pressUntilExit(const std::function<void()>& press) {
        settledBoard();
        for (int attempt = 0; attempt < 3; ++attempt) {
            press();
            const int code = session.waitForExit(4000);
            if (code != -1)
                return code;
        }
        return -1;
    }
};

TEST_F(ShutdownTest, ExitEndsWith18WithoutWritingTheSettings) {
    const std::string before = settingsText();
    EXPECT_EQ(pressUntilExit([&] { session.key("ctrl+q"); }), 18);
    EXPECT_EQ(settingsText(), before);
}

TEST_F(ShutdownTest, TitleBarOkWritesTheSettingsAndEndsWith0) {
    const SDL_Rect ok = platform::titleBarOkButton();
    EXPECT_EQ(pressUntilExit([&] { session.clickDevice(ok.x + ok.w / 2, ok.y + ok.h / 2); }), 0);
    storage::SettingsStore store(settingsPath());
    uint32_t best = 0, move = 1;
    EXPECT_TRUE(store.read(kBestScoreValue, best));
    EXPECT_EQ(best, 100u);
    EXPECT_TRUE(store.read(kMoveDelayValue, move));
    EXPECT_EQ(move, 0u);
}

}  // namespace
}  // namespace korvat::e2e
