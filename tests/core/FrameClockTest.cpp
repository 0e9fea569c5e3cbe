#include "core/FrameClock.h"

#include <gtest/gtest.h>

TEST(FrameClock, CounterRunsForwardAtAPositiveRate)
{
    LARGE_INTEGER frequency = 0;
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    EXPECT_GT(frequency, 0);

    LARGE_INTEGER previous = 0;
    QueryPerformanceCounter(&previous);
    for (int i = 0; i < 1000; ++i)
    {
        LARGE_INTEGER now = 0;
        QueryPerformanceCounter(&now);
        ASSERT_GE(now, previous);
        previous = now;
    }
}

TEST(FrameClock, FirstFrameTimeIsTheTimeSinceTheStart)
{
    FrameClock clock;
    clock.Start(1000, 5000);
    const float dt = clock.Tick(5016);
    EXPECT_FLOAT_EQ(0.016f, clock.GetCurTime());
    EXPECT_EQ(clock.GetCurTime(), dt);
    EXPECT_EQ(0.0f, clock.GetPrevTime());
    EXPECT_EQ(5016, clock.GetNow());
}

TEST(FrameClock, TimeIsTheTickDifferenceDividedInDoubleThenRounded)
{
    // Counts this large lose their last bits as floats; the difference must
    // be taken in 64 bits first or one tick vanishes.
    const LARGE_INTEGER start = (LARGE_INTEGER(1) << 62) + 7;
    FrameClock clock;
    clock.Start(3, start);
    clock.Tick(start + 1);
    EXPECT_EQ(static_cast<float>(1.0 / 3.0), clock.GetCurTime());

    // The quotient is rounded once: 1/3 of a day in ticks of 1 ns.
    FrameClock fine;
    fine.Start(1000000000, 0);
    fine.Tick(28800000000000LL);
    EXPECT_EQ(static_cast<float>(28800000000000.0 / 1e9), fine.GetCurTime());
}

TEST(FrameClock, FrameTimesAddUpToTheTimeSinceTheStart)
{
    FrameClock clock;
    clock.Start(1000000, 0);
    float sum = 0.0f;
    LARGE_INTEGER now = 0;
    for (int frame = 0; frame < 600; ++frame)
    {
        now += 16667;
        sum += clock.Tick(now);
        EXPECT_EQ(clock.GetCurTime() - clock.GetPrevTime(), clock.GetDt());
    }
    EXPECT_NEAR(clock.SecondsAt(now), sum, 1e-3);
    EXPECT_NEAR(10.0002, clock.GetCurTime(), 1e-4);
}
