#include "app/HeldArrows.h"

#include "core/EventHandler.h"

void HeldArrows::NoteKey(const SDL_KeyboardEvent& key)
{
    if (key.keysym.sym == SDLK_LEFT)
        m_KeyLeft = key.type == SDL_KEYDOWN;
    else if (key.keysym.sym == SDLK_RIGHT)
        m_KeyRight = key.type == SDL_KEYDOWN;
}

void HeldArrows::NoteHanded(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return;
    if (event.key.keysym.sym == SDLK_LEFT)
        m_GameLeft = event.type == SDL_KEYDOWN;
    else if (event.key.keysym.sym == SDLK_RIGHT)
        m_GameRight = event.type == SDL_KEYDOWN;
}

void HeldArrows::HandBack(bool padLeft, bool padRight) const
{
    const bool left = m_KeyLeft || padLeft;
    const bool right = m_KeyRight || padRight;
    if (!left && m_GameLeft)
        EventHandler::PushKey(false, SDLK_LEFT);
    if (!right && m_GameRight)
        EventHandler::PushKey(false, SDLK_RIGHT);
    if (left && !m_GameLeft)
        EventHandler::PushKey(true, SDLK_LEFT);
    if (right && !m_GameRight)
        EventHandler::PushKey(true, SDLK_RIGHT);
}
