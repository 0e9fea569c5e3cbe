// The game's entry on the desktop: start-up, then the frame loop, which never
// returns. Every way a run ends (Escape, closing the window, the play-time
// limit) leaves the process through exit with status 1; --help and
// --version leave with 0, a usage error with 2.

#include "app/CommandLine.h"
#include "app/FrameCap.h"
#include "app/GameLoop.h"
#include "app/Program.h"
#include "app/ScreenReader.h"
#include "app/SpeechDispatcherVoice.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    CommandLine line;
    const int answered = line.Answer(argc, argv);
    if (answered != CommandLine::kPlay)
        return answered;

    std::string capError;
    const int maxFps = FrameCap::RequestedRate(line.GetMaxFps(), std::getenv("FLATMATES_MAX_FPS"), &capError);
    if (!capError.empty())
        std::fprintf(stderr, "flatmates: %s\n", capError.c_str());

    // Lives as long as the process: the loop never returns, and exit leaves
    // it be.
    SpeechDispatcherVoice voice;
    Program::getInstance()->SetVoice(&voice);
    // A player whose desktop reads the screen to him hears the game from the
    // start; the desktop is asked while the game starts, never holding it up.
    ScreenReader screenReader;
    screenReader.Ask();
    GameLoop loop;
    loop.Start(line);
    FrameCap cap(maxFps);
    for (;;)
    {
        loop.Frame();
        cap.Wait();
        GameLoop::WaitWhilePaused();
    }
}
