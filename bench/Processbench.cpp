// Start-up, idle CPU and memory of the game against a bare Qt window of the
// same size, measured from outside on separate processes:
//   processbench [rounds]
// Start-up is the time from launching a process to the line it prints once
// its window's first frame is painted. Idle CPU is read from /proc over 10 s
// with nobody touching the window; memory is the peak resident size (VmHWM).
// Runs on whatever QT_QPA_PLATFORM and DISPLAY it is given.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game/Settings.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Child {
    pid_t pid = -1;
    int out = -1;
    Clock::time_point started;
};

Child launch(const std::vector<std::string>& command, const char* report)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::exit(1);
    Child child;
    child.started = Clock::now();
    child.pid = fork();
    if (child.pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        setenv("WALLWRIGHT_REPORT_FIRST_FRAME", report, 1);
        std::vector<char*> argv;
        for (const auto& word : command)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    child.out = pipeEnds[0];
    return child;
}

// Milliseconds from launch to the line, or -1 when it does not come in time.
double waitForLine(const Child& child, const std::string& line, int timeoutMs = 30000)
{
    std::string seen;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        pollfd fd{child.out, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (poll(&fd, 1, int(std::max<long long>(1, left))) <= 0)
            continue;
        char buffer[256];
        const ssize_t n = read(child.out, buffer, sizeof buffer);
        if (n <= 0)
            return -1;
        seen.append(buffer, std::size_t(n));
        if (seen.find(line + "\n") != std::string::npos)
            return std::chrono::duration<double, std::milli>(Clock::now() - child.started).count();
    }
    return -1;
}

void finish(Child& child, bool kill)
{
    if (kill)
        ::kill(child.pid, SIGKILL);
    int status = 0;
    waitpid(child.pid, &status, 0);
    close(child.out);
}

// CPU seconds (user + system) the process has used so far.
double cpuSeconds(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(in)), {});
    std::istringstream fields(all.substr(all.rfind(')') + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stoll(field);
        if (i == 15)
            stime = std::stoll(field);
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

// A field of /proc/PID/status in MiB.
double statusMiB(pid_t pid, const std::string& key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key + ":", 0) == 0)
            return std::stod(line.substr(key.size() + 1)) / 1024.0;
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The game's data in a folder of its own, so its config.dat is not the
// build folder's.
fs::path programFolder()
{
    const fs::path folder = fs::temp_directory_path() / ("wallwright-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path build(PROGRAM_DIR);
    for (const auto& entry : fs::directory_iterator(build)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Brick", 0) == 0 || name == "Music" || name == "Picture" || name == "help")
            fs::create_symlink(entry.path(), folder / name);
    }
    return folder;
}

// The game's music switch for its next start, as the options dialog saves it.
void setMusic(const fs::path& folder, bool on)
{
    ClSettings settings;
    settings.musicOn = on ? 1 : 0;
    settings.saveTo((folder / "config.dat").string());
}

struct Program {
    const char* name;
    std::vector<std::string> command;
};

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    setenv("SDL_AUDIODRIVER", "dummy", 0); // music is mixed, just not heard
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // Qt wants one, and says so on every start without it.
        const fs::path runtime = fs::temp_directory_path() / ("wallwright-bench-runtime-" + std::to_string(getuid()));
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    const fs::path folder = programFolder();
    const Program bare{"bare Qt window 640 x 480", {BARE_WINDOW}};
    const Program wallwright{"wallwright", {BENCH_GAME, folder.string()}};
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    std::printf("platform: %s%s%s, SDL audio: %s\n\n", platform ? platform : "default", display ? ", DISPLAY=" : "",
                display ? display : "", std::getenv("SDL_AUDIODRIVER"));

    // Start-up: one launch of each to warm the caches, then alternating rounds.
    const char* startNames[] = {"bare Qt window 640 x 480", "wallwright, music off", "wallwright, music on"};
    std::vector<double> times[3];
    for (int round = -1; round < rounds; ++round)
        for (int which = 0; which < 3; ++which) {
            if (which > 0)
                setMusic(folder, which == 2);
            Child child = launch((which ? wallwright : bare).command, "1");
            const double ms = waitForLine(child, "first frame");
            finish(child, ms < 0);
            if (ms < 0) {
                std::fprintf(stderr, "%s showed no first frame\n", startNames[which]);
                return 1;
            }
            if (round >= 0)
                times[which].push_back(ms);
        }
    std::printf("| start-up to the first frame (%2d runs)      | median ms | fastest ms | slowest ms | x bare |\n", rounds);
    std::printf("|--------------------------------------------|----------:|-----------:|-----------:|-------:|\n");
    for (int which = 0; which < 3; ++which)
        std::printf("| %-42s | %9.1f | %10.1f | %10.1f | %6.2f |\n", startNames[which], median(times[which]),
                    *std::min_element(times[which].begin(), times[which].end()),
                    *std::max_element(times[which].begin(), times[which].end()), median(times[which]) / median(times[0]));
    std::printf("(goal: at most 1.25 x bare)\n\n");

    // Idle: 10 s untouched after the first frame and a second to settle.
    const char* idleNames[] = {"bare Qt window 640 x 480", "wallwright, music off", "wallwright, music on"};
    double startPeak[3] = {};
    std::printf("| idle for 10 s after start                  | CPU s | %% of one core |\n");
    std::printf("|--------------------------------------------|------:|--------------:|\n");
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            setMusic(folder, i == 2);
        Child child = launch((i ? wallwright : bare).command, "stay");
        if (waitForLine(child, "first frame") < 0) {
            finish(child, true);
            std::fprintf(stderr, "%s showed no first frame\n", idleNames[i]);
            return 1;
        }
        sleepMs(1000);
        const double before = cpuSeconds(child.pid);
        sleepMs(10000);
        const double used = cpuSeconds(child.pid) - before;
        startPeak[i] = statusMiB(child.pid, "VmHWM");
        finish(child, true);
        std::printf("| %-42s | %5.2f | %13.2f |\n", idleNames[i], used, used * 10.0);
    }
    std::printf("(CPU time counts in clock ticks of %.0f ms; goal: under 1 %% of one core with music off)\n\n",
                1000.0 / double(sysconf(_SC_CLK_TCK)));

    // Memory: peak resident size after start (from the idle runs) and after
    // playing a puzzle through to its solved fade.
    setMusic(folder, false);
    Child player = launch({BENCH_GAME, folder.string(), "--play"}, "stay");
    const bool played = waitForLine(player, "first frame") >= 0 && waitForLine(player, "played", 60000) >= 0;
    sleepMs(500);
    const double playedPeak = played ? statusMiB(player.pid, "VmHWM") : -1;
    finish(player, true);
    std::printf("| peak resident memory (VmHWM)               |    MiB | x bare window |\n");
    std::printf("|--------------------------------------------|-------:|--------------:|\n");
    const auto row = [&](const char* what, double mib) {
        std::printf("| %-42s | %6.1f | %13.2f |\n", what, mib, mib / startPeak[0]);
    };
    row("bare Qt window, after start", startPeak[0]);
    row("wallwright, music off, after start", startPeak[1]);
    row("wallwright, music on, after start", startPeak[2]);
    row(played ? "game, music off, after playing puzzle 1" : "game, playing FAILED", playedPeak);

    fs::remove_all(folder);
    return 0;
}
