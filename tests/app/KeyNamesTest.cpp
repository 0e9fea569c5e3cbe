// The keys' names the settings file chooses keys by: SDL 1.2's own, every
// one of them, whichever SDL the game runs on.

#include "app/KeyNames.h"

#include <SDL.h>
#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace
{

TEST(KeyNamesTest, EveryKeyIsNamedAsSdlNamesItAndFoundByThatNameInEitherCase)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO)); // SDL 1.2 knows its names once the video is up
    for (int key = SDLK_FIRST + 1; key < SDLK_LAST; ++key)
    {
        const SDLKey sym = static_cast<SDLKey>(key);
        // sdl12-compat names the semicolon ");", a slip in its table: the
        // name is classic SDL's.
        const std::string sdl = sym == SDLK_SEMICOLON ? ";" : SDL_GetKeyName(sym);
        const bool leftOut = (sym >= SDLK_WORLD_0 && sym <= SDLK_WORLD_95) || sym == SDLK_EURO;
        EXPECT_EQ(leftOut ? "unknown key" : sdl, KeyNames::Name(sym)) << "key " << key;
        if (sdl == "unknown key" || leftOut)
            continue;
        std::string upper = sdl;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        EXPECT_EQ(sym, KeyNames::Find(sdl)) << sdl;
        EXPECT_EQ(sym, KeyNames::Find(upper)) << upper;
    }
    SDL_Quit();
}

} // namespace
