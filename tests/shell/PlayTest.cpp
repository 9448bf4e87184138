// The real program under Xvfb: clicks on a ball and on a free cell, read back from the X
// server's own picture of the window.
#include <gtest/gtest.h>
#include <unistd.h>

// After gtest: Xlib defines macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <queue>
#include <string>
#include <vector>

#include "ProcessSupport.h"

namespace korvat::shell::testing {
namespace {

constexpr int kDeviceWidth = 240;
constexpr int kDeviceHeight = 320;
constexpr int kClientTop = 26;

enum class Cell { Empty, Hint, Ball };

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// The window's picture, read pixel by pixel in device coordinates.
class Shot {
  public:
    Shot(Display* display, Window window) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, window, &attributes) == 0) {
            return;
        }
        image_ = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes,
                           ZPixmap);
        if (image_ == nullptr) {
            return;
        }
        scale_ = std::min(attributes.width / kDeviceWidth, attributes.height / kDeviceHeight);
        offsetX_ = (attributes.width - kDeviceWidth * scale_) / 2;
        offsetY_ = (attributes.height - kDeviceHeight * scale_) / 2;
    }
    ~Shot() {
        if (image_ != nullptr) {
            XDestroyImage(image_);
        }
    }
    Shot(const Shot&) = delete;
    Shot& operator=(const Shot&) = delete;

    bool valid() const { return image_ != nullptr && scale_ > 0; }
    int scale() const { return scale_; }
    // Window point at the middle of a device pixel.
    int windowX(int x) const { return offsetX_ + x * scale_ + scale_ / 2; }
    int windowY(int y) const { return offsetY_ + y * scale_ + scale_ / 2; }
    Rgb at(int x, int y) const {
        const unsigned long p = XGetPixel(image_, windowX(x), windowY(y));
        return {static_cast<int>((p & image_->red_mask) >> shift(image_->red_mask)),
                static_cast<int>((p & image_->green_mask) >> shift(image_->green_mask)),
                static_cast<int>((p & image_->blue_mask) >> shift(image_->blue_mask))};
    }

  private:
    static int shift(unsigned long mask) {
        int s = 0;
        while (mask != 0 && (mask & 1) == 0) {
            mask >>= 1;
            ++s;
        }
        return s;
    }
    XImage* image_ = nullptr;
    int scale_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
};

// Device position of the sprite of cell (x, y).
int spriteX(int x) {
    return 26 * x + 6;
}
int spriteY(int y) {
    return kClientTop + 26 * y + 36;
}

bool tileGrey(const Rgb& c) {
    return std::abs(c.r - 192) <= 12 && std::abs(c.g - 192) <= 12 && std::abs(c.b - 192) <= 12;
}

Cell classify(const Shot& shot, int x, int y) {
    const Rgb middle = shot.at(spriteX(x) + 10, spriteY(y) + 10);
    const Rgb edge = shot.at(spriteX(x) + 3, spriteY(y) + 10);
    if (tileGrey(middle)) {
        return Cell::Empty;
    }
    return tileGrey(edge) ? Cell::Hint : Cell::Ball;
}

bool sameSprite(const Shot& a, int ax, int ay, const Shot& b, int bx, int by) {
    for (int dy = 0; dy < 21; ++dy) {
        for (int dx = 0; dx < 21; ++dx) {
            if (!(a.at(spriteX(ax) + dx, spriteY(ay) + dy) ==
                  b.at(spriteX(bx) + dx, spriteY(by) + dy))) {
                return false;
            }
        }
    }
    return true;
}

std::string windowName(Display* display, Window window) {
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        result = name;
        XFree(name);
    }
    return result;
}

Window findWindow(Display* display, const std::string& title) {
    Window root = DefaultRootWindow(display);
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            if (windowName(display, children[i]) == title) {
                found = children[i];
            }
        }
        XFree(children);
    }
    return found;
}

class PlayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = makeTempFolder();
        ASSERT_FALSE(root_.empty());
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        xvfb_ = spawn(KORVAT_XVFB,
                      {"-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24",
                       "-nolisten", "tcp"},
                      {}, fds[1]);
        close(fds[1]);
        // The server may write the number and the line end separately: read up to the line
        // end, and keep the pipe open while the server runs.
        numberPipe_ = fds[0];
        std::string number;
        char c = 0;
        while (read(numberPipe_, &c, 1) == 1 && c != '\n') {
            number += c;
        }
        if (xvfb_ <= 0 || number.empty()) {
            GTEST_SKIP() << "Xvfb does not start here";
        }
        displayName_ = ":" + number;
        display_ = XOpenDisplay(displayName_.c_str());
        ASSERT_NE(display_, nullptr);
        std::filesystem::create_directories(root_ + "/home");
        env_ = {"DISPLAY=" + displayName_,
                "SDL_VIDEODRIVER=x11",
                "SDL_AUDIODRIVER=dummy",
                "HOME=" + root_ + "/home",
                "XDG_CONFIG_HOME=" + root_ + "/home/config",
                "XDG_DATA_HOME=" + root_ + "/home/data"};
    }
    void TearDown() override {
        stop(game_);
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
        stop(xvfb_);
        if (numberPipe_ >= 0) {
            close(numberPipe_);
        }
        removeFolder(root_);
    }
    void click(int deviceX, int deviceY, const Shot& geometry) {
        const pid_t tool = spawn(KORVAT_XDOTOOL,
                                 {"mousemove", "--window", std::to_string(window_),
                                  std::to_string(geometry.windowX(deviceX)),
                                  std::to_string(geometry.windowY(deviceY)), "click", "1"},
                                 env_);
        ASSERT_EQ(waitExit(tool, 10000), 0);
    }

    // Keys go to the window under the pointer (there is no window manager).
    int pressKeys(const char* keys) {
        const pid_t tool = spawn(
            KORVAT_XDOTOOL,
            {"mousemove", "--window", std::to_string(window_), "20", "20", "key", keys}, env_);
        return waitExit(tool, 10000);
    }
    void startGame() {
        const std::string program = copyProgram(KORVAT_PROGRAM, root_);
        game_ = spawn(program, {}, env_);
        ASSERT_GT(game_, 0);
        ASSERT_TRUE(
            waitFor([&] { return (window_ = findWindow(display_, "Korvat 1.2")) != 0; }, 15000));
    }
    // Presses the keys until the program ends (a key press can be lost while the window
    // settles); its exit code, or -1.
    int pressUntilExit(const char* keys) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (pressKeys(keys) != 0) {
                return -1;
            }
            const int code = waitExit(game_, 4000);
            if (code != -1) {
                game_ = -1;
                return code;
            }
        }
        return -1;
    }
    bool settingsWritten() const {
        return std::filesystem::exists(root_ + "/home/config/korvat/registry");
    }

    std::string root_;
    std::string displayName_;
    std::vector<std::string> env_;
    pid_t xvfb_ = -1;
    int numberPipe_ = -1;
    pid_t game_ = -1;
    Display* display_ = nullptr;
    Window window_ = 0;
};

