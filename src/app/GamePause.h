#ifndef FLATMATES_APP_GAMEPAUSE_H
#define FLATMATES_APP_GAMEPAUSE_H

// Whether the game stands still, and why. While paused no play time passes,
// nothing in the flat moves or counts down, and the music and every sound
// wait where they are. The player pauses and resumes with a key; the window
// losing the keyboard or being minimised pauses until it comes back, but a
// pause the player asked for waits for him.
class GamePause
{
public:
    GamePause() = default;
    // A paused game is resumed, so that nothing is left waiting.
    ~GamePause();
    GamePause(const GamePause&) = delete;
    GamePause& operator=(const GamePause&) = delete;

    bool IsPaused() const;
    // The player's key. Returns true when it resumed the game.
    bool Toggle();
    // The window lost the keyboard or was minimised.
    void FocusLost();
    // The window is back. Returns true when that resumed the game.
    bool FocusBack();

private:
    void Pause();
    void Resume();

    // The pause is the window's, not the player's: it ends when the focus
    // comes back.
    bool m_ByFocus = false;
};

#endif
