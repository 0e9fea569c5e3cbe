#include "app/PadInput.h"

#include "core/EventHandler.h"

#include <cstdlib>

bool PadInput::Open()
{
    m_pDevice = &m_Joystick;
    return m_Joystick.Open();
}

void PadInput::Close()
{
    m_Joystick.Close();
    m_pDevice = nullptr;
}

void PadInput::Poll()
{
    if (m_pDevice == nullptr)
        return;
    Reading reading;
    if (m_pDevice->Read(&reading))
    {
        m_Present = true;
        Feed(reading);
        return;
    }
    if (!m_Present)
        return;
    // Gone: what it held is let go, and the next pad's stick is watched
    // from the start, as any new pad's.
    m_Present = false;
    Reading letGo;
    letGo.ms = SDL_GetTicks();
    Feed(letGo);
    m_AxisIsStick = false;
    m_LastSide = 0;
    m_InMiddle = false;
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
