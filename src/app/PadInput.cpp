#include "app/PadInput.h"

#include "core/EventHandler.h"

PadInput::~PadInput()
{
    Close();
}

bool PadInput::Open()
{
    Close();
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return false;
    if (SDL_NumJoysticks() > 0)
        m_pJoystick = SDL_JoystickOpen(0);
    if (m_pJoystick == nullptr)
    {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return false;
    }
    // The pad is read, not listened to: its own events would take the one
    // event a frame that the game's keys need.
    SDL_JoystickEventState(SDL_IGNORE);
    m_Keys = Keys();
    m_StickCentred = false;
    return true;
}

void PadInput::Close()
{
    if (m_pJoystick == nullptr)
        return;
    SDL_JoystickClose(m_pJoystick);
    m_pJoystick = nullptr;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void PadInput::Poll()
{
    if (m_pJoystick == nullptr)
        return;
    SDL_JoystickUpdate();
    Reading reading;
    if (SDL_JoystickNumHats(m_pJoystick) > 0)
        reading.hat = SDL_JoystickGetHat(m_pJoystick, 0);
    if (SDL_JoystickNumAxes(m_pJoystick) > 0)
        reading.stickX = SDL_JoystickGetAxis(m_pJoystick, 0);
    const int buttons = SDL_JoystickNumButtons(m_pJoystick);
    reading.use = buttons > 0 && SDL_JoystickGetButton(m_pJoystick, 0) != 0;
    reading.start = buttons > kStartButton && SDL_JoystickGetButton(m_pJoystick, kStartButton) != 0;
    Feed(reading);
}

void PadInput::Feed(const Reading& reading)
{
    const Keys now = Translate(reading);
    const struct
    {
        bool before;
        bool after;
        SDLKey sym;
    } changes[] = {
        {m_Keys.left, now.left, SDLK_LEFT},
        {m_Keys.right, now.right, SDLK_RIGHT},
        {m_Keys.space, now.space, SDLK_SPACE},
        {m_Keys.p, now.p, SDLK_p},
    };
    // Releases first: a quick turn from left to right must not leave the
    // game seeing both held.
    for (const auto& change : changes)
    {
        if (change.before && !change.after)
            EventHandler::PushKey(false, change.sym);
    }
    for (const auto& change : changes)
    {
        if (!change.before && change.after)
            EventHandler::PushKey(true, change.sym);
    }
    m_Keys = now;
}

PadInput::Keys PadInput::Translate(const Reading& reading)
{
    const int x = reading.stickX;
    const bool resting = x > -kDeadZone && x < kDeadZone;
    if (resting)
        m_StickCentred = true;
    const bool stickLeft = m_StickCentred && x <= -kDeadZone;
    const bool stickRight = m_StickCentred && x >= kDeadZone;

    Keys keys;
    keys.left = (reading.hat & SDL_HAT_LEFT) != 0 || stickLeft;
    keys.right = (reading.hat & SDL_HAT_RIGHT) != 0 || stickRight;
    keys.space = reading.use;
    keys.p = reading.start;
    return keys;
}
