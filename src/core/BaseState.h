#ifndef FLATMATES_CORE_BASESTATE_H
#define FLATMATES_CORE_BASESTATE_H

#include "core/Platform.h"

#include <SDL.h>

// One screen of the game. Exactly one state is current; the frame loop hands
// it the input, the update and the drawing of every frame.
class BaseState
{
public:
    virtual ~BaseState();

    // Called when the state becomes current.
    virtual void Enter() = 0;
    // Called once per frame by states that have no use for the counter.
    virtual bool Update(float dt) = 0;
    // Called once per frame with the frame's counter reading; by default the
    // reading is dropped and the one-argument Update runs.
    virtual bool Update(float dt, LARGE_INTEGER now);
    // Called once per frame after the update, to draw the state.
    virtual bool Render() = 0;
    // Called when another state is made current in its place.
    virtual void Exit() = 0;
    // Called once per frame with the current input event, new or not.
    virtual void HandleInput(SDL_KeyboardEvent event) = 0;
};

#endif
