// Heap use of the running game: every allocation made on the game's thread
// during the busy scene's frames, whether through operator new (the game's
// own code) or straight through malloc (the SDL libraries, the font and
// image readers), once the first frames have settled.

#include "BenchSupport.h"

#include <cstdio>
#include <cstdlib>
#include <new>

extern "C"
{
    void* __libc_malloc(size_t size);
    void* __libc_calloc(size_t count, size_t size);
    void* __libc_realloc(void* p, size_t size);
    void* __libc_memalign(size_t alignment, size_t size);
    void __libc_free(void* p);
}

namespace
{

// Counting is on only while the frames run, and only on the thread that
// started it: the mixer's thread decodes music on its own schedule.
thread_local bool t_Counting = false;
long g_Allocations = 0;

void* Counted(void* p)
{
    if (t_Counting)
        ++g_Allocations;
    return p;
}

void* NewOrThrow(std::size_t size)
{
    if (void* p = Counted(__libc_malloc(size == 0 ? 1 : size)))
        return p;
    throw std::bad_alloc();
}

// Frames for the man's first walk past every object of room b, in which
// each icon is drawn for the first time, and the frames counted after it.
const int kFirstWalkFrames = 600;
const int kCountedFrames = 3000;

} // namespace

extern "C"
{
    void* malloc(size_t size)
    {
        return Counted(__libc_malloc(size));
    }
    void* calloc(size_t count, size_t size)
    {
        return Counted(__libc_calloc(count, size));
    }
    void* realloc(void* p, size_t size)
    {
        return Counted(__libc_realloc(p, size));
    }
    void* memalign(size_t alignment, size_t size)
    {
        return Counted(__libc_memalign(alignment, size));
    }
    void* aligned_alloc(size_t alignment, size_t size)
    {
        return Counted(__libc_memalign(alignment, size));
    }
    int posix_memalign(void** out, size_t alignment, size_t size)
    {
        void* p = Counted(__libc_memalign(alignment, size));
        if (p == nullptr)
            return ENOMEM;
        *out = p;
        return 0;
    }
    void free(void* p)
    {
        __libc_free(p);
    }
}

void* operator new(std::size_t size)
{
    return NewOrThrow(size);
}
void* operator new[](std::size_t size)
{
    return NewOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Counted(__libc_malloc(size == 0 ? 1 : size));
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Counted(__libc_malloc(size == 0 ? 1 : size));
}
void operator delete(void* p) noexcept
{
    __libc_free(p);
}
void operator delete[](void* p) noexcept
{
    __libc_free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    __libc_free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    __libc_free(p);
}

int main()
{
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const std::string on = std::string(" (") + (driver != nullptr ? driver : "default") + ")";

    bench::StartGame();
    bench::SetUpBusyScene();
    LARGE_INTEGER now = 0;

    // The counter must see what it is meant to count.
    t_Counting = true;
    std::free(std::malloc(16));
    delete new int(0);
    const long selfCheck = g_Allocations;
    g_Allocations = 0;

    // A picture is prepared for the screen by SDL when it is first drawn;
    // the first walk draws every icon of the room once.
    for (int i = 0; i < kFirstWalkFrames; ++i)
        bench::BusyFrame(++now);
    const long firstWalk = g_Allocations;
    g_Allocations = 0;
    for (int i = 0; i < kCountedFrames; ++i)
        bench::BusyFrame(++now);
    t_Counting = false;

    if (selfCheck != 2)
    {
        std::fprintf(stderr, "flatmates bench: the allocation counter saw %ld of 2\n", selfCheck);
        return 2;
    }
    const double perFrame = static_cast<double>(g_Allocations) / kCountedFrames;
    bench::Report("heap allocations per frame, running" + on, perFrame, "", "0", g_Allocations == 0);
    bench::Note("heap allocations, first walk past the objects" + on, static_cast<double>(firstWalk), "");
    return 0;
}
