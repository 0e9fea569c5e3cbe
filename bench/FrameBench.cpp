// Frame cost: the game's busiest ordinary frame against the floor, on the
// same driver in the same process, taken in turns so that whatever else the
// machine is doing weighs on both alike.
//
//   frame_bench            medians of both and their ratio
//   frame_bench --count N  N game frames, then N floor frames, with the
//                          instruction counter reset and dumped around each
//                          (for valgrind --tool=callgrind)

#include "BenchSupport.h"
#include "core/GameMain.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace
{

// Turns of each kind, frames per turn; the first turn of each warms up.
const int kTurns = 41;
const int kFramesPerTurn = 40;
// The game's own target for its frame against the floor.
const double kTargetRatio = 1.5;

LARGE_INTEGER g_Now = 0;

void GameFrames(int count, std::vector<double>* times)
{
    for (int i = 0; i < count; ++i)
    {
        const double start = bench::Now();
        bench::BusyFrame(++g_Now);
        if (times != nullptr)
            times->push_back(bench::Now() - start);
    }
}

void FloorFrames(bench::Floor& floor, int count, std::vector<double>* times)
{
    for (int i = 0; i < count; ++i)
    {
        const double start = bench::Now();
        floor.Frame();
        if (times != nullptr)
            times->push_back(bench::Now() - start);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const std::string on = std::string(" (") + (driver != nullptr ? driver : "default") + ")";

    bench::StartGame();
    bench::SetUpBusyScene();
    bench::Floor floor(GameMain::getInstance()->getSurface());

    if (argc == 3 && std::strcmp(argv[1], "--count") == 0)
    {
        const int count = std::atoi(argv[2]);
        GameFrames(count, nullptr);
        FloorFrames(floor, count, nullptr);
        CALLGRIND_ZERO_STATS;
        GameFrames(count, nullptr);
        CALLGRIND_DUMP_STATS_AT("game frames");
        FloorFrames(floor, count, nullptr);
        CALLGRIND_DUMP_STATS_AT("floor frames");
        return 0;
    }

    std::vector<double> game;
    std::vector<double> floorTimes;
    for (int turn = 0; turn < kTurns; ++turn)
    {
        const bool warmUp = turn == 0;
        // The order alternates so that neither always follows the other.
        if (turn % 2 == 0)
        {
            GameFrames(kFramesPerTurn, warmUp ? nullptr : &game);
            FloorFrames(floor, kFramesPerTurn, warmUp ? nullptr : &floorTimes);
        }
        else
        {
            FloorFrames(floor, kFramesPerTurn, &floorTimes);
            GameFrames(kFramesPerTurn, &game);
        }
    }
    const double gameMs = bench::Median(game) * 1000.0;
    const double floorMs = bench::Median(floorTimes) * 1000.0;
    const double ratio = gameMs / floorMs;
    bench::Note("frame, game, median" + on, gameMs, "ms");
    bench::Note("frame, floor, median" + on, floorMs, "ms");
    if (driver != nullptr && std::strcmp(driver, "dummy") == 0)
        bench::Report("frame, game / floor" + on, ratio, "x", "<= 1.5", ratio <= kTargetRatio);
    else
        bench::Note("frame, game / floor" + on, ratio, "x");
    return 0;
}
