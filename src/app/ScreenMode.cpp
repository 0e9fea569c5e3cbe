#include "app/ScreenMode.h"

#include "core/GameMain.h"
#include "core/Words.h"

#include <cstdio>
#include <cstdlib>

bool ScreenMode::IsFullscreen(const SDL_Surface* screen)
{
    return screen != nullptr && (screen->flags & SDL_FULLSCREEN) != 0;
}

bool ScreenMode::Toggle()
{
    GameMain* game = GameMain::getInstance();
    SDL_Surface* screen = game->getSurface();
    if (screen == nullptr)
        return false;
    const bool wanted = !IsFullscreen(screen);

    // Classic SDL on X11 switches the open window in place; other drivers
    // refuse, and the mode is set again instead.
    if (SDL_WM_ToggleFullScreen(screen) == 0 || IsFullscreen(SDL_GetVideoSurface()) != wanted)
    {
        SDL_Surface* reopened = SDL_SetVideoMode(GameMain::kScreenWidth, GameMain::kScreenHeight,
                                                 GameMain::kScreenBpp, GameMain::ScreenFlags(wanted));
        if (reopened == nullptr)
        {
            std::fprintf(stderr, "flatmates: %s\n",
                         Words::Fill(wanted ? _("cannot switch to fullscreen: %s")
                                            : _("cannot switch to a window: %s"),
                                     SDL_GetError())
                             .c_str());
            reopened = SDL_SetVideoMode(GameMain::kScreenWidth, GameMain::kScreenHeight, GameMain::kScreenBpp,
                                        GameMain::ScreenFlags(!wanted));
        }
        if (reopened == nullptr)
        {
            std::fprintf(stderr, "flatmates: %s\n",
                         Words::Fill(_("the screen is lost: %s"), SDL_GetError()).c_str());
            std::exit(1);
        }
    }
    screen = SDL_GetVideoSurface();
    game->SetSurface(screen);
    // Only the room's rows are drawn every frame; the rest must start black,
    // as the screen's format spells black: a plain 0 clears nothing where
    // the screen keeps an alpha channel.
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    return IsFullscreen(screen);
}
