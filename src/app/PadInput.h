#ifndef FLATMATES_APP_PADINPUT_H
#define FLATMATES_APP_PADINPUT_H

#include <SDL.h>

// A gamepad, played as the keyboard: the first joystick SDL finds is read
// once a frame, and what changed on it goes into SDL's event queue as the
// key presses and releases the game already knows. The d-pad (a hat) or the
// left stick walks (arrows), the first button uses (space bar), Start
// pauses (P). Without a pad nothing happens.
class PadInput
{
public:
    // Left-stick travel, of 32767, that still counts as resting.
    static const int kDeadZone = 8000;
    // Start on the usual pad layout (A, B, X, Y, LB, RB, Back, Start).
    static const int kStartButton = 7;

    // One reading of the pad.
    struct Reading
    {
        Uint8 hat = SDL_HAT_CENTERED;
        Sint16 stickX = 0;
        bool use = false;
        bool start = false;
    };

    // What the pad asks for, as keys held.
    struct Keys
    {
        bool left = false;
        bool right = false;
        bool space = false;
        bool p = false;
    };

    PadInput() = default;
    ~PadInput();
    PadInput(const PadInput&) = delete;
    PadInput& operator=(const PadInput&) = delete;

    // Opens the first joystick, if any; true when one was found.
    bool Open();
    void Close();
    bool IsOpen() const { return m_pJoystick != nullptr; }

    // Reads the pad, if one is open, and queues key events for what changed.
    void Poll();
    // Queues key events for the change from the last reading to this one.
    void Feed(const Reading& reading);
    // Keys held on the pad, as last read.
    const Keys& GetKeys() const { return m_Keys; }

private:
    Keys Translate(const Reading& reading);

    SDL_Joystick* m_pJoystick = nullptr;
    Keys m_Keys;
    // The stick counts once it has been seen resting in the middle: an axis
    // that rests at one end (a pedal, a trigger) would otherwise walk the
    // man for ever.
    bool m_StickCentred = false;
};

#endif
