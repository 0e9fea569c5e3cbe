// Measures whole processes from outside, in turns so that the machine's load
// weighs on both sides alike.
//
//   process_bench startup GAME FLOOR SHIM
//       start-up to the first flipped frame, game against the floor program
//   process_bench cpu GAME FLOOR
//       the game's CPU use without a frame cap and with --max-fps 60; the
//       peak resident memory of the game and of the floor program
//   process_bench paused GAME
//       the game's CPU use, uncapped, while playing and while paused with P
//       (pressed in its window by xdotool; needs an X server)

#include "BenchSupport.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{

const int kStartupRuns = 20;
const double kStartupTargetRatio = 2.0;
// CPU rounds: each program runs settle + measured seconds per round.
const int kCpuRounds = 3;
const double kSettleSeconds = 1.5;
const double kMeasuredSeconds = 5.0;
// A paused game shows a still picture: it may cost next to nothing.
const double kPausedTargetPercent = 2.0;

// The environment of this process with the given entries put first.
std::vector<std::string> Environment(const std::vector<std::string>& extra)
{
    std::vector<std::string> result = extra;
    for (char** entry = environ; *entry != nullptr; ++entry)
    {
        const std::string text = *entry;
        bool replaced = false;
        for (const std::string& added : extra)
            replaced = replaced || text.compare(0, added.find('=') + 1, added, 0, added.find('=') + 1) == 0;
        if (!replaced)
            result.push_back(text);
    }
    return result;
}

pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env)
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : env)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
    {
        std::fprintf(stderr, "process_bench: cannot start %s\n", argv[0]);
        std::exit(2);
    }
    return pid;
}

// Seconds from starting the program to its first flipped frame.
double StartUp(const std::string& program, const std::string& shim)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::exit(2);
    const std::string preload = std::getenv("LD_PRELOAD") != nullptr ? std::getenv("LD_PRELOAD") : "";
    const std::vector<std::string> env =
        Environment({"LD_PRELOAD=" + shim + (preload.empty() ? "" : ":" + preload),
                     "FLATMATES_BENCH_FLIP_FD=" + std::to_string(pipeFds[1])});
    const double start = bench::Now();
    const pid_t pid = Spawn({program}, env);
    close(pipeFds[1]);
    char text[64] = {0};
    const ssize_t got = read(pipeFds[0], text, sizeof(text) - 1);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    {
        std::fprintf(stderr, "process_bench: %s did not flip a frame\n", program.c_str());
        std::exit(2);
    }
    // The steady clock and the preloaded library read the same monotonic
    // clock.
    return std::atoll(text) / 1e9 - start;
}

int RunStartup(const std::string& game, const std::string& floor, const std::string& shim)
{
    std::vector<double> gameTimes;
    std::vector<double> floorTimes;
    for (int run = 0; run < kStartupRuns; ++run)
    {
        if (run % 2 == 0)
        {
            gameTimes.push_back(StartUp(game, shim));
            floorTimes.push_back(StartUp(floor, shim));
        }
        else
        {
            floorTimes.push_back(StartUp(floor, shim));
            gameTimes.push_back(StartUp(game, shim));
        }
    }
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const std::string on = std::string(" (") + (driver != nullptr ? driver : "default") + ")";
    const double gameMs = bench::Median(gameTimes) * 1000.0;
    const double floorMs = bench::Median(floorTimes) * 1000.0;
    bench::Note("start-up to first frame, game, median" + on, gameMs, "ms");
    bench::Note("start-up to first frame, floor, median" + on, floorMs, "ms");
    bench::Report("start-up, game / floor" + on, gameMs / floorMs, "x", "<= 2",
                  gameMs / floorMs <= kStartupTargetRatio);
    return 0;
}

// CPU seconds the process has used so far (user and system).
double CpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name, which is in parentheses.
    const size_t close = line.rfind(')');
    if (close == std::string::npos)
        return 0.0;
    std::vector<std::string> fields;
    std::string field;
    for (char c : line.substr(close + 2) + " ")
    {
        if (c == ' ')
        {
            fields.push_back(field);
            field.clear();
        }
        else
        {
            field += c;
        }
    }
    // utime and stime are fields 14 and 15 of the line, 12 and 13 here.
    if (fields.size() < 13)
        return 0.0;
    return (std::atof(fields[11].c_str()) + std::atof(fields[12].c_str())) / sysconf(_SC_CLK_TCK);
}

void Sleep(double seconds)
{
    usleep(static_cast<useconds_t>(seconds * 1e6));
}

// Share of one core the game uses over the measured seconds from now, and
// the same with the X server's work for it added.
void MeasureShare(pid_t pid, pid_t serverPid, double* share, double* withServer)
{
    const double cpuStart = CpuSeconds(pid);
    const double serverStart = serverPid > 0 ? CpuSeconds(serverPid) : 0.0;
    const double wallStart = bench::Now();
    Sleep(kMeasuredSeconds);
    const double cpu = CpuSeconds(pid) - cpuStart;
    const double serverCpu = serverPid > 0 ? CpuSeconds(serverPid) - serverStart : 0.0;
    const double wall = bench::Now() - wallStart;
    *share = cpu / wall * 100.0;
    *withServer = (cpu + serverCpu) / wall * 100.0;
}

