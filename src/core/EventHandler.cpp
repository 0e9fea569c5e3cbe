#include "core/EventHandler.h"

#include "core/GameMain.h"

#include <cstdlib>
#include <cstring>

EventHandler* EventHandler::m_pInstance = nullptr;

EventHandler* EventHandler::getInstance()
{
    if (m_pInstance == nullptr)
        m_pInstance = new EventHandler();
    return m_pInstance;
}

EventHandler::EventHandler()
{
    Reset();
}

void EventHandler::Reset()
{
    std::memset(&m_Event, 0, sizeof(m_Event));
}

void EventHandler::update()
{
    // When nothing is pending the event of an earlier frame stays.
    SDL_PollEvent(&m_Event);

    if (m_Event.type == SDL_QUIT || (m_Event.type == SDL_KEYDOWN && m_Event.key.keysym.sym == SDLK_ESCAPE))
        std::exit(1);

    GameMain::getInstance()->HandleInput(m_Event.key);
}

SDL_Event* EventHandler::GetEvent()
{
    return &m_Event;
}
