#ifndef FLATMATES_APP_PADDEVICE_H
#define FLATMATES_APP_PADDEVICE_H

#include <SDL.h>

// Where the gamepad's readings come from: a joystick SDL found, or a test's
// stand-in (SDL 1.2 has no pad of its own to plug in).
class PadDevice
{
public:
    // One reading of the pad.
    struct Reading
    {
        Uint8 hat = SDL_HAT_CENTERED;
        Sint16 stickX = 0;
        // When it was read, in SDL's milliseconds.
        Uint32 ms = 0;
        bool use = false;
        bool start = false;
    };

    virtual ~PadDevice() = default;

    // Reads the pad as it is now; false when there is none (it was pulled
    // out, or none was ever plugged in).
    virtual bool Read(Reading* reading) = 0;
};

#endif
