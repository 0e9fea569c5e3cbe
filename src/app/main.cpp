// The game's entry: start-up, then the frame loop, which never returns. Every
// way a run ends (Escape, closing the window, the play-time limit) leaves the
// process through exit with status 1; --help and --version leave with 0, a
// usage error with 2.
//
// In a browser page the loop cannot block: the page must get control back
// after every frame to show it and to hand over the keys. There the browser
// calls the same frame body once per display refresh, which also paces the
// frames, so the frame cap has no part there.

#include "app/CommandLine.h"
#include "app/ContentDirectory.h"
#include "core/EventHandler.h"
#include "core/FrameClock.h"
#include "core/GameMain.h"
#include "app/ProgramKeys.h"
#include "play/StateTest.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include "app/FrameCap.h"
#endif

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

// One frame: the clock, at most one event, the update, the picture.
void RunFrame(FrameClock& clock, GameMain* game)
{
    const float dt = clock.Tick();
    EventHandler::getInstance()->update();
    game->GameUpdate(dt, clock.GetNow());
    game->Render();
}

#ifdef __EMSCRIPTEN__
FrameClock g_BrowserClock;

void BrowserFrame()
{
    RunFrame(g_BrowserClock, GameMain::getInstance());
}
#endif

} // namespace

int main(int argc, char* argv[])
{
    CommandLine line;
    const int answered = line.Answer(argc, argv);
    if (answered != CommandLine::kPlay)
        return answered;

#ifndef __EMSCRIPTEN__
    std::string capError;
    const int maxFps = FrameCap::RequestedRate(argc, argv, std::getenv("FLATMATES_MAX_FPS"), &capError);
    if (!capError.empty())
        std::fprintf(stderr, "flatmates: %s\n", capError.c_str());
#endif

    ContentDirectory::Use();

    ProgramKeys* program = ProgramKeys::getInstance();
    program->LoadSettings(Settings::DefaultPath());
    GameMain* game = GameMain::getInstance();
    game->SetStartFullscreen(line.StartFullscreen(program->GetSettings().m_Fullscreen));
    game->InitGame();
    program->Start();
    game->ChangeState(StateTest::getInstance());

#ifdef __EMSCRIPTEN__
    // Rate 0: the browser's own pace. The last argument makes this call
    // never return, as the loop below never does.
    g_BrowserClock.Start();
    emscripten_set_main_loop(BrowserFrame, 0, 1);
#else
    FrameCap cap(maxFps);
    FrameClock clock;
    clock.Start();
    for (;;)
    {
        RunFrame(clock, game);
        cap.Wait();
    }
#endif
}
