#include "core/GameMain.h"

#include "audio/SoundManager.h"
#include "core/BaseState.h"
#include "app/GamePause.h"
#include "app/ProgramKeys.h"
#include "app/ScreenMode.h"
#include "gfx/FontRender.h"
#include "objects/CollisionSystem.h"

#include <SDL_ttf.h>
#include <cstdio>
#include <cstdlib>

GameMain* GameMain::m_pInstance = nullptr;

GameMain* GameMain::getInstance()
{
    if (m_pInstance == nullptr)
        m_pInstance = new GameMain();
    return m_pInstance;
}

void GameMain::InitGame()
{
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    // Seam: the household objects are read from the object file here, before
    // the play state is entered, so their pictures lead its scenery list.
    CollisionSystem::getInstance()->InitCollisionObjects();
    TTF_Init();
    SoundManager::getInstance()->Init();
    atexit(SDL_Quit);
    atexit(TTF_Quit);

    SDL_WM_SetCaption("Flatmates", "Flatmates");
    m_pScreen = ScreenMode::Open(m_StartFullscreen);
    if (m_pScreen == nullptr)
    {
        std::fprintf(
            stderr,
            "flatmates: cannot open a %dx%d window: %s (set DISPLAY, or SDL_VIDEODRIVER=dummy to run "
            "headless)\n",
            kScreenWidth, kScreenHeight, SDL_GetError());
        std::exit(1);
    }
    // Each frame clears only the top of the screen, and nothing is drawn
    // below the room; those rows keep what the window opened with. Classic
    // SDL opens it black, but sdl12-compat hands over the pixels as they lay
    // in memory, so the screen is blacked once here.
    SDL_FillRect(m_pScreen, nullptr, SDL_MapRGB(m_pScreen->format, 0, 0, 0));

    // The game has no mouse input. Mouse events would still take the one
    // event slot of a frame, delaying keys and cancelling a space-bar use
    // whenever the pointer moves over the window, so they are dropped here.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    SDL_EventState(SDL_MOUSEBUTTONDOWN, SDL_IGNORE);
    SDL_EventState(SDL_MOUSEBUTTONUP, SDL_IGNORE);
}

void GameMain::GameUpdate(float dt, LARGE_INTEGER now)
{
    // The notices count down in real time, paused or not.
    ProgramKeys::getInstance()->Update(dt);
    GamePause* pause = GamePause::getInstance();
    if (pause->IsPaused())
        return;
    // The time since the last frame went by in the pause.
    if (pause->TakeResumed())
        dt = 0.0f;

    m_ElapsedTime += dt;
    if (m_ElapsedTime > kPlayTimeLimit)
        std::exit(1);

    if (m_pState != nullptr)
    {
        m_pState->Update(dt, now);
        FontRender::getInstance()->Update(dt);
    }
}

void GameMain::Render()
{
    if (m_pScreen == nullptr)
        return;

    // Black as the screen's format spells it: a plain 0 is transparent
    // wherever the screen keeps an alpha channel, and clears nothing there.
    SDL_Rect top = {0, 0, kScreenWidth, kClearedRows};
    SDL_FillRect(m_pScreen, &top, SDL_MapRGB(m_pScreen->format, 0, 0, 0));
    if (m_pState != nullptr)
        m_pState->Render();
    FontRender::getInstance()->Render();
    ProgramKeys::getInstance()->Render(m_pScreen);
    SDL_Flip(m_pScreen);
}

void GameMain::HandleInput(SDL_KeyboardEvent event)
{
    if (m_pState != nullptr && !GamePause::getInstance()->IsPaused())
        m_pState->HandleInput(event);
}

SDL_Surface* GameMain::getSurface()
{
    return m_pScreen;
}

void GameMain::Reset()
{
    m_pScreen = nullptr;
    m_pState = nullptr;
    m_ElapsedTime = 0.0f;
}

void GameMain::ChangeState(BaseState* next)
{
    if (m_pState != nullptr)
        m_pState->Exit();
    m_pState = next;
    m_pState->Enter();
}

void GameMain::SwapState(BaseState* next)
{
    m_pState = next;
}
