#ifndef FLATMATES_APP_SCREENMODE_H
#define FLATMATES_APP_SCREENMODE_H

#include <SDL.h>

// The game in a window or over the whole screen. The picture stays 1024 by
// 768 either way; only how it is shown changes.
class ScreenMode
{
public:
    // The video mode flags for the window or the whole screen.
    static Uint32 Flags(bool fullscreen);
    // Opens the game's screen; when the whole screen cannot be had, a
    // window instead. Null when neither opens.
    static SDL_Surface* Open(bool fullscreen);

    static bool IsFullscreen(const SDL_Surface* screen);

    // Switches the game's screen between window and whole screen: in place
    // where the video driver can, else by opening the mode again. The game
    // draws to the new screen from then on, which starts black. When the
    // other mode cannot be had the game stays as it was. Returns whether it
    // now shows fullscreen.
    static bool Toggle();
};

#endif
