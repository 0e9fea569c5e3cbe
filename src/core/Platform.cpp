#include "core/Platform.h"

#include <climits>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace
{
// Both counters below are read in nanoseconds.
const LARGE_INTEGER kTicksPerSecond = 1000000000;
} // namespace

bool QueryPerformanceFrequency(LARGE_INTEGER* frequency)
{
    *frequency = kTicksPerSecond;
    return true;
}

bool QueryPerformanceCounter(LARGE_INTEGER* count)
{
#ifdef __EMSCRIPTEN__
    // In a browser page: the page's monotonic clock, milliseconds since the
    // page opened as a double, fine to microseconds.
    *count = static_cast<LARGE_INTEGER>(emscripten_get_now() * 1e6);
    return true;
#else
    // CLOCK_MONOTONIC never jumps with the wall clock.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    *count = static_cast<LARGE_INTEGER>(now.tv_sec) * kTicksPerSecond + now.tv_nsec;
    return true;
#endif
}

namespace platform
{

std::string ExecutableDirectory()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return std::string();
    std::string exe(path, static_cast<size_t>(length));
    const std::string::size_type slash = exe.rfind('/');
    if (slash == std::string::npos)
        return std::string();
    return slash == 0 ? std::string("/") : exe.substr(0, slash);
}

bool IsDirectory(const std::string& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ChangeDirectory(const std::string& path)
{
    return chdir(path.c_str()) == 0;
}

std::string CurrentDirectory()
{
    char path[PATH_MAX];
    if (getcwd(path, sizeof(path)) == nullptr)
        return std::string();
    return path;
}

} // namespace platform
