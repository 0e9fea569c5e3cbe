#ifndef FLATMATES_APP_GAMELOOP_H
#define FLATMATES_APP_GAMELOOP_H

#include "core/FrameClock.h"

class CommandLine;
class WaitClock;

// The program's start-up and one pass of its frame loop, the same on the
// desktop and in a browser page; only the entry decides who calls the frame
// (an endless loop, or the browser once per display refresh).
class GameLoop
{
public:
    // Finds the content, reads the player's settings, opens the window as
    // the command line asks, plugs the program in, enters the play state and
    // starts the clock.
    void Start(const CommandLine& line);
    // One frame on the clock.
    void Frame();
    // One frame: at most one event, the program's notices, the update with
    // the frame time dt and the counter reading now, the picture.
    static void Step(float dt, LARGE_INTEGER now);
    // While the game is paused its picture stands still: sleeps until an
    // event waits (the pad read into one too), the notice on the screen is
    // due to go, or a line is due to be said, instead of drawing the same
    // frame again and again. Time passes by clock.
    static void WaitWhilePaused(WaitClock& clock);
    static void WaitWhilePaused();

private:
    FrameClock m_Clock;
};

#endif
