// The mouse wheel reaches the page on top, in rows, and scrolls the file chooser's list.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "assets/Resources.h"
#include "platform/CommandBar.h"
#include "platform/FileChooser.h"
#include "platform_test_support.h"

namespace korvat::platform {
namespace {

namespace fs = std::filesystem;
using testing::DisplayTest;
using testing::pushClick;
using testing::pushEnd;
using testing::pushKey;
using testing::RecordingPage;

void pushWheel(int y, bool flipped = false) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.windowID = SDL_GetWindowID(Display::instance().window());
    event.wheel.y = y;
    event.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
    SDL_PushEvent(&event);
}

class WheelPage : public RecordingPage {
  public:
    using RecordingPage::RecordingPage;
    void onMouseWheel(int rows) override { log.push_back("wheel " + std::to_string(rows)); }
};

class Wheel : public DisplayTest {};

TEST_F(Wheel, TurnsReachTheTopPageAsRowsDownward) {
    WheelPage main("main");
    WheelPage dialog("dialog");
    main.timerScript = [&](int) {
        Display::instance().killTimer(main, 1);
        pushWheel(-1);       // turned towards the user: down the list
        pushWheel(2);        // away: up
        pushWheel(1, true);  // a flipped (natural) wheel reports the other sign
        pushWheel(0);        // sideways only
        pushEnd();
        EXPECT_EQ(Display::instance().runModal(dialog), testing::kEndResult);
        main.endModal(0);
    };
    Display::instance().setTimer(main, 1, 1);
    Display::instance().runModal(main);

    const std::vector<std::string> expected = {"paint", "wheel 3", "wheel -6", "wheel 3"};
    EXPECT_EQ(dialog.log, expected);
    for (const std::string& entry : main.log) {
        EXPECT_EQ(entry.rfind("wheel", 0), std::string::npos) << "the covered page got " << entry;
    }
}

TEST_F(Wheel, AnOpenMenuKeepsTheWheelFromThePage) {
    CommandBar bar;
    ASSERT_TRUE(bar.addMenus(res::kMainMenu));
    WheelPage page("main");
    page.bar = &bar;
    const SDL_Rect game = bar.dropDownRect(0);
    page.timerScript = [&](int) {
        Display::instance().killTimer(page, 1);
        pushClick(game.x + game.w / 2, game.y + game.h / 2);
        pushWheel(-1);
        pushKey(SDLK_ESCAPE);  // closes the menu
        pushWheel(-1);
        pushEnd();
    };
    Display::instance().setTimer(page, 1, 1);
    Display::instance().runModal(page);
    EXPECT_EQ(std::count(page.log.begin(), page.log.end(), "wheel 3"), 1);
}

TEST_F(Wheel, ScrollsTheFileChooserList) {
    const fs::path root = fs::temp_directory_path() / ("korvat-wheel-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
    for (int i = 0; i < 30; ++i) {
        std::ofstream(root / ("game" + std::to_string(100 + i) + ".kvt")) << "x";
    }
    FileChooser chooser(FileChooser::Mode::Open, "(Korvat  files)", "*.kvt", "kvt", root.string());
    int topAfterWheel = -1;
    RecordingPage owner("owner");
    owner.timerScript = [&](int) {
        Display::instance().killTimer(owner, 1);
        pushWheel(-2);
        pushKey(SDLK_ESCAPE);
        chooser.DoModal();
        const auto* list = dynamic_cast<const ListBox*>(chooser.control(FileChooser::kFolderList));
        topAfterWheel = list != nullptr ? list->topRow() : -1;
        owner.endModal(0);
    };
    Display::instance().setTimer(owner, 1, 1);
    Display::instance().runModal(owner);
    fs::remove_all(root);
    EXPECT_EQ(topAfterWheel, 6);
}

}  // namespace
}  // namespace korvat::platform
