#include "app/ProgramKeys.h"

#include <algorithm>
#include <iterator>

namespace
{

bool IsEnter(SDLKey sym)
{
    return sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
}

} // namespace

ProgramKeys::Action ProgramKeys::ActionFor(SDLKey sym)
{
    switch (sym)
    {
    case SDLK_F11:
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return Action::kFullscreen;
    case SDLK_p:
        return Action::kPause;
    case SDLK_m:
        return Action::kMute;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        return Action::kVolumeDown;
    case SDLK_EQUALS:
    case SDLK_PLUS:
    case SDLK_KP_PLUS:
        return Action::kVolumeUp;
    default:
        return Action::kGame;
    }
}

ProgramKeys::Action ProgramKeys::Decide(const SDL_KeyboardEvent& key)
{
    const SDLKey sym = key.keysym.sym;
    const Action action = ActionFor(sym);
    if (action == Action::kGame || sym < 0 || sym >= SDLK_LAST)
        return Action::kGame;
    if (key.type == SDL_KEYUP)
    {
        // Enter is the program's only when pressed with Alt.
        const bool taken = !IsEnter(sym) || m_Down[sym];
        m_Down[sym] = false;
        return taken ? Action::kNothing : Action::kGame;
    }
    if (IsEnter(sym) && (key.keysym.mod & KMOD_ALT) == 0)
        return Action::kGame;
    if (m_Down[sym])
        return Action::kNothing;
    m_Down[sym] = true;
    return action;
}

void ProgramKeys::LetGoAll()
{
    std::fill(std::begin(m_Down), std::end(m_Down), false);
}
