#include "XvfbSession.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string_view>
#include <thread>

extern char** environ;

namespace korvat::e2e {
namespace {

constexpr int kDeviceWidth = 240;
constexpr int kDeviceHeight = 320;

uint32_t bigEndian32(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

}  // namespace

bool readXwdLayout(const unsigned char* data, size_t size, XwdLayout& layout) {
    if (size < 100) {
        return false;
    }
    layout.width = static_cast<int>(bigEndian32(data + 16));
    layout.height = static_cast<int>(bigEndian32(data + 20));
    layout.bytesPerLine = bigEndian32(data + 48);
    layout.offset = bigEndian32(data) + size_t{bigEndian32(data + 76)} * 12;  // header, colours
    return bigEndian32(data + 44) == 32 &&
           layout.offset + size_t{layout.bytesPerLine} * static_cast<size_t>(layout.height) <= size;
}

bool waitUntil(int timeoutMs, int stepMs, const std::function<bool()>& condition) {
    for (int waited = 0; waited <= timeoutMs; waited += stepMs) {
        if (condition())
            return true;
        pause(stepMs);
    }
    return false;
}

pid_t spawnProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    // The extra variables replace inherited ones of the same name.
    std::vector<char*> env;
    for (char** e = environ; *e; ++e) {
        const std::string_view name(*e, std::strcspn(*e, "=") + 1);
        if (std::none_of(extraEnv.begin(), extraEnv.end(),
                         [&](const std::string& extra) { return extra.starts_with(name); }))
            env.push_back(*e);
    }
    for (const std::string& e : extraEnv)
        env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Neither child may hold the test's output open: a test that dies would leave the server
    // or the game behind, and ctest would wait for their output to end.
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        posix_spawn_file_actions_adddup2(&actions, devNull, 1);
        posix_spawn_file_actions_adddup2(&actions, devNull, 2);
    }
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (devNull >= 0)
        close(devNull);
    return pid;
}

void stopProcess(pid_t& pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    if (!waitUntil(1000, 20, [&] { return waitpid(pid, nullptr, WNOHANG) == pid; })) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    pid = -1;
}

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

