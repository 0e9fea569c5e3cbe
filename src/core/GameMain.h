#ifndef FLATMATES_CORE_GAMEMAIN_H
#define FLATMATES_CORE_GAMEMAIN_H

#include "core/Platform.h"

#include <SDL.h>

class BaseState;
class Overlay;

// Owns the window's surface and the current state, and runs one frame's
// update and drawing. Created on first use and never deleted.
class GameMain
{
public:
    static const int kScreenWidth = 1024;
    static const int kScreenHeight = 768;
    static const int kScreenBpp = 32;
    // Rows cleared every frame; the rows below keep what was drawn there.
    static const int kClearedRows = 600;
    // A run ends once this much play time has passed.
    static constexpr float kPlayTimeLimit = 300.0f;

    static GameMain* getInstance();

    // The video mode flags for the window or the whole screen.
    static Uint32 ScreenFlags(bool fullscreen);

    // Starts the libraries, reads the content and opens the window. Ends the
    // process with status 1 when no window can be opened.
    void InitGame();
    // Counts play time (ending the run past the limit), then updates the
    // current state and the captions. While the game is paused none of this
    // happens, and the frame that resumes it counts no time.
    void GameUpdate(float dt, LARGE_INTEGER now);
    // Clears the top of the screen, draws the state, the captions and the
    // overlay, flips.
    void Render();
    // Forwards the frame's input event to the current state, unless paused.
    void HandleInput(SDL_KeyboardEvent event);
    SDL_Surface* getSurface();
    // The screen changed (between window and fullscreen): draw to this one.
    void SetSurface(SDL_Surface* screen) { m_pScreen = screen; }
    // Whether InitGame opens the game fullscreen; a window by default.
    void SetStartFullscreen(bool fullscreen) { m_StartFullscreen = fullscreen; }
    // Drawn over every frame, last before the flip; null for none.
    void SetOverlay(Overlay* overlay) { m_pOverlay = overlay; }
    Overlay* GetOverlay() const { return m_pOverlay; }

    // The game stands still while paused: no play time passes, the state
    // neither updates nor hears input, and the captions wait. Whoever pauses
    // the game pauses its sound too.
    void SetPaused(bool paused);
    bool IsPaused() const { return m_Paused; }

    // Back to how the game is before InitGame: no window, no state, no play
    // time, no overlay, not paused. The game plays once and exits; tools and tests that start it
    // again in one process begin here.
    void Reset();

    // Leaves the current state (Exit), then makes next current and enters it.
    void ChangeState(BaseState* next);
    // Makes next current without leaving or entering anything.
    void SwapState(BaseState* next);

    BaseState* GetState() const { return m_pState; }
    float GetElapsedTime() const { return m_ElapsedTime; }

    GameMain(const GameMain&) = delete;
    GameMain& operator=(const GameMain&) = delete;

private:
    GameMain() = default;

    static GameMain* m_pInstance;

    SDL_Surface* m_pScreen = nullptr;
    BaseState* m_pState = nullptr;
    float m_ElapsedTime = 0.0f;
    bool m_StartFullscreen = false;
    Overlay* m_pOverlay = nullptr;
    bool m_Paused = false;
    // The first update after a pause spans the paused time: it counts none.
    bool m_Resumed = false;
};

#endif
