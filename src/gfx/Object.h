#ifndef FLATMATES_GFX_OBJECT_H
#define FLATMATES_GFX_OBJECT_H

#include <SDL.h>

// Something with a place on the screen that is updated and drawn every frame.
class Object
{
public:
    // Called once per frame with the frame time in seconds.
    virtual int Update(float dt) = 0;
    // Called once per frame to draw onto target.
    virtual int Render(SDL_Surface* target) = 0;

    // Top-left corner on the screen, in pixels.
    double m_PosX = 0.0;
    double m_PosY = 0.0;

protected:
    Object() = default;
    Object(const Object&) = default;
    // Never deleted through this type; sprites have their own virtual one.
    ~Object() = default;
};

#endif
