// The game against a bare SDL program on a private Xvfb server: time from start to the first
// frame on the X screen, peak resident memory, and processor time while idle (the game with a
// ball selected and bouncing). The screen is read from the server's frame-buffer file, so
// nothing in the programs is instrumented.
//
// Usage: korvat-startup-bench GAME BARE [RUNS] [IDLE_SECONDS]
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "XvfbSession.h"
#include "platform/Display.h"
#include "ui/Layout.h"

namespace korvat::bench {
namespace {

using Clock = std::chrono::steady_clock;
using e2e::Rgb;

constexpr int kScreenWidth = 600;  // room for the window at scale 2 with a margin around it
constexpr int kScreenHeight = 700;
constexpr int kScale = 2;
constexpr int kDeviceWidth = 240;
constexpr int kDeviceHeight = 320;
constexpr Rgb kBoardGrey{192, 192, 192};
constexpr Rgb kWhite{255, 255, 255};

// Device pixel of the sprite of cell (x, y) that a resting ball covers.
int cellProbeX(int x) {
    return korvat::ui::cellOrigin(x, 0).x + 4;
}
int cellProbeY(int y) {
    return korvat::platform::kClientTop + korvat::ui::cellOrigin(0, y).y + 10;
}

// The server's screen as a live view of its frame-buffer file: reading a pixel costs nothing,
// so polling does not take processor time from the program being measured.
class LiveScreen {
  public:
    bool open(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDONLY);
        struct stat info {};
        if (fd_ < 0 || fstat(fd_, &info) != 0) {
            return false;
        }
        size_ = static_cast<size_t>(info.st_size);
        void* map = mmap(nullptr, size_, PROT_READ, MAP_SHARED, fd_, 0);
        if (map == MAP_FAILED) {
            return false;
        }
        data_ = static_cast<const unsigned char*>(map);
        return e2e::readXwdLayout(data_, size_, layout_);
    }
    ~LiveScreen() {
        if (data_ != nullptr) {
            munmap(const_cast<unsigned char*>(data_), size_);
        }
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    // The device screen is centred on the X screen (no window manager moves it).
    Rgb device(int x, int y) const {
        const int sx = (layout_.width - kDeviceWidth * kScale) / 2 + x * kScale;
        const int sy = (layout_.height - kDeviceHeight * kScale) / 2 + y * kScale;
        const unsigned char* p =
            data_ + layout_.offset + size_t{layout_.bytesPerLine} * sy + 4 * size_t(sx);
        return Rgb{p[2], p[1], p[0]};
    }

  private:
    int fd_ = -1;
    size_t size_ = 0;
    const unsigned char* data_ = nullptr;
    e2e::XwdLayout layout_;
};

// The bare program's frame: the middle of its window is white.
bool bareFrameShown(const LiveScreen& screen) {
    return screen.device(120, 160) == kWhite && screen.device(121, 160) == kWhite &&
           screen.device(120, 161) == kWhite;
}

// The game's first frame: its board drawn (most cells show the grey tile; a few hold balls).
bool gameFrameShown(const LiveScreen& screen) {
    int grey = 0;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            grey += screen.device(cellProbeX(x), cellProbeY(y)) == kBoardGrey ? 1 : 0;
        }
    }
    return grey >= 50;
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < end) {
        if (condition()) {
            return true;
        }
        usleep(500);
    }
    return condition();
}

// Processor time of all threads of the process so far, in milliseconds (nanosecond counts,
// unlike the clock ticks of /proc/PID/stat).
double processorMs(pid_t pid) {
    double ns = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu) {
            ns += onCpu;
        }
    }
    return ns / 1e6;
}

struct StartUp {
    double wallMs = -1;  // from the start of the process to `shown`; -1 when it never showed
    double cpuMs = -1;   // processor time the process had used by then
};

