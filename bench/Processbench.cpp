// Start-up, idle CPU and memory of the game against the floor, measured from
// outside on separate processes:
//   processbench [rounds]
// The floor is the least any such game must do: start the toolkit, decode
// one of the game's pictures and draw a line of text in a window of the
// game's size. Every figure is taken in this one run, beside the floor's.
// Start-up is the time from launching a process to the line it prints once
// its window's first frame is painted. Idle CPU is read from /proc over 10 s
// with nobody touching the window; memory is the peak resident size (VmHWM).
// The start-up breakdown runs the game as far as each phase of its start-up
// in a fresh process (see Benchgame.cpp), the median of the rounds each.
// The game is given one picture, the floor's, and one tune, the one the
// synthesizer-only program plays, so that every run does the same work.
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

Child launch(const std::vector<std::string>& command, const char* report, const char* phase = nullptr)
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
        if (phase)
            setenv("WALLWRIGHT_STARTUP_PHASE", phase, 1);
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

// Milliseconds from launch to the line, or -1 when it does not come in time;
// `seen` keeps what the child printed.
double waitForLine(const Child& child, const std::string& line, int timeoutMs = 30000, std::string* said = nullptr)
{
    std::string own;
    std::string& seen = said ? *said : own;
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
        if (const auto at = seen.find(line); at != std::string::npos && seen.find('\n', at) != std::string::npos)
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

const fs::path kPicture = fs::path(PROGRAM_DIR) / "Picture" / "forest.jpg";
const fs::path kTune = fs::path(PROGRAM_DIR) / "Music" / "Building Up.mid";

// The game's data in a folder of its own, so its config.dat is not the
// build folder's, with the floor's picture and the synthesizer's tune.
fs::path programFolder()
{
    const fs::path folder = fs::temp_directory_path() / ("wallwright-bench-" + std::to_string(getpid()));
    fs::create_directories(folder / "Picture");
    fs::create_directories(folder / "Music");
    fs::create_symlink(kPicture, folder / "Picture" / kPicture.filename());
    fs::create_symlink(kTune, folder / "Music" / kTune.filename());
    for (const auto& entry : fs::directory_iterator(PROGRAM_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Brick", 0) == 0 || name == "help")
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
    bool musicOn = false;
};

// A phase run's own report: "phase MS HWM RSS" (see Benchgame.cpp).
struct PhaseFigures {
    double ms = -1; // from launch
    double peakMiB = 0;
    double residentMiB = 0;
};

PhaseFigures runPhase(const std::vector<std::string>& command, const char* phase)
{
    Child child = launch(command, "1", phase);
    std::string said;
    PhaseFigures figures;
    if (waitForLine(child, "phase ", 30000, &said) >= 0) {
        double endedMs = 0, peak = 0, resident = 0;
        if (std::sscanf(said.c_str() + said.find("phase "), "phase %lf %lf %lf", &endedMs, &peak, &resident) == 3) {
            const double launchedMs =
                std::chrono::duration<double, std::milli>(child.started.time_since_epoch()).count();
            figures = {endedMs - launchedMs, peak / 1024, resident / 1024};
        }
    }
    finish(child, true);
    return figures;
}

// A program's time to its line, its peak memory a while after it, and
// the figure the line ends with, if any.
struct Launch {
    double ms = -1;
    double peakMiB = 0;
    double saidKiB = 0;
};

// Long enough for a killed program's window to be cleared away.
constexpr int kQuietMs = 300;

Launch runToLine(const std::vector<std::string>& command, const std::string& line, int settleMs)
{
    Child child = launch(command, "stay");
    Launch result;
    std::string said;
    result.ms = waitForLine(child, line, 30000, &said);
    std::sscanf(said.c_str() + said.find(line) + line.size(), "%lf", &result.saidKiB);
    if (result.ms >= 0) {
        sleepMs(settleMs);
        result.peakMiB = statusMiB(child.pid, "VmHWM");
    }
    finish(child, true);
    // The next program starts on a quiet machine, not while the X server and
    // the window manager still clear away this one's window.
    sleepMs(kQuietMs);
    return result;
}

void failIf(bool failed, const char* what)
{
    if (!failed)
        return;
    std::fprintf(stderr, "%s gave no figures\n", what);
    std::exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    setenv("SDL_AUDIODRIVER", "dummy", 0); // music is mixed, just not heard
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // Qt wants one, and says so on every start without it.
        const fs::path runtime = fs::temp_directory_path() / ("wallwright-bench-runtime-" + std::to_string(getuid()));
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    const fs::path folder = programFolder();
    const std::vector<std::string> floorWindow{FLOOR_WINDOW, kPicture.string()};
    const std::vector<std::string> synthOnly{SYNTH_ONLY, kTune.string()};
    const std::vector<std::string> game{BENCH_GAME, folder.string()};
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    std::printf("platform: %s%s%s, SDL audio: %s; floor: a 640 x 480 window showing %s and a line of text\n\n",
                platform ? platform : "default", display ? ", DISPLAY=" : "", display ? display : "",
                std::getenv("SDL_AUDIODRIVER"), kPicture.filename().c_str());

    // Start-up and peak memory: one launch of each to warm the caches, then
    // alternating rounds. The peak is read a second after the first frame,
    // when the music, if on, is playing.
    const Program programs[] = {{"floor window", floorWindow},
                                {"wallwright, music off", game, false},
                                {"wallwright, music on", game, true}};
    std::vector<double> times[3], peaks[3], synthPeaks, synthGrowths;
    for (int round = -1; round < rounds; ++round) {
        for (int which = 0; which < 3; ++which) {
            if (which > 0)
                setMusic(folder, programs[which].musicOn);
            const Launch run = runToLine(programs[which].command, "first frame", 1000);
            failIf(run.ms < 0, programs[which].name);
            if (round >= 0) {
                times[which].push_back(run.ms);
                peaks[which].push_back(run.peakMiB);
            }
        }
        const Launch synth = runToLine(synthOnly, "playing", 1000);
        failIf(synth.ms < 0, "the synthesizer-only program");
        if (round >= 0) {
            synthPeaks.push_back(synth.peakMiB);
            synthGrowths.push_back(synth.peakMiB - synth.saidKiB / 1024);
        }
    }
    const double floorMs = median(times[0]);
    const double floorMiB = median(peaks[0]);
    std::printf("| start-up to the first frame (%2d runs)      | median ms | fastest ms | slowest ms | x floor |\n",
                rounds);
    std::printf("|--------------------------------------------|----------:|-----------:|-----------:|--------:|\n");
    for (int which = 0; which < 3; ++which)
        std::printf("| %-42s | %9.1f | %10.1f | %10.1f | %7.2f |\n", programs[which].name, median(times[which]),
                    *std::min_element(times[which].begin(), times[which].end()),
                    *std::max_element(times[which].begin(), times[which].end()), median(times[which]) / floorMs);
    std::printf("(goal: at most 1.15 x the floor, music on or off)\n\n");

    // What the synthesizer takes: the synthesizer-only program's growth
    // from its start, before the audio stack is loaded, to its peak while
    // playing.
    const double synthMiB = median(synthGrowths);
    std::printf("| peak resident memory (VmHWM), median       |    MiB | x floor | goal MiB |\n");
    std::printf("|--------------------------------------------|-------:|--------:|---------:|\n");
    std::printf("| %-42s | %6.1f | %7.2f | %8s |\n", "floor window", floorMiB, 1.0, "");
    std::printf("| %-42s | %6.1f | %7.2f | %8s |\n", "synthesizer-only program, playing", median(synthPeaks),
                median(synthPeaks) / floorMiB, "");
    std::printf("| %-42s | %6.1f | %7.2f | %8s |\n", "  its synthesizer (peak less at start)", synthMiB,
                synthMiB / floorMiB, "");
    std::printf("| %-42s | %6.1f | %7.2f | %8.1f |\n", "wallwright, music off", median(peaks[1]),
                median(peaks[1]) / floorMiB, floorMiB * 1.15);
    std::printf("| %-42s | %6.1f | %7.2f | %8.1f |\n", "wallwright, music on", median(peaks[2]),
                median(peaks[2]) / floorMiB, (floorMiB + synthMiB) * 1.15);
    std::printf("(goal: music off 1.15 x the floor; music on 1.15 x the floor and the synthesizer together)\n\n");

    // The breakdown: each phase in fresh processes, what it adds to the one
    // before in the game's order. The board rows add to the first picture.
    const struct {
        const char* phase;
        const char* what;
        int after; // the row it adds to, -1 for none
        bool musicOn = false;
    } phases[] = {
        {"toolkit", "toolkit (application object)", -1},
        {"settings", "settings, record, media lists", 0},
        {"window", "windows: widgets, buffers, art at 1x", 1},
        {"group", "group's puzzle file loaded", 2},
        {"picture", "first puzzle and its picture drawn", 3},
        {"frame", "shown, first frame painted", 4},
        {"idle", "idle 2 s after the first frame", 5},
        {"audio", "audio device opened", 5},
        {"synth", "synthesizer and SoundFont, first tune", 7},
        {"tune", "music on: first tune playing 2 s", 5, true},
        {"board2", "board's art and buffers at 2x", 4},
        {"board3", "board's art and buffers at 3x", 4},
        {"board4", "board's art and buffers at 4x", 4},
    };
    constexpr int kPhases = int(std::size(phases));
    std::vector<double> phaseMs[kPhases], phasePeak[kPhases], phaseResident[kPhases];
    for (int round = 0; round < rounds; ++round)
        for (int i = 0; i < kPhases; ++i) {
            setMusic(folder, phases[i].musicOn);
            const PhaseFigures figures = runPhase(game, phases[i].phase);
            failIf(figures.ms < 0, phases[i].phase);
            phaseMs[i].push_back(figures.ms);
            phasePeak[i].push_back(figures.peakMiB);
            phaseResident[i].push_back(figures.residentMiB);
        }
    std::printf("| start-up phase, each in fresh processes    | ends ms | adds ms | x floor | peak MiB | adds MiB |"
                " RSS MiB | x floor |\n");
    std::printf("|--------------------------------------------|--------:|--------:|--------:|---------:|---------:|"
                "--------:|--------:|\n");
    for (int i = 0; i < kPhases; ++i) {
        const double ms = median(phaseMs[i]);
        const double peak = median(phasePeak[i]);
        const int before = phases[i].after;
        std::printf("| %-42s | %7.1f | %7.1f | %7.2f | %8.1f | %8.1f | %7.1f | %7.2f |\n", phases[i].what, ms,
                    before < 0 ? ms : ms - median(phaseMs[before]), ms / floorMs, peak,
                    before < 0 ? peak : peak - median(phasePeak[before]), median(phaseResident[i]),
                    peak / floorMiB);
    }
    std::printf("(ends: from launch; x floor: the phase's end against the floor's first frame, %.1f ms, and its peak\n"
                " against the floor's, %.1f MiB; the idle and tune rows' ms is when their two seconds began)\n\n",
                floorMs, floorMiB);

    // Idle: 10 s untouched after the first frame and a second to settle.
    std::printf("| idle for 10 s after start                  | CPU s | %% of one core |\n");
    std::printf("|--------------------------------------------|------:|--------------:|\n");
    for (const Program& program : programs) {
        if (program.command == game)
            setMusic(folder, program.musicOn);
        Child child = launch(program.command, "stay");
        if (waitForLine(child, "first frame") < 0) {
            finish(child, true);
            failIf(true, program.name);
        }
        sleepMs(1000);
        const double before = cpuSeconds(child.pid);
        sleepMs(10000);
        const double used = cpuSeconds(child.pid) - before;
        finish(child, true);
        std::printf("| %-42s | %5.2f | %13.2f |\n", program.name, used, used * 10.0);
    }
    std::printf("(CPU time counts in clock ticks of %.0f ms; goal: under 1 %% of one core with music off)\n\n",
                1000.0 / double(sysconf(_SC_CLK_TCK)));

    // Memory after playing a puzzle through to its solved fade.
    setMusic(folder, false);
    Child player = launch({BENCH_GAME, folder.string(), "--play"}, "stay");
    const bool played = waitForLine(player, "first frame") >= 0 && waitForLine(player, "played", 60000) >= 0;
    sleepMs(500);
    const double playedPeak = played ? statusMiB(player.pid, "VmHWM") : -1;
    finish(player, true);
    std::printf("| %-42s | %6.1f MiB | %5.2f x floor |\n",
                played ? "game, music off, after playing puzzle 1" : "game, playing FAILED", playedPeak,
                playedPeak / floorMiB);

    fs::remove_all(folder);
    return 0;
}
