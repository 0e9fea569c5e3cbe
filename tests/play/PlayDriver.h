#ifndef FLATMATES_TESTS_PLAY_PLAYDRIVER_H
#define FLATMATES_TESTS_PLAY_PLAYDRIVER_H

// Plays the game in process the way main does, one frame at a time, but with
// a fixed frame time instead of the clock and with keys pushed as events, so
// that a visit to the flat goes the same way on every run.

#include "TestSupport.h"
#include "app/ContentDirectory.h"
#include "app/GameLoop.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "core/Platform.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <unistd.h>

class PlayDriver
{
public:
    // Sixty frames a second: the man walks 4/3 pixels a frame.
    static constexpr float kFrameTime = 1.0f / 60.0f;
    // Counter ticks per frame handed on as the frame's reading; nothing of
    // the play uses it, but it moves on as the real clock would.
    static constexpr LARGE_INTEGER kTicksPerFrame = 1000;

    // The start-up of main, from the repository's content: find the content
    // folder, start the libraries, open the window, enter the play state.
    // False when the repository cannot be entered.
    static bool StartGame()
    {
        if (chdir(FLATMATES_SOURCE_DIR) != 0)
            return false;
        ContentDirectory::Use();
        GameMain::getInstance()->InitGame();
        GameMain::getInstance()->ChangeState(StateTest::getInstance());
        return true;
    }

    // One pass of the frame loop: poll, update, draw.
    void Frame()
    {
        GameLoop::Step(kFrameTime, m_Now);
        m_Now += kTicksPerFrame;
        ++m_Frames;
    }

    // Queues a key press (SDL_KEYDOWN) or release (SDL_KEYUP) for the next
    // frame to take. False when SDL's queue refuses it.
    static bool Push(Uint8 type, SDLKey sym) { return testsupport::PushKey(type, sym); }

    // Frames played so far.
    int Frames() const { return m_Frames; }

private:
    LARGE_INTEGER m_Now = 0;
    int m_Frames = 0;
};

#endif
