// Loaded into a program with LD_PRELOAD to time its start-up: at the first
// flip of the screen it writes the monotonic clock, in nanoseconds, to the
// file descriptor named by FLATMATES_BENCH_FLIP_FD and ends the process.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

struct SDL_Surface;

extern "C" int SDL_Flip(SDL_Surface* screen)
{
    using FlipFunction = int (*)(SDL_Surface*);
    const FlipFunction flip = reinterpret_cast<FlipFunction>(dlsym(RTLD_NEXT, "SDL_Flip"));
    const int result = flip != nullptr ? flip(screen) : -1;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const char* fd = std::getenv("FLATMATES_BENCH_FLIP_FD");
    if (fd != nullptr)
        dprintf(std::atoi(fd), "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    _exit(result == 0 ? 0 : 3);
}
