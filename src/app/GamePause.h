#ifndef FLATMATES_APP_GAMEPAUSE_H
#define FLATMATES_APP_GAMEPAUSE_H

// Whether the game stands still. While paused no play time passes, nothing
// in the flat moves or counts down, and the music and every sound wait where
// they are. Created on first use.
class GamePause
{
public:
    static GamePause* getInstance();
    // Forgets the instance (it must not be paused); the next getInstance
    // makes a fresh one. For tests, which start every case from scratch.
    static void ResetInstance();

    bool IsPaused() const { return m_Paused; }
    // Each pauses or resumes the sound with the game; asking for the state
    // the game is in already does nothing.
    void Pause();
    void Resume();
    void Toggle();

    // True once for the first frame after a resume: the time since the last
    // frame was spent paused and is no play time. Clears the mark.
    bool TakeResumed();

    GamePause(const GamePause&) = delete;
    GamePause& operator=(const GamePause&) = delete;

private:
    GamePause() = default;

    static GamePause* m_pInstance;

    bool m_Paused = false;
    bool m_Resumed = false;
};

#endif
