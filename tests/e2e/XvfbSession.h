#pragma once
// Runs the real program on a private Xvfb server and plays it as a player would: real mouse
// clicks and keys through xdotool, screenshots read from the server's frame-buffer file.
#include <sys/types.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace korvat::e2e {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Where the rows of little-endian 0x00RRGGBB words of a 32-bit XWD image lie.
struct XwdLayout {
    int width = 0, height = 0;
    uint32_t bytesPerLine = 0;
    size_t offset = 0;  // of the first row
};
// False unless `data` holds a whole 32-bit image.
bool readXwdLayout(const unsigned char* data, size_t size, XwdLayout& layout);

// The whole X screen as last read; no pixels when it could not be read.
struct Screenshot {
    std::vector<unsigned char> data;
    XwdLayout layout;
};

// Starts argv[0] (from PATH) with extra NAME=value variables, its output sent to `output`.
pid_t spawnProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
                   const std::string& output = "/dev/null");
// Exit code of the process once it ended (waits up to timeoutMs; pid becomes -1), or -1.
int waitForExit(pid_t& pid, int timeoutMs);
// SIGTERM, then SIGKILL when the process has not ended within a second; pid becomes -1.
void stopProcess(pid_t& pid);

// The variables of a program run with a home folder of its own and no sound device.
inline std::vector<std::string> homeEnvironment(const std::string& home) {
    return {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
            "XDG_DATA_HOME=" + home + "/data", "SDL_AUDIODRIVER=dummy"};
}

void pause(int ms);
bool waitUntil(int timeoutMs, int stepMs, const std::function<bool()>& condition);

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
    int waitForExit(int timeoutMs) { return e2e::waitForExit(program_, timeoutMs); }
    pid_t programPid() const { return program_; }
    // The program's X window as the X tools name it.
    const std::string& windowId() const { return windowId_; }

    // A shell command on this server: whether it succeeded, or its standard output.
    bool run(const std::string& command) const {
        return std::system(
                   ("DISPLAY=" + displayName() + " " + command + " >/dev/null 2>&1").c_str()) == 0;
    }
    std::string capture(const std::string& command) const;

    // Where the window shows the device screen: centred at the largest whole scale that fits.
    bool measureDevice();
    int scale() const { return scale_; }
    std::tuple<int, int, int> placement() const { return {originX_, originY_, scale_}; }

    void clickDevice(int deviceX, int deviceY) const {
        run("xdotool mousemove --sync " + std::to_string(originX_ + deviceX * scale_ + scale_ / 2) +
            " " + std::to_string(originY_ + deviceY * scale_ + scale_ / 2) + " click 1");
    }
    void key(const std::string& keys) const {  // xdotool key names, e.g. "ctrl+z"
        run("xdotool key --window " + windowId_ + " " + keys);
    }
    Screenshot screenshot() const;
    // The colour of a device pixel in a screenshot; black outside the screen.
    Rgb devicePixel(const Screenshot& shot, int deviceX, int deviceY) const {
        const int x = originX_ + deviceX * scale_, y = originY_ + deviceY * scale_;
        const XwdLayout& l = shot.layout;
        if (x < 0 || y < 0 || x >= l.width || y >= l.height)
            return {};
        const unsigned char* p = shot.data.data() + l.offset + size_t{l.bytesPerLine} * y + 4 * x;
        return {p[2], p[1], p[0]};
    }

  private:
    std::string fbDir_, windowId_;
    pid_t server_ = -1, windowManager_ = -1, program_ = -1;
    int display_ = -1, originX_ = 0, originY_ = 0, scale_ = 1;
};

}  // namespace korvat::e2e
