#include "app/FrameCap.h"

#include <gtest/gtest.h>

TEST(FrameCap, TheCommandLineWinsOverTheEnvironmentWhoseNonsenseIsReported)
{
    EXPECT_EQ(0, FrameCap::RequestedRate(0, nullptr, nullptr));
    EXPECT_EQ(0, FrameCap::RequestedRate(0, "", nullptr));
    EXPECT_EQ(30, FrameCap::RequestedRate(30, "60", nullptr));
    EXPECT_EQ(45, FrameCap::RequestedRate(0, "45", nullptr));
    EXPECT_EQ(0, FrameCap(0).GetRate());
    for (const char* bad : {"0", "201", "-5", "60fps", "1e2", "99999999999999999999", "sixty"})
    {
        std::string error;
        EXPECT_EQ(0, FrameCap::RequestedRate(0, bad, &error)) << bad;
        EXPECT_NE(std::string::npos, error.find("uncapped")) << bad;
    }
}

TEST(FrameCap, ACapSleepsOutTheFrameBudget)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_TIMER));
    FrameCap cap(100);
    const Uint32 start = SDL_GetTicks();
    for (int frame = 0; frame < 10; ++frame)
        cap.Wait();
    // Ten frames at 100 per second take about 100 ms; only a lower bound is
    // safe to check on a busy machine.
    EXPECT_GE(SDL_GetTicks() - start, 80u);
    SDL_Quit();
}
