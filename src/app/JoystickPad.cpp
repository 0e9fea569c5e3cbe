#include "app/JoystickPad.h"

#include "core/Platform.h"

JoystickPad::~JoystickPad()
{
    Close();
}

bool JoystickPad::Open()
{
    Close();
    m_Watch = platform::WatchDevices();
    Find();
    return IsOpen();
}

void JoystickPad::Close()
{
    Release();
    platform::StopWatchingDevices(m_Watch);
    m_Watch = -1;
}

void JoystickPad::Release()
{
    if (m_pJoystick != nullptr)
        SDL_JoystickClose(m_pJoystick);
    m_pJoystick = nullptr;
    if (m_SystemStarted)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    m_SystemStarted = false;
}

void JoystickPad::Find()
{
    Release();
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return;
    m_SystemStarted = true;
    if (SDL_NumJoysticks() > 0)
        m_pJoystick = SDL_JoystickOpen(0);
    if (m_pJoystick == nullptr)
    {
        Release();
        return;
    }
    // The pad is read, not listened to: its own events would take the one
    // event a frame that the game's keys need.
    SDL_JoystickEventState(SDL_IGNORE);
}

bool JoystickPad::Read(Reading* reading)
{
    if (platform::DevicesChanged(m_Watch))
        Find();
    if (m_pJoystick == nullptr)
        return false;
    SDL_JoystickUpdate();
    reading->ms = SDL_GetTicks();
    if (SDL_JoystickNumHats(m_pJoystick) > 0)
        reading->hat = SDL_JoystickGetHat(m_pJoystick, 0);
    if (SDL_JoystickNumAxes(m_pJoystick) > 0)
        reading->stickX = SDL_JoystickGetAxis(m_pJoystick, 0);
    const int buttons = SDL_JoystickNumButtons(m_pJoystick);
    reading->use = buttons > 0 && SDL_JoystickGetButton(m_pJoystick, 0) != 0;
    reading->start = buttons > kStartButton && SDL_JoystickGetButton(m_pJoystick, kStartButton) != 0;
    return true;
}
