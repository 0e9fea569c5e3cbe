#ifndef FLATMATES_APP_PROGRAMKEYS_H
#define FLATMATES_APP_PROGRAMKEYS_H

#include <SDL.h>
#include <string>
#include <utility>
#include <vector>

class Settings;

// Which keys belong to the program rather than to the man, and what each
// does: fullscreen (F11, Alt+Enter), pause (P), sound off and on (M), the
// volume (- and =, the keypad's - and +), speech (T), where he stands (W)
// and the last line again (L). Each press acts
// once, however long the key is held or however often the system repeats
// it. The player may give any action, his own walking and using too, a key
// of his choice in the settings file; a chosen key is made the action's
// default key before anything else looks at it.
class ProgramKeys
{
public:
    enum class Action
    {
        kGame,    // not the program's: the game's key
        kNothing, // the program's, with nothing to do now (a release, a repeat)
        kFullscreen,
        kPause,
        kMute,
        kVolumeDown,
        kVolumeUp,
        kSpeech,
        kWhere,
        kRepeat
    };

    // The actions a key can be chosen for, as the settings file names them
    // ("key.left=a"): left, right, use, pause, mute, volume_down,
    // volume_up, fullscreen, speech, where, repeat.
    static const int kChoosable = 11;
    static const char* ChoosableName(int choosable);
    // The action of that name, or -1 when there is none.
    static int ChoosableNamed(const std::string& name);

    // Gives each action the key the settings choose for it, found by its
    // SDL 1.2 name (KeyNames), the same in every build. A name that is no
    // key, Escape, or a key that another action keeps (chosen for it, or
    // one of its default keys while it has no chosen one) is refused and
    // the action keeps its default keys. Returns one line for each refused
    // choice, saying where it is in the file and why.
    std::vector<std::string> Choose(const Settings& settings);
    // A key from the keyboard as the game knows it: a chosen key becomes
    // its action's default key, and a default key its action gave up
    // becomes SDLK_UNKNOWN, which nothing acts on. Other keys stay.
    SDLKey AsDefault(SDLKey sym) const;
    // The key that does it now, to be said aloud: the SDL 1.2 name of a
    // chosen key, else the default key's name.
    const char* KeyName(int choosable) const;

    // What a key press or release does.
    Action Decide(const SDL_KeyboardEvent& key);
    // The keyboard went to another window: keys let go there are never
    // reported, so none counts as held any more.
    void LetGoAll();

private:
    static Action ActionFor(SDLKey sym);
    // What the keyboard's keys become, from the key given to each action
    // (SDLK_UNKNOWN where none was).
    void MakeDefault(const SDLKey chosen[kChoosable]);

    // The program's keys held down now, so a held key acts once.
    bool m_Down[SDLK_LAST] = {};
    // The keyboard's keys the player's choices change, and what each becomes.
    std::vector<std::pair<SDLKey, SDLKey>> m_AsDefault;
};

#endif
