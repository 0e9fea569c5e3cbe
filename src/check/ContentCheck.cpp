#include "check/ContentCheck.h"

#include "check/AnimationCheck.h"
#include "check/FileCheck.h"
#include "check/ObjectFileCheck.h"
#include "check/RoomWalk.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

CheckReport ContentCheck::Run()
{
    CheckReport report;
    SDL_Init(SDL_INIT_AUDIO);
    TTF_Init();
    // The game's own audio settings: sounds are converted to them on loading.
    const bool audioOpen = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) == 0;

    FileCheck files;
    files.Run(audioOpen, &report);
    ObjectFileCheck objects;
    objects.Run(&report);
    RoomWalk walk;
    walk.Run(objects, &report);
    AnimationCheck animations;
    animations.Run(objects, &report);
    ObjectFileCheck::EmptyRegistry();

    if (audioOpen)
        Mix_CloseAudio();
    TTF_Quit();
    SDL_Quit();
    return report;
}