StartUp startUp(const std::string& program, const std::vector<std::string>& env,
                const LiveScreen& screen, bool (*shown)(const LiveScreen&)) {
    StartUp result;
    // The previous program's picture must be gone first.
    if (!waitUntil([&] { return !shown(screen); }, 5000)) {
        return result;
    }
    const Clock::time_point start = Clock::now();
    pid_t pid = e2e::spawnProcess({program}, env);
    if (pid <= 0) {
        return result;
    }
    if (waitUntil([&] { return shown(screen); }, 20000)) {
        result.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        result.cpuMs = processorMs(pid);
    }
    e2e::stopProcess(pid);
    return result;
}

std::string statusField(pid_t pid, const char* name) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(name, 0) == 0) {
            return line.substr(std::strlen(name));
        }
    }
    return {};
}

long peakResidentKb(pid_t pid) {
    return std::atol(statusField(pid, "VmHWM:").c_str());
}

// utime + stime in clock ticks.
long processorTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14) {
            utime = std::atol(field.c_str());
        }
        if (i == 15) {
            stime = std::atol(field.c_str());
        }
    }
    return utime + stime;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Idle {
    long peakKb = 0;
    double cpuPercent = -1;
    bool bouncing = false;
};

// Runs the program once more, and for the game selects a ball; then processor time over
// `seconds` of idling and the peak resident memory.
Idle measureIdle(e2e::XvfbSession& xvfb, const std::string& program,
                 const std::vector<std::string>& env, const char* windowName, bool selectBall,
                 const LiveScreen& screen, int seconds) {
    Idle idle;
    if (!xvfb.startProgram(program, env, windowName)) {
        std::fprintf(stderr, "%s: no window\n", program.c_str());
        return idle;
    }
    const pid_t pid = xvfb.programPid();
    waitUntil([&] { return selectBall ? gameFrameShown(screen) : bareFrameShown(screen); }, 20000);
    e2e::pause(1500);  // the first wave has grown
    if (selectBall) {
        const e2e::Screenshot shot = xvfb.screenshot();
        for (int c = 0; c < 81 && !idle.bouncing; ++c) {
            const int x = c / 9, y = c % 9;
            if (xvfb.devicePixel(shot, cellProbeX(x), cellProbeY(y)) == kBoardGrey) {
                continue;
            }
            xvfb.clickDevice(cellProbeX(x) + 6, cellProbeY(y));
            // A bouncing ball changes its cell's picture within a few ticks of 100 ms.
            const Rgb before = screen.device(cellProbeX(x), cellProbeY(y) - 8);
            idle.bouncing = waitUntil(
                [&] {
                    for (int dy = -10; dy <= 10; ++dy) {
                        if (!(screen.device(cellProbeX(x) + 6, cellProbeY(y) + dy) ==
                              xvfb.devicePixel(shot, cellProbeX(x) + 6, cellProbeY(y) + dy))) {
                            return true;
                        }
                    }
                    return !(screen.device(cellProbeX(x), cellProbeY(y) - 8) == before);
                },
                2000);
        }
    }
    const long ticksBefore = processorTicks(pid);
    e2e::pause(seconds * 1000);
    const long ticks = processorTicks(pid) - ticksBefore;
    idle.cpuPercent = 100.0 * static_cast<double>(ticks) / sysconf(_SC_CLK_TCK) / seconds;
    idle.peakKb = peakResidentKb(pid);
    kill(pid, SIGTERM);
    if (xvfb.waitForExit(5000) < 0) {
        kill(pid, SIGKILL);
        xvfb.waitForExit(5000);
    }
    return idle;
}

