#include "core/EventHandler.h"

#include "core/GameMain.h"
#include "core/InputFilter.h"

#include <cstdlib>
#include <cstring>

namespace
{

// What a key pushed by the program carries as its character: U+FFFF, which
// Unicode keeps as never a character, so no keyboard reports it, on the
// desktop or in the browser (whose SDLs share no other field for it).
const Uint16 kPushedMark = 0xFFFF;

} // namespace

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
    m_pFilter = nullptr;
}

void EventHandler::update()
{
    if (m_pFilter != nullptr)
        m_pFilter->BeforePoll();

    // When nothing is pending the event of an earlier frame stays.
    SDL_Event event;
    if (SDL_PollEvent(&event))
    {
        if (event.type == SDL_QUIT || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE))
            std::exit(1);
        // The program's own keys are decided here, once per new event; the
        // game does not see them and gets its last event again instead. A
        // key the filter rewrote is kept as rewritten.
        if (m_pFilter == nullptr || !m_pFilter->Take(event))
            m_Event = event;
    }

    GameMain::getInstance()->HandleInput(m_Event.key);
}

void EventHandler::PushKey(bool pressed, SDLKey sym)
{
    SDL_Event event{};
    event.type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    event.key.keysym.unicode = kPushedMark;
    SDL_PushEvent(&event);
}

bool EventHandler::IsPushed(const SDL_KeyboardEvent& key)
{
    return key.keysym.unicode == kPushedMark;
}

SDL_Event* EventHandler::GetEvent()
{
    return &m_Event;
}
