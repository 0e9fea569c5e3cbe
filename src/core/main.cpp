// The game's entry: start-up, then the frame loop, which never returns. Every
// way a run ends (Escape, closing the window, the play-time limit) leaves the
// process through exit with status 1.

#include "core/ContentDirectory.h"
#include "core/EventHandler.h"
#include "core/FrameClock.h"
#include "core/GameMain.h"

int main(int argc, char* argv[])
{
    (void)argc;
    (void)argv;

    ContentDirectory::Use();

    GameMain* game = GameMain::getInstance();
    game->InitGame();
    // Seam: the play state is entered here.

    FrameClock clock;
    clock.Start();
    for (;;)
    {
        const float dt = clock.Tick();
        EventHandler::getInstance()->update();
        game->GameUpdate(dt, clock.GetNow());
        game->Render();
    }
}
