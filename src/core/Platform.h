#ifndef FLATMATES_CORE_PLATFORM_H
#define FLATMATES_CORE_PLATFORM_H

// The only place that knows the operating system. Everything else asks here
// for the high-resolution clock and for the folders the game runs from.

#include <cstddef>
#include <cstdint>
#include <string>

// A reading of the high-resolution counter, in ticks. The frame loop, the
// state interface and the input recorder all speak in this type.
typedef std::int64_t LARGE_INTEGER;

// Ticks per second of the counter; always positive. Returns true.
bool QueryPerformanceFrequency(LARGE_INTEGER* frequency);

// The counter now: monotonic, never goes back. Returns true.
bool QueryPerformanceCounter(LARGE_INTEGER* count);

namespace platform
{

// Folder that holds the running executable, or "" when it cannot be told.
std::string ExecutableDirectory();

// True when path names an existing folder.
bool IsDirectory(const std::string& path);

// Makes path the working directory; true on success.
bool ChangeDirectory(const std::string& path);

// The working directory, or "" when it cannot be told.
std::string CurrentDirectory();

// Folder for the player's own settings: $XDG_CONFIG_HOME/flatmates, else
// $HOME/.config/flatmates; "" when neither names an absolute folder.
std::string SettingsDirectory();

// Makes path and every missing folder above it (readable by the player
// alone). True when path is a folder afterwards; else error says why.
bool MakeDirectories(const std::string& path, std::string* error);

// What reading a small file found.
enum class ReadResult
{
    kRead,
    kMissing, // nothing at path
    kFailed
};

// Reads the regular file at path whole into text, when it holds at most
// limit bytes. Never waits on a pipe or a device and never reads more than
// limit + 1 bytes, whatever lies at path. On kFailed, error says why (a
// folder, not a regular file, too long, unreadable).
ReadResult ReadSmallFile(const std::string& path, size_t limit, std::string* text, std::string* error);

// Replaces the file at path with contents in one step: a temporary file
// beside it is written, flushed to disk and renamed over path, so a reader
// finds the old file or the new one, never half of one. On failure path
// is left as it was, no temporary stays, and error says why. When path is
// a symbolic link, the file it points at is replaced and the link stays. In
// a browser page the new file is also handed to the page to keep.
bool ReplaceFile(const std::string& path, const std::string& contents, std::string* error);

// Starts watching the folder where the system makes a device file for each
// input device (a pad plugged in or pulled out comes and goes there):
// "/dev/input" unless another is given. Returns the watch, or -1 where
// nothing can be watched (no such folder; in a browser page).
int WatchDevices(const char* folder = "/dev/input");
// Whether anything came, went or changed in the watched folder since the
// last call. Never waits.
bool DevicesChanged(int watch);
void StopWatchingDevices(int watch);

} // namespace platform

#endif
