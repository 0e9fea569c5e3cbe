#ifndef FLATMATES_APP_JOYSTICKPAD_H
#define FLATMATES_APP_JOYSTICKPAD_H

#include "app/PadDevice.h"

// The first joystick SDL finds, found again whenever an input device comes
// or goes. SDL 1.2 looks for joysticks only when its joystick system starts,
// and classic SDL 1.2 never says one was pulled out (its last reading just
// stays), so the system's folder of input devices is watched, and at any
// change there SDL's joysticks are looked for afresh.
class JoystickPad : public PadDevice
{
public:
    // Start on the usual pad layout (A, B, X, Y, LB, RB, Back, Start).
    static const int kStartButton = 7;

    JoystickPad() = default;
    ~JoystickPad() override;
    JoystickPad(const JoystickPad&) = delete;
    JoystickPad& operator=(const JoystickPad&) = delete;

    // Opens the first joystick, if any, and from now on looks again when
    // devices come or go. True when one was found.
    bool Open();
    // Closes it and stops looking.
    void Close();
    bool IsOpen() const { return m_pJoystick != nullptr; }

    bool Read(Reading* reading) override;

private:
    // Starts SDL's joystick system afresh and opens the first joystick.
    void Find();
    void Release();

    SDL_Joystick* m_pJoystick = nullptr;
    bool m_SystemStarted = false;
    int m_Watch = -1;
};

#endif
