#include "core/Platform.h"

#include "core/Words.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include <sys/inotify.h>
#endif

namespace
{
// Both counters below are read in nanoseconds.
const LARGE_INTEGER kTicksPerSecond = 1000000000;

// The file path stands for once every link on the way to it is followed,
// even to a file not there yet; path itself when it is no link. A player
// who keeps his settings elsewhere and links them in keeps his link.
std::string FollowLinks(std::string path)
{
    // As many links in a row as the system itself follows.
    for (int hops = 0; hops < 40; ++hops)
    {
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof(target) - 1);
        if (length <= 0)
            return path;
        const std::string to(target, static_cast<size_t>(length));
        const std::string::size_type slash = path.rfind('/');
        path = to[0] == '/' || slash == std::string::npos ? to : path.substr(0, slash + 1) + to;
    }
    return path;
}
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

std::string SettingsDirectory()
{
    // Relative values are to be ignored: they would depend on where the game
    // happened to be started.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return std::string(config) + "/flatmates";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.config/flatmates";
    return std::string();
}

bool MakeDirectories(const std::string& path, std::string* error)
{
    if (path.empty())
    {
        *error = _("no folder named");
        return false;
    }
    // Each folder on the way, the last one included.
    for (std::string::size_type slash = path.find('/', 1);; slash = path.find('/', slash + 1))
    {
        const std::string part = slash == std::string::npos ? path : path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
        {
            *error = Words::Fill(_("cannot make %s: %s"), part.c_str(), std::strerror(errno));
            return false;
        }
        if (slash == std::string::npos)
            break;
    }
    if (!IsDirectory(path))
    {
        *error = Words::Fill(_("%s is not a folder"), path.c_str());
        return false;
    }
    return true;
}

ReadResult ReadSmallFile(const std::string& path, size_t limit, std::string* text, std::string* error)
{
    // Not blocking: opening a named pipe for reading would wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
    {
        // Nothing there, or a plain file where a folder on the way should be.
        if (errno == ENOENT || errno == ENOTDIR)
            return ReadResult::kMissing;
        *error = Words::Fill(_("cannot read %s: %s"), path.c_str(), std::strerror(errno));
        return ReadResult::kFailed;
    }
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        *error = Words::Fill(S_ISDIR(info.st_mode) ? _("%s is a folder, not a file")
                                                   : _("%s is not a regular file"),
                             path.c_str());
        close(fd);
        return ReadResult::kFailed;
    }
    std::string read(limit + 1, '\0');
    size_t got = 0;
    int failure = 0;
    while (got < read.size())
    {
        const ssize_t done = ::read(fd, &read[got], read.size() - got);
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            failure = errno;
        if (done <= 0)
            break;
        got += static_cast<size_t>(done);
    }
    close(fd);
    if (failure != 0)
    {
        *error = Words::Fill(_("cannot read %s: %s"), path.c_str(), std::strerror(failure));
        return ReadResult::kFailed;
    }
    if (got > limit)
    {
        *error = Words::Fill(_("%s is longer than %zu bytes"), path.c_str(), limit);
        return ReadResult::kFailed;
    }
    read.resize(got);
    *text = read;
    return ReadResult::kRead;
}

bool ReplaceFile(const std::string& linkedPath, const std::string& contents, std::string* error)
{
    const std::string path = FollowLinks(linkedPath);
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0)
    {
        *error = Words::Fill(_("cannot write beside %s: %s"), path.c_str(), std::strerror(errno));
        return false;
    }
    const char* data = contents.data();
    size_t left = contents.size();
    bool written = true;
    while (left > 0 && written)
    {
        const ssize_t done = write(fd, data, left);
        if (done < 0 && errno == EINTR)
            continue;
        written = done > 0;
        if (written)
        {
            data += done;
            left -= static_cast<size_t>(done);
        }
    }
    // The rename must not land before the bytes do, or a crash could leave
    // an empty file where the old one was.
    written = written && fsync(fd) == 0;
    int failure = written ? 0 : errno;
    if (close(fd) != 0 && written)
    {
        written = false;
        failure = errno;
    }
    if (!written)
    {
        *error = Words::Fill(_("cannot write %s: %s"), temporary.c_str(), std::strerror(failure));
        unlink(temporary.c_str());
        return false;
    }
    if (rename(temporary.c_str(), path.c_str()) != 0)
    {
        *error = Words::Fill(_("cannot replace %s: %s"), path.c_str(), std::strerror(errno));
        unlink(temporary.c_str());
        return false;
    }
#ifdef __EMSCRIPTEN__
    // A browser page's files live in its memory only: the page keeps this
    // one in the browser's storage and puts it back on the next visit.
    EM_ASM(
        {
            if (Module.keepFile)
                Module.keepFile(UTF8ToString($0), UTF8ToString($1));
        },
        linkedPath.c_str(), contents.c_str());
#endif
    return true;
}

int WatchDevices(const char* folder)
{
#ifdef __EMSCRIPTEN__
    (void)folder;
    return -1;
#else
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0)
        return -1;
    // A device file appears, then is given its owner and permissions
    // (udev), then goes when the device does.
    if (inotify_add_watch(watch, folder, IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_TO | IN_MOVED_FROM) < 0)
    {
        close(watch);
        return -1;
    }
    return watch;
#endif
}

bool DevicesChanged(int watch)
{
#ifdef __EMSCRIPTEN__
    (void)watch;
    return false;
#else
    if (watch < 0)
        return false;
    // Only that something happened counts, not what: read all there is.
    alignas(inotify_event) char events[4096];
    bool changed = false;
    while (read(watch, events, sizeof(events)) > 0)
        changed = true;
    return changed;
#endif
}

void StopWatchingDevices(int watch)
{
    if (watch >= 0)
        close(watch);
}

} // namespace platform
