#ifndef FLATMATES_APP_KEYNAMES_H
#define FLATMATES_APP_KEYNAMES_H

#include <SDL.h>
#include <string>

// The keys' names, as the settings file chooses keys by them
// ("key.use=return") and the start's spoken line says them: the names SDL
// 1.2 gives its keys ("a", "space", "left shift", "page down", "[+]",
// "enter", "f1"), kept here so that a choice means the same key wherever the
// game runs, the browser's SDL naming none. Left out are the keys of foreign
// layouts SDL 1.2 numbers "world 0" to "world 95", and "euro".
class KeyNames
{
public:
    // The key of that name, in upper or lower case; SDLK_UNKNOWN for none.
    static SDLKey Find(const std::string& name);
    // The key's name, or "unknown key" for one without.
    static const char* Name(SDLKey sym);
};

#endif
