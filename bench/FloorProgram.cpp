// The floor as a program of its own: the start-up any game of this kind
// needs (SDL, the audio device, the font library with one font, the video
// mode), then frames that clear, blit one picture and flip, until closed.

#include "BenchSupport.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main()
{
    if (chdir(FLATMATES_SOURCE_DIR) != 0)
        return 2;
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096);
    TTF_Init();
    TTF_Font* font = TTF_OpenFont("assets/fonts/arial.ttf", 24);
    SDL_Surface* screen = SDL_SetVideoMode(1024, 768, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (screen == nullptr || font == nullptr)
    {
        std::fprintf(stderr, "floor: cannot start: %s\n", SDL_GetError());
        return 2;
    }
    bench::Floor floor(screen);
    for (;;)
    {
        // Ends like the game when asked to close (SDL turns SIGTERM into this).
        SDL_Event event;
        while (SDL_PollEvent(&event))
        {
            if (event.type == SDL_QUIT)
                return 1;
        }
        floor.Frame();
    }
}
