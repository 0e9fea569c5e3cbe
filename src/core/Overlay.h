#ifndef FLATMATES_CORE_OVERLAY_H
#define FLATMATES_CORE_OVERLAY_H

#include <SDL.h>

// What the program around the game draws over the finished picture, last
// before the flip: lines about the program, not the flat.
class Overlay
{
public:
    virtual ~Overlay() = default;

    // Called every frame after the state and the captions are drawn.
    virtual void Render(SDL_Surface* screen) = 0;
};

#endif
