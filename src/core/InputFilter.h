#ifndef FLATMATES_CORE_INPUTFILTER_H
#define FLATMATES_CORE_INPUTFILTER_H

#include <SDL.h>

// What the program around the game puts at the input door: it sees every new
// event before the game does and keeps the ones that are its own (a key that
// pauses, a window losing focus), so the game never learns of them.
class InputFilter
{
public:
    virtual ~InputFilter() = default;

    // Once a frame, before the door polls: may queue events of its own (a
    // pad read as keys) for the door to take.
    virtual void BeforePoll() = 0;
    // One new event, after the quit rules. It may rewrite the event (a key
    // the player chose becomes the game's own); what the game then gets and
    // keeps is the event as rewritten. True when the game must not get it;
    // it then gets its last event again.
    virtual bool Take(SDL_Event& event) = 0;
};

#endif
