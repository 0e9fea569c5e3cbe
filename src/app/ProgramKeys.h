#ifndef FLATMATES_APP_PROGRAMKEYS_H
#define FLATMATES_APP_PROGRAMKEYS_H

#include <SDL.h>

// Which keys belong to the program rather than to the man, and what each
// does: fullscreen (F11, Alt+Enter), pause (P), sound off and on (M) and
// the volume (- and =, the keypad's - and +). Each press acts once, however
// long the key is held or however often the system repeats it.
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
        kVolumeUp
    };

    // What a key press or release does.
    Action Decide(const SDL_KeyboardEvent& key);
    // The keyboard went to another window: keys let go there are never
    // reported, so none counts as held any more.
    void LetGoAll();

private:
    static Action ActionFor(SDLKey sym);

    // The program's keys held down now, so a held key acts once.
    bool m_Down[SDLK_LAST] = {};
};

#endif
