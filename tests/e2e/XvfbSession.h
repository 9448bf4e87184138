#pragma once
// Runs the real program on a private Xvfb server and plays it as a player would: real mouse
// clicks and keys through xdotool, screenshots read from the server's frame-buffer file.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace korvat::e2e {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The whole X screen as last read.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Where the pixels of a 32-bit XWD image (the server's frame-buffer file) lie: rows of
// little-endian 0x00RRGGBB words.
struct XwdLayout {
    int width = 0;
    int height = 0;
    uint32_t bytesPerLine = 0;
    size_t offset = 0;  // of the first row
};
// False unless `data` holds a whole 32-bit image.
bool readXwdLayout(const unsigned char* data, size_t size, XwdLayout& layout);

class XvfbSession {
  public:
    XvfbSession(int screenWidth, int screenHeight);
    ~XvfbSession();
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;

    bool ready() const { return display_ >= 0; }
    // Runs a small window manager (openbox) on the server; true once it manages the screen.
    bool startWindowManager();
    std::string displayName() const { return ":" + std::to_string(display_); }
    // The server's screen as an XWD file, rewritten as the screen changes.
    std::string frameBufferPath() const { return fbDir_ + "/Xvfb_screen0"; }

    // Starts `program` with the given extra environment (NAME=value) and waits for its window.
    bool startProgram(const std::string& program, const std::vector<std::string>& environment,
                      const std::string& windowName);
    // Exit code of the program once it ended (waits up to timeoutMs), or -1.
    int waitForExit(int timeoutMs);
    pid_t programPid() const { return program_; }
    // The program's X window as the X tools name it (a decimal id).
    const std::string& windowId() const { return windowId_; }

    // A shell command on this server: its exit code, or its standard output.
    int run(const std::string& command) const;
    std::string capture(const std::string& command) const;

    // Window geometry on the X screen as the server reports it; false when it cannot be read.
    bool windowGeometry(int& x, int& y, int& width, int& height) const;
    // Device-screen geometry of the game window: device pixel (x, y) is shown at
    // (originX + x * scale, originY + y * scale) on the X screen.
    bool measureDevice();
    int scale() const { return scale_; }

    void clickDevice(int deviceX, int deviceY);
    void key(const std::string& keys);  // xdotool key names, e.g. "ctrl+z"
    Screenshot screenshot() const;
    // The colour of a device pixel in a screenshot.
    Rgb devicePixel(const Screenshot& shot, int deviceX, int deviceY) const;

  private:
    std::string fbDir_;
    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    pid_t program_ = -1;
    int display_ = -1;
    std::string windowId_;
    int originX_ = 0, originY_ = 0, scale_ = 1;
};

// Starts argv[0] (looked up in PATH) with the extra environment (NAME=value, replacing inherited
// variables of the same name), its output sent to /dev/null; -1 when it cannot be started.
pid_t spawnProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv);
// SIGTERM, then SIGKILL when the process has not ended within a second; pid becomes -1.
void stopProcess(pid_t& pid);

// Sleeps, in milliseconds.
void pause(int ms);
// Checks every stepMs until the condition holds (true) or timeoutMs have passed (false).
bool waitUntil(int timeoutMs, int stepMs, const std::function<bool()>& condition);

}  // namespace korvat::e2e
