#ifndef FLATMATES_APP_PROGRAMKEYS_H
#define FLATMATES_APP_PROGRAMKEYS_H

#include "audio/SoundControl.h"
#include "app/PadInput.h"
#include "app/Settings.h"

#include <SDL.h>
#include <string>

class TextObject;

// The keys that belong to the program rather than to the man: fullscreen
// (F11, Alt+Enter), pause (P; the window losing focus or being minimised
// pauses until it comes back), sound off and on
// (M) and the volume (- and =, the keypad's - and +), with the pad read into
// keys. The input door hands every new event here first; what is taken here
// the game never sees, and while paused the game's own keys are held back
// too. Each press acts once, however long the key is held. Changes to the
// screen or the sound are kept in the player's settings file. Created on
// first use.
class ProgramKeys
{
public:
    // How long a change of the sound stays on the screen.
    static constexpr float kNoticeSeconds = 2.0f;

    static ProgramKeys* getInstance();
    // Forgets the instance: closes the pad, drops the notices, resumes a
    // paused game. The next getInstance makes a fresh one. For tests.
    static void ResetInstance();

    // Reads the kept settings from path ("" for none), with one line on
    // stderr when they cannot be read; the defaults are used then.
    void LoadSettings(const std::string& path);
    // After the window opened: applies the kept sound, makes the notices and
    // opens the pad. Changes are written to the settings path from now on.
    void Start();

    // One new event, before the game sees it. True when the game must not
    // get it: a key of the program's, a window focus change, or anything
    // else while paused.
    bool Take(const SDL_Event& event);
    // Reads the pad into SDL's event queue; once a frame, before polling.
    void PollPad();
    // Counts the sound notice down by the frame time, paused or not.
    void Update(float dt);
    // Draws the pause line over the room and the sound notice in the top
    // right corner, when they show.
    void Render(SDL_Surface* screen);

    const Settings& GetSettings() const { return m_Settings; }
    const SoundControl& GetSound() const { return m_Sound; }
    PadInput& GetPad() { return m_Pad; }
    // Seconds the sound notice still shows; 0 when it does not.
    float GetNoticeTimeLeft() const { return m_NoticeTimeLeft; }
    const TextObject* GetNotice() const { return m_pNotice; }
    const TextObject* GetPauseLine() const { return m_pPauseLine; }

    ProgramKeys(const ProgramKeys&) = delete;
    ProgramKeys& operator=(const ProgramKeys&) = delete;

private:
    enum Action
    {
        kNone,
        kFullscreen,
        kPause,
        kMute,
        kVolumeDown,
        kVolumeUp
    };

    ProgramKeys() = default;
    ~ProgramKeys();

    static Action ActionFor(SDLKey sym);
    bool TakeKey(const SDL_KeyboardEvent& key);
    void Act(Action action);
    void TogglePause();
    void TakeFocus(const SDL_ActiveEvent& active);
    void SoundChanged();
    void Keep(const Settings& changed);
    void NoteHanded(const SDL_Event& event);
    // Follows the arrows on the keyboard.
    void NoteArrow(const SDL_KeyboardEvent& key);
    void HandBackHeldArrows();

    static ProgramKeys* m_pInstance;

    Settings m_Settings;
    std::string m_SettingsPath;
    bool m_Started = false;
    bool m_SaveFailed = false;
    SoundControl m_Sound{Settings::kVolumeSteps};
    PadInput m_Pad;
    TextObject* m_pPauseLine = nullptr;
    TextObject* m_pNotice = nullptr;
    SDL_Rect m_PauseBox = {0, 0, 0, 0};
    float m_NoticeTimeLeft = 0.0f;
    // The pause is the window's, not the player's: it ends when the focus
    // comes back.
    bool m_PausedByFocus = false;
    // The program's keys held down now, so a held key acts once.
    bool m_Down[SDLK_LAST] = {};
    // The arrows as the keyboard has them, and as the game was last told.
    bool m_KeyLeft = false;
    bool m_KeyRight = false;
    bool m_GameLeft = false;
    bool m_GameRight = false;
};

#endif
