#ifndef FLATMATES_APP_PROGRAM_H
#define FLATMATES_APP_PROGRAM_H

#include "app/GamePause.h"
#include "app/HeldArrows.h"
#include "app/PadInput.h"
#include "app/ProgramKeys.h"
#include "app/ProgramOverlay.h"
#include "app/SettingsKeeper.h"
#include "app/Speech.h"
#include "audio/SoundControl.h"
#include "core/InputFilter.h"

#include <string>

// The program around the game, at the game's input door: it reads the pad
// into keys, takes the program's own keys and the window's focus changes
// before the game sees them, holds everything back while paused, and acts:
// pause, fullscreen, sound, speech. Changes to the screen or the sound are
// kept in the player's settings file and the sound's shown in a notice; with
// speech on, all that is said too, with what the game shows. Created on
// first use.
class Program : public InputFilter
{
public:
    static Program* getInstance();
    // Forgets the instance: unplugs it from the game, resumes a paused game,
    // closes the pad. The next getInstance makes a fresh one. For tests.
    static void ResetInstance();

    // Reads the kept settings from path ("" for none).
    void LoadSettings(const std::string& path);
    // Plugs the program into the game: the filter at the input door and the
    // overlay over the picture.
    void Attach();
    // After the window opened: attaches, applies the kept sound, makes the
    // overlay's texts and opens the pad. Changes are kept from now on.
    // speech: on for this run, whatever the settings keep.
    void Start(bool speech = false);
    // One short line naming the room he stands in and the keys, once the
    // play state has entered its room.
    void SayStart();

    void BeforePoll() override;
    // A key from the keyboard is first made the game's own key for the
    // action the player chose it for; then the program takes what is its own.
    bool Take(SDL_Event& event) override;
    // Counts the notice down by the frame time, paused or not.
    void Update(float dt);

    bool IsPaused() const { return m_Pause.IsPaused(); }
    const Settings& GetSettings() const { return m_Settings.Get(); }
    const SoundControl& GetSound() const { return m_Sound; }
    PadInput& GetPad() { return m_Pad; }
    Speech& GetSpeech() { return m_Speech; }
    // Where speech is heard: the entry gives the voice of its platform.
    void SetVoice(SpeechVoice* voice) { m_Speech.SetVoice(voice); }
    const ProgramOverlay& GetOverlay() const { return m_Overlay; }

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

private:
    Program() = default;
    ~Program() override;

    void Act(ProgramKeys::Action action);
    // The end of the visit, said as the program leaves (at exit).
    static void SayGoodbye();
    void TakeFocus(const SDL_ActiveEvent& active);
    void ToggleSpeech();
    void SoundChanged();
    // The arrows' presses and releases in the pause were held back; the
    // game learns how they are now.
    void HandBackArrows();

    static Program* m_pInstance;

    SettingsKeeper m_Settings;
    SoundControl m_Sound{Settings::kVolumeSteps};
    PadInput m_Pad;
    ProgramKeys m_Keys;
    HeldArrows m_Arrows;
    GamePause m_Pause;
    ProgramOverlay m_Overlay;
    Speech m_Speech;
    // Made in place when asked for, so a press allocates nothing.
    char m_WhereLine[Speech::kLineLength] = {};
};

#endif
