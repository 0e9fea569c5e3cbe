#ifndef FLATMATES_TESTS_TESTSUPPORT_H
#define FLATMATES_TESTS_TESTSUPPORT_H

// Small helpers shared by the test programs.

#include "gfx/Sprite.h"

#include <SDL.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace testsupport
{

// Makes the repository the working directory, so "assets/..." is found.
inline void UseRepositoryContent()
{
    if (chdir(FLATMATES_SOURCE_DIR) != 0)
        std::abort();
}

// A fresh empty folder under /tmp.
inline std::string MakeTempFolder()
{
    char pattern[] = "/tmp/flatmates-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    return made != nullptr ? made : "";
}

// Writes a w by h picture of one colour as a BMP, which the sprite loader
// reads like a PNG; returns its path.
inline std::string WriteSolidPicture(const std::string& folder, const char* name, int w, int h, Uint8 r,
                                     Uint8 g, Uint8 b)
{
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, r, g, b));
    const std::string path = folder + "/" + name;
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
    return path;
}

// Queues a key press (SDL_KEYDOWN) or release (SDL_KEYUP) for the game's
// next frame to take. False when SDL's queue refuses it.
inline bool PushKey(Uint8 type, SDLKey sym)
{
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    return SDL_PushEvent(&event) == 0;
}

// The colour at (x, y) of a 32-bit surface, as 0xRRGGBB.
inline Uint32 PixelAt(SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    const Uint32 raw = static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
    SDL_UnlockSurface(surface);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(raw, surface->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

// True when the sprite holds the same pixels as a fresh load of path.
inline bool ShowsPicture(const Sprite* sprite, const char* path)
{
    Sprite reference;
    reference.LoadImg(path);
    SDL_Surface* a = sprite->GetImage();
    SDL_Surface* b = reference.GetImage();
    if (a == nullptr || b == nullptr || a->w != b->w || a->h != b->h || a->pitch != b->pitch)
        return false;
    SDL_LockSurface(a);
    SDL_LockSurface(b);
    const bool same = std::memcmp(a->pixels, b->pixels, size_t(a->pitch) * a->h) == 0;
    SDL_UnlockSurface(b);
    SDL_UnlockSurface(a);
    return same;
}

} // namespace testsupport

#endif
