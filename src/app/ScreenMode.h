#ifndef FLATMATES_APP_SCREENMODE_H
#define FLATMATES_APP_SCREENMODE_H

#include <SDL.h>

// The game in a window or over the whole screen. The picture stays 1024 by
// 768 either way; only how it is shown changes.
class ScreenMode
{
public:
    static bool IsFullscreen(const SDL_Surface* screen);

    // Switches the game's screen between window and whole screen: in place
    // where the video driver can, else by opening the mode again. The game
    // draws to the new screen from then on, which starts black. When the
    // other mode cannot be had the game stays as it was. Returns whether it
    // now shows fullscreen.
    static bool Toggle();
};

#endif
