// The game's entry: start-up, then the frame loop, which never returns. Every
// way a run ends (Escape, closing the window, the play-time limit) leaves the
// process through exit with status 1.
//
// In a browser page the loop cannot block: the page must get control back
// after every frame to show it and to hand over the keys. There the browser
// calls the same frame body once per display refresh, which also paces the
// frames, so the frame cap has no part there.

#include "core/ContentDirectory.h"
#include "core/EventHandler.h"
#include "core/FrameClock.h"
#include "core/GameMain.h"
#include "play/StateTest.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include "core/FrameCap.h"
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
#ifndef __EMSCRIPTEN__
    std::string capError;
    const int maxFps = FrameCap::RequestedRate(argc, argv, std::getenv("FLATMATES_MAX_FPS"), &capError);
    if (!capError.empty())
        std::fprintf(stderr, "flatmates: %s\n", capError.c_str());
#else
    (void)argc;
    (void)argv;
#endif

    ContentDirectory::Use();

    GameMain* game = GameMain::getInstance();
    game->InitGame();
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