// The X server's process, when the environment names it.
pid_t XServerPid()
{
    const char* server = std::getenv("FLATMATES_BENCH_XSERVER_PID");
    return server != nullptr ? std::atoi(server) : 0;
}

// Share of one core the game uses once started, the same with the X
// server's work for it added (when its process is named), and the game's
// peak resident memory.
void MeasureCpu(const std::string& game, bool capped, double* share, double* withServer, double* peakMb)
{
    std::vector<std::string> args = {game};
    if (capped)
    {
        args.push_back("--max-fps");
        args.push_back("60");
    }
    const pid_t pid = Spawn(args, Environment({}));
    Sleep(kSettleSeconds);
    MeasureShare(pid, XServerPid(), share, withServer);
    // SDL turns the signal into a window-close request, which the game and
    // the floor program answer with status 1.
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFSIGNALED(status) && !(WIFEXITED(status) && WEXITSTATUS(status) == 1))
    {
        std::fprintf(stderr, "process_bench: the game ended with status %d\n", status);
        std::exit(2);
    }
    *peakMb = usage.ru_maxrss / 1024.0;
}

int RunCpu(const std::string& game, const std::string& floor)
{
    std::vector<double> free;
    std::vector<double> capped;
    std::vector<double> freeWithServer;
    std::vector<double> cappedWithServer;
    double peakMb = 0.0;
    for (int round = 0; round < kCpuRounds; ++round)
    {
        for (int side = 0; side < 2; ++side)
        {
            const bool cap = (side + round) % 2 == 1;
            double share = 0.0;
            double withServer = 0.0;
            double mb = 0.0;
            MeasureCpu(game, cap, &share, &withServer, &mb);
            (cap ? capped : free).push_back(share);
            (cap ? cappedWithServer : freeWithServer).push_back(withServer);
            peakMb = std::max(peakMb, mb);
        }
    }
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const std::string on = std::string(" (") + (driver != nullptr ? driver : "default") + ")";
    bench::Note("CPU use of one core, no frame cap, median" + on, bench::Median(free), "%");
    bench::Note("CPU use of one core, --max-fps 60, median" + on, bench::Median(capped), "%");
    if (std::getenv("FLATMATES_BENCH_XSERVER_PID") != nullptr)
    {
        bench::Note("CPU, game and X server, no cap, median" + on, bench::Median(freeWithServer), "%");
        bench::Note("CPU, game and X server, --max-fps 60, median" + on, bench::Median(cappedWithServer),
                    "%");
    }
    bench::Note("game binary, peak RSS over a run" + on, peakMb, "MB");
    // What the SDL in use takes before the game adds anything.
    double floorShare = 0.0;
    double floorWithServer = 0.0;
    double floorMb = 0.0;
    MeasureCpu(floor, false, &floorShare, &floorWithServer, &floorMb);
    bench::Note("floor program, peak RSS over a run" + on, floorMb, "MB");
    return 0;
}

int RunPaused(const std::string& game)
{
    const pid_t serverPid = XServerPid();
    std::vector<double> playing;
    std::vector<double> paused;
    std::vector<double> pausedWithServer;
    for (int round = 0; round < kCpuRounds; ++round)
    {
        // A settings folder of its own: the player's is not read.
        const pid_t pid = Spawn({game}, Environment({"XDG_CONFIG_HOME=/nonexistent"}));
        Sleep(kSettleSeconds);
        double share = 0.0;
        double withServer = 0.0;
        MeasureShare(pid, serverPid, &share, &withServer);
        playing.push_back(share);
        if (std::system(
                "xdotool search --sync --onlyvisible --name '^Flatmates$' windowfocus --sync key p") != 0)
        {
            std::fprintf(stderr, "process_bench: cannot press P in the game's window (xdotool)\n");
            kill(pid, SIGKILL);
            std::exit(2);
        }
        Sleep(1.0);
        MeasureShare(pid, serverPid, &share, &withServer);
        paused.push_back(share);
        pausedWithServer.push_back(withServer);
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
    }
    bench::Note("CPU use of one core, playing, no cap, median", bench::Median(playing), "%");
    const double pausedShare = bench::Median(paused);
    bench::Report("CPU use of one core, paused, median", pausedShare, "%", "<= 2",
                  pausedShare <= kPausedTargetPercent);
    if (serverPid > 0)
        bench::Note("CPU, game and X server, paused, median", bench::Median(pausedWithServer), "%");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (chdir(FLATMATES_SOURCE_DIR) != 0)
        return 2;
    if (argc == 5 && std::strcmp(argv[1], "startup") == 0)
        return RunStartup(argv[2], argv[3], argv[4]);
    if (argc == 4 && std::strcmp(argv[1], "cpu") == 0)
        return RunCpu(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "paused") == 0)
        return RunPaused(argv[2]);
    std::fprintf(stderr, "usage: process_bench startup GAME FLOOR SHIM | cpu GAME FLOOR | paused GAME\n");
    return 2;
}
