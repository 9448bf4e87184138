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
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "platform/Display.h"

extern char** environ;

namespace korvat::e2e {

bool readXwdLayout(const unsigned char* data, size_t size, XwdLayout& layout) {
    const auto bigEndian32 = [](const unsigned char* p) {
        return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
    };
    if (size < 100)
        return false;
    layout.width = static_cast<int>(bigEndian32(data + 16));
    layout.height = static_cast<int>(bigEndian32(data + 20));
    layout.bytesPerLine = bigEndian32(data + 48);
    layout.offset = bigEndian32(data) + size_t{bigEndian32(data + 76)} * 12;  // header, colours
    return bigEndian32(data + 44) == 32 &&
           layout.offset + size_t{layout.bytesPerLine} * static_cast<size_t>(layout.height) <= size;
}

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool waitUntil(int timeoutMs, int stepMs, const std::function<bool()>& condition) {
    for (int waited = 0; waited <= timeoutMs; waited += stepMs) {
        if (condition())
            return true;
        pause(stepMs);
    }
    return false;
}

pid_t spawnProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
                   const std::string& output) {
    std::vector<char*> args, env;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    // The extra variables come first: of two with one name, getenv finds the first.
    for (const std::string& e : extraEnv)
        env.push_back(const_cast<char*>(e.c_str()));
    for (char** e = environ; *e; ++e)
        env.push_back(*e);
    args.push_back(nullptr);
    env.push_back(nullptr);
    // No child holds the test's output open, or ctest would wait for one a dead test left behind.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int waitForExit(pid_t& pid, int timeoutMs) {
    int status = 0;
    if (pid <= 0 ||
        !waitUntil(timeoutMs, 20, [&] { return waitpid(pid, &status, WNOHANG) == pid; }))
        return -1;
    pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void stopProcess(pid_t& pid) {
    if (pid > 0)
        kill(pid, SIGTERM);
    if (waitForExit(pid, 1000) == -1 && pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
}

XvfbSession::XvfbSession(int screenWidth, int screenHeight) {
    char dirTemplate[] = "/tmp/korvat-xvfb-XXXXXX";
    int fds[2];
    if (!mkdtemp(dirTemplate) || pipe(fds) != 0)
        return;
    fbDir_ = dirTemplate;
    // -displayfd lets the server pick a free display and write its number once it listens.
    const std::string screen = std::to_string(screenWidth) + "x" + std::to_string(screenHeight);
    server_ = spawnProcess({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                            screen + "x24", "-fbdir", fbDir_, "-nolisten", "tcp", "-noreset"},
                           {});
    close(fds[1]);
    pollfd number{fds[0], POLLIN, 0};
    char text[16] = {};
    if (server_ > 0 && poll(&number, 1, 10000) > 0 && read(fds[0], text, sizeof text - 1) > 0)
        display_ = std::atoi(text);
    close(fds[0]);
}

XvfbSession::~XvfbSession() {
    stopProcess(program_);
    stopProcess(windowManager_);
    stopProcess(server_);
    std::error_code ignored;  // as when the server never started
    std::filesystem::remove_all(fbDir_, ignored);
}

bool XvfbSession::startWindowManager() {
    if (ready())
        windowManager_ = spawnProcess({"openbox", "--sm-disable"}, {"DISPLAY=" + displayName()});
    // It manages the screen once it publishes the desktops.
    return windowManager_ > 0 && waitUntil(5000, 50, [&] { return run("xdotool get_desktop"); });
}

std::string XvfbSession::capture(const std::string& command) const {
    std::string out;
    if (FILE* pipe =
            popen(("DISPLAY=" + displayName() + " " + command + " 2>/dev/null").c_str(), "r")) {
        for (int c; (c = std::fgetc(pipe)) != EOF;)
            out += static_cast<char>(c);
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
    const std::string search = "xdotool search --onlyvisible --name '^" + windowName + "$'";
    return program_ > 0 &&
           waitUntil(10000, 100,
                     [&] { return bool(std::istringstream(capture(search)) >> windowId_); }) &&
           measureDevice();
}

bool XvfbSession::measureDevice() {
    // xwininfo, as xdotool misplaces a window that a window manager has framed.
    const std::string info = capture("xwininfo -id " + windowId_);
    const auto field = [&](const std::string& name) {
        const size_t at = info.find(name);
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + name.size());
    };
    const int x = field("upper-left X:"), y = field("upper-left Y:");
    const int width = field("Width:"), height = field("Height:");
    if (x < 0 || width < platform::kScreenWidth || height < platform::kScreenHeight)
        return false;
    scale_ = std::min(width / platform::kScreenWidth, height / platform::kScreenHeight);
    originX_ = x + (width - platform::kScreenWidth * scale_) / 2;
    originY_ = y + (height - platform::kScreenHeight * scale_) / 2;
    return true;
}

Screenshot XvfbSession::screenshot() const {
    std::ifstream file(frameBufferPath(), std::ios::binary);
    Screenshot shot{{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()}, {}};
    if (!readXwdLayout(shot.data.data(), shot.data.size(), shot.layout))
        shot.layout = {};
    return shot;
}

}  // namespace korvat::e2e
