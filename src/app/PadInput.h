#ifndef FLATMATES_APP_PADINPUT_H
#define FLATMATES_APP_PADINPUT_H

#include "app/JoystickPad.h"
#include "app/PadDevice.h"

#include <SDL.h>

// A gamepad, played as the keyboard: the first joystick SDL finds is read
// once a frame, and what changed on it goes into SDL's event queue as the
// key presses and releases the game already knows. The d-pad (a hat) or the
// left stick walks (arrows), the first button uses (space bar), Start
// pauses (P). A pad plugged in during a visit is played from then on; one
// pulled out lets go of all it held. Without a pad nothing happens.
class PadInput
{
public:
    // Left-stick travel, of 32768, that still counts as the middle: a
    // quarter of it.
    static const int kDeadZone = 8192;
    // The stick rests when it stays in the middle this long, moving no more
    // than kRestSpread: a trigger swept through the middle does not.
    static const Uint32 kRestMs = 100;
    static const int kRestSpread = 1500;

    using Reading = PadDevice::Reading;

    // What the pad asks for, as keys held.
    struct Keys
    {
        bool left = false;
        bool right = false;
        bool space = false;
        bool p = false;
    };

    PadInput() = default;
    PadInput(const PadInput&) = delete;
    PadInput& operator=(const PadInput&) = delete;

    // Reads SDL's first joystick from now on, and any plugged in later;
    // true when one is there now.
    bool Open();
    // Reads no pad any more.
    void Close();
    bool IsOpen() const { return m_Joystick.IsOpen(); }
    // Reads this device instead (a test's stand-in pad); null for none.
    void SetDevice(PadDevice* device) { m_pDevice = device; }

    // Reads the pad, if there is one to read, and queues key events for
    // what changed; a pad gone lets go of all it held.
    void Poll();
    // Queues key events for the change from the last reading to this one.
    void Feed(const Reading& reading);
    // Keys held on the pad, as last read.
    const Keys& GetKeys() const { return m_Keys; }

private:
    Keys Translate(const Reading& reading);
    // Whether the first axis counts as a stick after this reading.
    bool FollowAxis(const Reading& reading);

    JoystickPad m_Joystick;
    PadDevice* m_pDevice = nullptr;
    // Whether the last Poll found a pad.
    bool m_Present = false;
    Keys m_Keys;
    // The first axis counts as a stick only while it keeps coming back to
    // rest in the middle between pushes: an axis that rests at one end (a
    // pedal, a trigger) would otherwise walk the man for ever, and one
    // swept from one end to the other passes the middle without resting.
    bool m_AxisIsStick = false;
    // The side (-1 left, 1 right) it was last pushed to since it last
    // rested; 0 when it rested since.
    int m_LastSide = 0;
    // Where and since when it has stayed in the middle, while it does.
    bool m_InMiddle = false;
    int m_RestX = 0;
    Uint32 m_RestSince = 0;
};

#endif
