// The game's entry: start-up, then the frame loop, which never returns. Every
// way a run ends (Escape, closing the window, the play-time limit) leaves the
// process through exit with status 1; --help and --version leave with 0, a
// usage error with 2.

#include "core/CommandLine.h"
#include "core/ContentDirectory.h"
#include "core/EventHandler.h"
#include "core/FrameCap.h"
#include "core/FrameClock.h"
#include "core/GameMain.h"
#include "core/ProgramKeys.h"
#include "play/StateTest.h"

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
    const int maxFps = FrameCap::RequestedRate(argc, argv, std::getenv("FLATMATES_MAX_FPS"), &capError);
    if (!capError.empty())
        std::fprintf(stderr, "flatmates: %s\n", capError.c_str());

    ContentDirectory::Use();

    ProgramKeys* program = ProgramKeys::getInstance();
    program->LoadSettings(Settings::DefaultPath());
    GameMain* game = GameMain::getInstance();
    game->SetStartFullscreen(line.StartFullscreen(program->GetSettings().m_Fullscreen));
    game->InitGame();
    program->Start();
    game->ChangeState(StateTest::getInstance());

    FrameCap cap(maxFps);
    FrameClock clock;
    clock.Start();
    for (;;)
    {
        const float dt = clock.Tick();
        EventHandler::getInstance()->update();
        game->GameUpdate(dt, clock.GetNow());
        game->Render();
        cap.Wait();
    }
}