int run(const std::string& game, const std::string& bare, int runs, int idleSeconds) {
    e2e::XvfbSession xvfb(kScreenWidth, kScreenHeight);
    if (!xvfb.ready()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    LiveScreen screen;
    if (!screen.open(xvfb.frameBufferPath())) {
        std::fprintf(stderr, "cannot read the server's frame buffer\n");
        return 1;
    }
    // A settings folder of its own: default delays, no saved state; no sound device.
    char folder[] = "/tmp/korvat-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        return 1;
    }
    const std::string home = folder;
    const std::vector<std::string> env = {
        "DISPLAY=" + xvfb.displayName(), "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
        "XDG_DATA_HOME=" + home + "/data", "SDL_AUDIODRIVER=dummy"};

    // Alternating, so that a busy moment of the machine falls on both alike.
    std::vector<double> gameMs, bareMs, gameCpuMs, bareCpuMs;
    for (int i = 0; i < runs; ++i) {
        const StartUp b = startUp(bare, env, screen, bareFrameShown);
        const StartUp g = startUp(game, env, screen, gameFrameShown);
        if (b.wallMs < 0 || g.wallMs < 0) {
            std::fprintf(stderr, "run %d: a program never showed its frame\n", i + 1);
            return 1;
        }
        bareMs.push_back(b.wallMs);
        gameMs.push_back(g.wallMs);
        bareCpuMs.push_back(b.cpuMs);
        gameCpuMs.push_back(g.cpuMs);
        std::printf("run %d: start-up game %.1f ms (%.1f ms CPU), bare %.1f ms (%.1f ms CPU)\n",
                    i + 1, g.wallMs, g.cpuMs, b.wallMs, b.cpuMs);
        std::fflush(stdout);
    }
    const Idle gameIdle = measureIdle(xvfb, game, env, "Korvat 1.2", true, screen, idleSeconds);
    const Idle bareIdle = measureIdle(xvfb, bare, env, "Bare window", false, screen, idleSeconds);
    std::filesystem::remove_all(home);

    const double g = median(gameMs), b = median(bareMs);
    std::printf("\n%-34s %12s %12s %8s %s\n", "", "game", "bare SDL", "ratio", "target");
    std::printf("%-34s %9.1f ms %9.1f ms %7.2fx %s\n", "start-up to first frame (median)", g, b,
                g / b, g <= 1.3 * b ? "<= 1.3x met" : "<= 1.3x MISSED");
    const double gc = median(gameCpuMs), bc = median(bareCpuMs);
    std::printf("%-34s %9.1f ms %9.1f ms %7.2fx\n", "  processor time by then (median)", gc, bc,
                gc / bc);
    std::printf("%-34s %9.1f MB %9.1f MB %7.2fx %s\n", "peak resident memory (VmHWM)",
                gameIdle.peakKb / 1024.0, bareIdle.peakKb / 1024.0,
                static_cast<double>(gameIdle.peakKb) / static_cast<double>(bareIdle.peakKb),
                2 * gameIdle.peakKb <= 3 * bareIdle.peakKb ? "<= 1.5x met" : "<= 1.5x MISSED");
    // A bare window that used no measurable time gives no ratio; the absolute bound stands in.
    const char* idleLabel =
        gameIdle.bouncing ? "idle CPU, ball bouncing" : "idle CPU (NO ball selected)";
    if (bareIdle.cpuPercent > 0) {
        const double ratio = gameIdle.cpuPercent / bareIdle.cpuPercent;
        std::printf("%-34s %10.2f %% %10.2f %% %7.2fx %s\n", idleLabel, gameIdle.cpuPercent,
                    bareIdle.cpuPercent, ratio, ratio <= 1.5 ? "<= 1.5x met" : "<= 1.5x MISSED");
    } else {
        std::printf("%-34s %10.2f %% %10.2f %% %8s %s\n", idleLabel, gameIdle.cpuPercent,
                    bareIdle.cpuPercent, "",
                    gameIdle.cpuPercent < 1.0 ? "< 1% met (bare used none)"
                                              : "< 1% MISSED (bare used none)");
    }
    std::printf("(%d start-ups each, idle over %d s, Xvfb %dx%d, window at scale %d)\n", runs,
                idleSeconds, kScreenWidth, kScreenHeight, kScale);
    return gameIdle.cpuPercent >= 0 && bareIdle.cpuPercent >= 0 ? 0 : 1;
}

}  // namespace
}  // namespace korvat::bench

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME BARE [RUNS] [IDLE_SECONDS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 7;
    const int idle = argc > 4 ? std::max(1, std::atoi(argv[4])) : 10;
    return korvat::bench::run(argv[1], argv[2], runs, idle);
}