XvfbSession::XvfbSession(int screenWidth, int screenHeight) {
    char dirTemplate[] = "/tmp/korvat-xvfb-XXXXXX";
    if (!mkdtemp(dirTemplate))
        return;
    fbDir_ = dirTemplate;
    int fds[2];
    if (pipe(fds) != 0)
        return;
    // -displayfd lets the server pick a free display and tell us its number.
    const std::string screen =
        std::to_string(screenWidth) + "x" + std::to_string(screenHeight) + "x24";
    server_ = spawnProcess({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen,
                            "-fbdir", fbDir_, "-nolisten", "tcp", "-noreset"},
                           {});
    close(fds[1]);
    std::string number;
    pollfd waitFor{fds[0], POLLIN, 0};
    while (server_ > 0 && poll(&waitFor, 1, 10000) > 0) {
        char c = 0;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (!number.empty())
        display_ = std::atoi(number.c_str());
}

XvfbSession::~XvfbSession() {
    stopProcess(program_);
    stopProcess(windowManager_);
    stopProcess(server_);
    if (!fbDir_.empty()) {
        std::remove(frameBufferPath().c_str());
        rmdir(fbDir_.c_str());
    }
}

bool XvfbSession::startWindowManager() {
    if (!ready())
        return false;
    windowManager_ = spawnProcess({"openbox", "--sm-disable"}, {"DISPLAY=" + displayName()});
    // It manages the screen once it publishes the desktops.
    return windowManager_ > 0 &&
           waitUntil(5000, 50, [&] { return run("xdotool get_desktop") == 0; });
}

int XvfbSession::run(const std::string& command) const {
    const std::string full = "DISPLAY=" + displayName() + " " + command + " >/dev/null 2>&1";
    return std::system(full.c_str());
}

std::string XvfbSession::capture(const std::string& command) const {
    const std::string full = "DISPLAY=" + displayName() + " " + command + " 2>/dev/null";
    std::string out;
    if (FILE* pipe = popen(full.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        pclose(pipe);
    }
    return out;
}

bool XvfbSession::startProgram(const std::string& program,
                               const std::vector<std::string>& environment,
                               const std::string& windowName) {
    std::vector<std::string> env = environment;
    env.push_back("DISPLAY=" + displayName());
    program_ = spawnProcess({program}, env);
    return program_ > 0 &&
           waitUntil(10000, 100,
                     [&] {
                         std::istringstream ids(
                             capture("xdotool search --onlyvisible --name '^" + windowName + "$'"));
                         return bool(ids >> windowId_);
                     }) &&
           measureDevice();
}

int XvfbSession::waitForExit(int timeoutMs) {
    int status = 0;
    if (program_ <= 0 ||
        !waitUntil(timeoutMs, 20, [&] { return waitpid(program_, &status, WNOHANG) == program_; }))
        return -1;
    program_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool XvfbSession::windowGeometry(int& x, int& y, int& width, int& height) const {
    // xwininfo, as xdotool misplaces a window that a window manager has framed.
    std::istringstream info(capture("xwininfo -id " + windowId_));
    x = -1, y = -1, width = 0, height = 0;
    for (std::string line; std::getline(info, line);) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const std::string name = line.substr(line.find_first_not_of(' '), colon);
        for (auto [field, value] : {std::pair{"Absolute upper-left X", &x},
                                    {"Absolute upper-left Y", &y},
                                    {"Width", &width},
                                    {"Height", &height}})
            if (name.starts_with(field))
                *value = std::atoi(line.c_str() + colon + 1);
    }
    return x >= 0 && width > 0 && height > 0;
}

bool XvfbSession::remapWindow() {
    run("xdotool windowunmap --sync " + windowId_);
    run("xdotool windowmap --sync " + windowId_);
    return waitUntil(3000, 50, [&] { return measureDevice(); });
}

bool XvfbSession::resizeWindow(int width, int height) {
    run("xdotool windowsize " + windowId_ + " " + std::to_string(width) + " " +
        std::to_string(height));
    int x = 0, y = 0, w = 0, h = 0;
    return waitUntil(3000, 50,
                     [&] { return windowGeometry(x, y, w, h) && w == width && h == height; }) &&
           measureDevice();
}

bool XvfbSession::measureDevice() {
    int x = -1, y = -1, width = 0, height = 0;
    windowGeometry(x, y, width, height);
    if (x < 0 || width < kDeviceWidth || height < kDeviceHeight)
        return false;
    scale_ = std::min(width / kDeviceWidth, height / kDeviceHeight);
    originX_ = x + (width - kDeviceWidth * scale_) / 2;
    originY_ = y + (height - kDeviceHeight * scale_) / 2;
    return true;
}

void XvfbSession::clickDevice(int deviceX, int deviceY) {
    const int x = originX_ + deviceX * scale_ + scale_ / 2;
    const int y = originY_ + deviceY * scale_ + scale_ / 2;
    run("xdotool mousemove --sync " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

void XvfbSession::key(const std::string& keys) {
    run("xdotool key --window " + windowId_ + " " + keys);
}

void XvfbSession::desktopKey(const std::string& keys) {
    run("xdotool windowactivate --sync " + windowId_ + " key " + keys);
}

void XvfbSession::type(const std::string& text) {
    run("xdotool type --delay 20 '" + text + "'");
}

Screenshot XvfbSession::screenshot() const {
    Screenshot shot;
    std::ifstream file(frameBufferPath(), std::ios::binary);
    const std::vector<unsigned char> data((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    XwdLayout layout;
    if (!readXwdLayout(data.data(), data.size(), layout))
        return shot;
    shot.width = layout.width;
    shot.height = layout.height;
    shot.pixels.resize(static_cast<size_t>(layout.width) * layout.height);
    for (int y = 0; y < layout.height; ++y) {
        const unsigned char* row = data.data() + layout.offset + size_t{layout.bytesPerLine} * y;
        for (int x = 0; x < layout.width; ++x) {
            const unsigned char* p = row + 4 * x;  // little-endian 0x00RRGGBB
            shot.pixels[static_cast<size_t>(y) * layout.width + x] = Rgb{p[2], p[1], p[0]};
        }
    }
    return shot;
}

void XvfbSession::keepScreenshot(const std::string& path) const {
    std::ifstream in(frameBufferPath(), std::ios::binary);
    std::ofstream out(path, std::ios::binary);
    out << in.rdbuf();
}

Rgb XvfbSession::devicePixel(const Screenshot& shot, int deviceX, int deviceY) const {
    const int x = originX_ + deviceX * scale_, y = originY_ + deviceY * scale_;
    if (x < 0 || y < 0 || x >= shot.width || y >= shot.height)
        return {};
    return shot.at(x, y);
}

}  // namespace korvat::e2e
