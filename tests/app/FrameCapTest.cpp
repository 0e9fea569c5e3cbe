#include "app/FrameCap.h"

#include <gtest/gtest.h>

namespace
{

int Rate(std::vector<const char*> args, const char* environment, std::string* error = nullptr)
{
    args.insert(args.begin(), "flatmates");
    return FrameCap::RequestedRate(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                                   environment, error);
}

} // namespace

TEST(FrameCap, UncappedUnlessAskedFor)
{
    EXPECT_EQ(0, Rate({}, nullptr));
    EXPECT_EQ(0, Rate({"--fullscreen"}, ""));
    EXPECT_EQ(0, FrameCap(0).GetRate());
}

TEST(FrameCap, TheCommandLineWinsOverTheEnvironment)
{
    EXPECT_EQ(60, Rate({"--max-fps", "60"}, nullptr));
    EXPECT_EQ(30, Rate({"--max-fps=30"}, "60"));
    EXPECT_EQ(45, Rate({}, "45"));
    EXPECT_EQ(1, Rate({}, "1"));
    EXPECT_EQ(200, Rate({}, "200"));
}

TEST(FrameCap, NonsenseIsReportedAndRunsUncapped)
{
    for (const char* bad : {"0", "201", "-5", "60fps", "1e2", "99999999999999999999", "sixty"})
    {
        std::string error;
        EXPECT_EQ(0, Rate({"--max-fps", bad}, "60", &error)) << bad;
        EXPECT_NE(std::string::npos, error.find("uncapped")) << bad;
    }
    std::string error;
    EXPECT_EQ(0, Rate({"--max-fps"}, nullptr, &error));
    EXPECT_NE(std::string::npos, error.find("needs a number"));
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
