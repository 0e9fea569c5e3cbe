#include "core/GameMain.h"

#include "audio/SoundManager.h"
#include "core/BaseState.h"
#include "core/Overlay.h"
#include "core/Words.h"
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

Uint32 GameMain::ScreenFlags(bool fullscreen)
{
    return SDL_HWSURFACE | SDL_DOUBLEBUF | (fullscreen ? SDL_FULLSCREEN : 0);
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
    m_pScreen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenBpp, ScreenFlags(m_StartFullscreen));
    if (m_pScreen == nullptr && m_StartFullscreen)
    {
        std::fprintf(
            stderr, "flatmates: %s\n",
            Words::Fill(_("cannot show the game fullscreen (%s); using a window"), SDL_GetError()).c_str());
        m_pScreen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenBpp, ScreenFlags(false));
    }
    if (m_pScreen == nullptr)
    {
        std::fprintf(
            stderr, "flatmates: %s\n",
            Words::Fill(
                _("cannot open a %dx%d window: %s (set DISPLAY, or SDL_VIDEODRIVER=dummy to run headless)"),
                kScreenWidth, kScreenHeight, SDL_GetError())
                .c_str());
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
    if (m_Paused)
        return;
    // The time since the last frame went by in the pause.
    if (m_Resumed)
    {
        m_Resumed = false;
        dt = 0.0f;
    }

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
    if (m_pOverlay != nullptr)
        m_pOverlay->Render(m_pScreen);
    SDL_Flip(m_pScreen);
}

void GameMain::HandleInput(SDL_KeyboardEvent event)
{
    if (m_pState != nullptr && !m_Paused)
        m_pState->HandleInput(event);
}

void GameMain::SetPaused(bool paused)
{
    if (paused == m_Paused)
        return;
    m_Paused = paused;
    m_Resumed = !paused;
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
    m_pOverlay = nullptr;
    m_Paused = false;
    m_Resumed = false;
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