TEST_F(PlayTest, ClickingABallAndAFreeCellMovesTheBall) {
    const std::string program = copyProgram(KORVAT_PROGRAM, root_);
    game_ = spawn(program, {}, env_);
    ASSERT_GT(game_, 0);
    ASSERT_TRUE(
        waitFor([&] { return (window_ = findWindow(display_, "Korvat 1.2")) != 0; }, 15000));

    // The first game: three balls and three announced cells.
    Cell cells[9][9];
    auto readBoard = [&](const Shot& shot) {
        int balls = 0;
        int hints = 0;
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                cells[x][y] = classify(shot, x, y);
                balls += cells[x][y] == Cell::Ball ? 1 : 0;
                hints += cells[x][y] == Cell::Hint ? 1 : 0;
            }
        }
        return balls == 3 && hints == 3;
    };
    std::unique_ptr<Shot> before;
    ASSERT_TRUE(waitFor(
        [&] {
            before = std::make_unique<Shot>(display_, window_);
            return before->valid() && readBoard(*before);
        },
        15000));

    // A ball and an empty cell that a free route reaches.
    int fromX = -1, fromY = -1, toX = -1, toY = -1;
    for (int x = 0; x < 9 && fromX < 0; ++x) {
        for (int y = 0; y < 9 && fromX < 0; ++y) {
            if (cells[x][y] != Cell::Ball) {
                continue;
            }
            bool seen[9][9] = {};
            std::queue<std::pair<int, int>> open;
            open.push({x, y});
            seen[x][y] = true;
            while (!open.empty() && fromX < 0) {
                const auto [cx, cy] = open.front();
                open.pop();
                const int steps[4][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
                for (const auto& s : steps) {
                    const int nx = cx + s[0];
                    const int ny = cy + s[1];
                    if (nx < 0 || ny < 0 || nx > 8 || ny > 8 || seen[nx][ny] ||
                        cells[nx][ny] == Cell::Ball) {
                        continue;
                    }
                    seen[nx][ny] = true;
                    if (cells[nx][ny] == Cell::Empty && std::abs(nx - x) + std::abs(ny - y) > 2) {
                        fromX = x, fromY = y, toX = nx, toY = ny;
                        break;
                    }
                    open.push({nx, ny});
                }
            }
        }
    }
    ASSERT_GE(fromX, 0) << "no free route on the first board";

    // A click that comes while the window is still settling can be lost: click the ball
    // until it bounces, which shows it is selected.
    bool selected = false;
    for (int attempt = 0; attempt < 3 && !selected; ++attempt) {
        click(spriteX(fromX) + 10, spriteY(fromY) + 10, *before);
        selected = waitFor(
            [&] {
                Shot now(display_, window_);
                return now.valid() && !sameSprite(*before, fromX, fromY, now, fromX, fromY);
            },
            3000);
    }
    ASSERT_TRUE(selected) << "the ball at (" << fromX << "," << fromY << ") does not bounce";
    click(spriteX(toX) + 10, spriteY(toY) + 10, *before);
    // The same for the target, while the ball still waits at its start.
    if (!waitFor([&] { return classify(Shot(display_, window_), fromX, fromY) == Cell::Empty; },
                 5000)) {
        click(spriteX(toX) + 10, spriteY(toY) + 10, *before);
    }

    EXPECT_TRUE(waitFor(
        [&] {
            Shot after(display_, window_);
            return after.valid() && sameSprite(*before, fromX, fromY, after, toX, toY) &&
                   classify(after, fromX, fromY) == Cell::Empty;
        },
        15000))
        << "ball (" << fromX << "," << fromY << ") did not arrive at (" << toX << "," << toY << ")";
    EXPECT_TRUE(running(game_));
}

TEST_F(PlayTest, CtrlQEndsWith18WithoutWritingTheSettings) {
    startGame();
    ASSERT_TRUE(waitFor([&] { return Shot(display_, window_).valid(); }, 15000));
    EXPECT_EQ(pressUntilExit("ctrl+q"), 18);
    EXPECT_FALSE(settingsWritten());
}

TEST_F(PlayTest, EnterWritesTheSettingsAndEndsWith0) {
    startGame();
    ASSERT_TRUE(waitFor([&] { return Shot(display_, window_).valid(); }, 15000));
    EXPECT_EQ(pressUntilExit("Return"), 0);
    EXPECT_TRUE(settingsWritten());
}

}  // namespace
}  // namespace korvat::shell::testing
