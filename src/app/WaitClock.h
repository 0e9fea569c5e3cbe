#ifndef FLATMATES_APP_WAITCLOCK_H
#define FLATMATES_APP_WAITCLOCK_H

#include <SDL.h>

// The time a paused game waits by: SDL's milliseconds and its sleep. A
// test's stand-in lets a wait of seconds pass at once.
class WaitClock
{
public:
    virtual ~WaitClock() = default;

    virtual Uint32 Now() { return SDL_GetTicks(); }
    virtual void Sleep(Uint32 ms) { SDL_Delay(ms); }
};

#endif
