#include "app/GameLoop.h"

#include "app/CommandLine.h"
#include "app/ContentDirectory.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "play/StateTest.h"

namespace
{
// How often a paused game looks for an event: quick enough that a key
// answers at once, rare enough to cost next to nothing.
const Uint32 kPausedLookMs = 10;
} // namespace

void GameLoop::Start(const CommandLine& line)
{
    ContentDirectory::Use();

    Program* program = Program::getInstance();
    program->LoadSettings(Settings::DefaultPath());
    line.UseLanguage(program->GetSettings().m_Language);
    GameMain* game = GameMain::getInstance();
    game->SetStartFullscreen(line.StartFullscreen(program->GetSettings().m_Fullscreen));
    game->InitGame();
    program->Start(line.WantsSpeech());
    game->ChangeState(StateTest::getInstance());
    program->SayStart();
    m_Clock.Start();
}

void GameLoop::Frame()
{
    const float dt = m_Clock.Tick();
    Step(dt, m_Clock.GetNow());
}

void GameLoop::Step(float dt, LARGE_INTEGER now)
{
    GameMain* game = GameMain::getInstance();
    EventHandler::getInstance()->update();
    // The notices count down in real time, paused or not.
    Program::getInstance()->Update(dt);
    game->GameUpdate(dt, now);
    game->Render();
}

void GameLoop::WaitWhilePaused()
{
    WaitClock clock;
    WaitWhilePaused(clock);
}

void GameLoop::WaitWhilePaused(WaitClock& clock)
{
    Program* program = Program::getInstance();
    const float notice = program->GetOverlay().GetNoticeTimeLeft();
    const Uint32 start = clock.Now();
    while (program->IsPaused())
    {
        // The pad too: Start resumes a game paused with Start.
        program->BeforePoll();
        // A null event only looks: the frame takes it.
        if (SDL_PollEvent(nullptr) != 0)
            return;
        if (notice > 0.0f && static_cast<float>(clock.Now() - start) >= notice * 1000.0f)
            return;
        // "Paused" itself may have waited for the line before it.
        if (program->GetSpeech().HasLineDue())
            return;
        clock.Sleep(kPausedLookMs);
    }
}
