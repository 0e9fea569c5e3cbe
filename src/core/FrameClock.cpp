#include "core/FrameClock.h"

void FrameClock::Start()
{
    LARGE_INTEGER frequency = 1;
    LARGE_INTEGER startCount = 0;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&startCount);
    Start(frequency, startCount);
}

void FrameClock::Start(LARGE_INTEGER frequency, LARGE_INTEGER startCount)
{
    m_Frequency = frequency;
    m_StartCount = startCount;
    m_Now = startCount;
    m_CurTime = 0.0f;
    m_PrevTime = 0.0f;
    m_Dt = 0.0f;
}

float FrameClock::Tick()
{
    LARGE_INTEGER now = 0;
    QueryPerformanceCounter(&now);
    return Tick(now);
}

float FrameClock::Tick(LARGE_INTEGER now)
{
    m_PrevTime = m_CurTime;
    m_Now = now;
    m_CurTime = SecondsAt(now);
    m_Dt = m_CurTime - m_PrevTime;
    return m_Dt;
}

float FrameClock::SecondsAt(LARGE_INTEGER now) const
{
    // The tick difference stays exact in 64 bits; the quotient is taken in
    // double and only then rounded, so long runs keep sub-millisecond frames.
    const double ticks = static_cast<double>(now - m_StartCount);
    return static_cast<float>(ticks / static_cast<double>(m_Frequency));
}
