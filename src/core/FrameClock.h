#ifndef FLATMATES_CORE_FRAMECLOCK_H
#define FLATMATES_CORE_FRAMECLOCK_H

#include "core/Platform.h"

// The frame loop's clock: seconds since the clock was started, as 32-bit
// floats, and the frame time as the difference of two such readings, so that
// the frame times of a whole run add up to the wall-clock time since Start.
class FrameClock
{
public:
    // Reads the counter's rate and the start count.
    void Start();
    // Starts from given values instead of the counter (tests, replays).
    void Start(LARGE_INTEGER frequency, LARGE_INTEGER startCount);

    // One frame: the previous time becomes the old one, the counter is read
    // and the new time computed. Returns the frame time in seconds.
    float Tick();
    // As Tick, with the counter reading given.
    float Tick(LARGE_INTEGER now);

    // Seconds since Start, rounded to float, for a counter reading.
    float SecondsAt(LARGE_INTEGER now) const;

    float GetCurTime() const { return m_CurTime; }
    float GetPrevTime() const { return m_PrevTime; }
    float GetDt() const { return m_Dt; }
    LARGE_INTEGER GetNow() const { return m_Now; }

private:
    LARGE_INTEGER m_Frequency = 1;
    LARGE_INTEGER m_StartCount = 0;
    LARGE_INTEGER m_Now = 0;
    float m_CurTime = 0.0f;
    float m_PrevTime = 0.0f;
    float m_Dt = 0.0f;
};

#endif
