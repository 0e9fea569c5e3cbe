#include "app/PadInput.h"

#include "core/EventHandler.h"

#include <cstdlib>

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
    m_AxisIsStick = false;
    m_LastSide = 0;
    m_InMiddle = false;
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
    reading.ms = SDL_GetTicks();
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

bool PadInput::FollowAxis(const Reading& reading)
{
    const int x = reading.stickX;
    const int side = x <= -kDeadZone ? -1 : (x >= kDeadZone ? 1 : 0);
    if (side != 0)
    {
        // From one side to the other without a rest between: a sweep.
        if (m_LastSide == -side)
            m_AxisIsStick = false;
        m_LastSide = side;
        m_InMiddle = false;
        return m_AxisIsStick;
    }
    if (!m_InMiddle || std::abs(x - m_RestX) > kRestSpread)
    {
        m_InMiddle = true;
        m_RestX = x;
        m_RestSince = reading.ms;
    }
    else if (reading.ms - m_RestSince >= kRestMs)
    {
        m_AxisIsStick = true;
        m_LastSide = 0;
    }
    return m_AxisIsStick;
}

PadInput::Keys PadInput::Translate(const Reading& reading)
{
    const bool stick = FollowAxis(reading);
    const bool stickLeft = stick && reading.stickX <= -kDeadZone;
    const bool stickRight = stick && reading.stickX >= kDeadZone;

    Keys keys;
    keys.left = (reading.hat & SDL_HAT_LEFT) != 0 || stickLeft;
    keys.right = (reading.hat & SDL_HAT_RIGHT) != 0 || stickRight;
    keys.space = reading.use;
    keys.p = reading.start;
    return keys;
}
