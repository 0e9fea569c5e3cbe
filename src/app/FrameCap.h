#ifndef FLATMATES_APP_FRAMECAP_H
#define FLATMATES_APP_FRAMECAP_H

#include <SDL_framerate.h>
#include <string>

// An opt-in limit on the frame rate. By default the game draws frames as
// fast as it can and keeps a core busy; with a cap the loop sleeps out the
// rest of each frame's budget. The frame clock is not touched, so the frame
// times and everything that follows them stay as they are.
class FrameCap
{
public:
    // Frames per second asked for: the command line's cap (0 for none)
    // wins, else the environment text (FLATMATES_MAX_FPS); 0 for neither.
    // An environment value that is not a cap the command line would take
    // is reported in error and gives 0.
    static int RequestedRate(int commandLineRate, const char* environment, std::string* error);

    // rate 0 makes a cap that never waits.
    explicit FrameCap(int rate);

    // Called once per frame after the flip.
    void Wait();

    int GetRate() const { return m_Rate; }

private:
    int m_Rate;
    FPSmanager m_Manager;
};

#endif
