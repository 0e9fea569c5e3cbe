// The gamepad, turned into the key events the game already reads.

#include "app/PadInput.h"

#include "StandInPad.h"
#include "TestSupport.h"
#include "core/Platform.h"

#include <SDL.h>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

class PadInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // The event queue comes with the video system.
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
    }
    void TearDown() override
    {
        Taken();
        SDL_Quit();
    }

    // Every event waiting in SDL's queue, as "down left", "up space"...
    static std::vector<std::string> Taken()
    {
        std::vector<std::string> taken;
        SDL_Event event;
        while (SDL_PollEvent(&event))
        {
            if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
                continue;
            EXPECT_EQ(event.type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED, event.key.state);
            taken.push_back(std::string(event.type == SDL_KEYDOWN ? "down " : "up ") +
                            SDL_GetKeyName(event.key.keysym.sym));
        }
        return taken;
    }

    static PadInput::Reading Hat(Uint8 hat)
    {
        PadInput::Reading reading;
        reading.hat = hat;
        return reading;
    }
    // A reading of the stick 16 ms after the last one, as at sixty frames a
    // second.
    PadInput::Reading Stick(int x, Uint32 after = 16)
    {
        PadInput::Reading reading;
        reading.stickX = static_cast<Sint16>(x);
        reading.ms = m_Ms += after;
        return reading;
    }
    // The stick left alone in the middle long enough to rest there: a
    // tenth of a second.
    void Rest() { Rest(m_Pad); }
    void Rest(PadInput& pad)
    {
        for (const Uint32 after : {16, 50, 50})
            pad.Feed(Stick(0, after));
    }

    PadInput m_Pad;
    Uint32 m_Ms = 0;
};

using Keys = std::vector<std::string>;

} // namespace

TEST_F(PadInputTest, WithoutAPadNothingIsQueued)
{
    // The test machines have no joystick; if one has, it is left alone.
    if (m_Pad.Open())
        GTEST_SKIP() << "a joystick is plugged in";
    EXPECT_FALSE(m_Pad.IsOpen());
    m_Pad.Poll();
    EXPECT_EQ(Keys{}, Taken());
}

TEST_F(PadInputTest, TheHatWalksLikeTheArrows)
{
    m_Pad.Feed(Hat(SDL_HAT_LEFT));
    EXPECT_EQ(Keys{"down left"}, Taken());
    m_Pad.Feed(Hat(SDL_HAT_LEFTUP)); // a diagonal is still left
    m_Pad.Feed(Hat(SDL_HAT_LEFT));
    EXPECT_EQ(Keys{}, Taken()) << "held, nothing new";
    // Straight across: the release comes before the press.
    m_Pad.Feed(Hat(SDL_HAT_RIGHT));
    EXPECT_EQ((Keys{"up left", "down right"}), Taken());
    m_Pad.Feed(Hat(SDL_HAT_UP));
    EXPECT_EQ(Keys{"up right"}, Taken());
    m_Pad.Feed(Hat(SDL_HAT_DOWN));
    EXPECT_EQ(Keys{}, Taken());
}

TEST_F(PadInputTest, TheStickWalksOutsideItsDeadZoneOnceItRestsInTheMiddle)
{
    m_Pad.Feed(Stick(-32768));
    EXPECT_EQ(Keys{}, Taken()) << "not before it was seen resting";
    Rest();
    m_Pad.Feed(Stick(-8191));
    m_Pad.Feed(Stick(8191));
    EXPECT_EQ(Keys{}, Taken()) << "within a quarter of its travel it walks nobody";
    m_Pad.Feed(Stick(-8192));
    m_Pad.Feed(Stick(-32768));
    EXPECT_EQ(Keys{"down left"}, Taken());
    // Turning round: back to rest in the middle, then the other way.
    Rest();
    m_Pad.Feed(Stick(32767));
    EXPECT_EQ((Keys{"up left", "down right"}), Taken());
    m_Pad.Feed(Stick(100));
    EXPECT_EQ(Keys{"up right"}, Taken());
    // Hat and stick together are one left.
    Rest();
    m_Pad.Feed(Stick(-20000));
    PadInput::Reading both = Stick(-20000);
    both.hat = SDL_HAT_LEFT;
    m_Pad.Feed(both);
    m_Pad.Feed(Hat(SDL_HAT_LEFT));
    EXPECT_EQ(Keys{"down left"}, Taken());
}

TEST_F(PadInputTest, APadPulledOutLetsGoOfAllItHeldAndOnePluggedInLaterPlays)
{
    StandInPad stand;
    m_Pad.SetDevice(&stand);
    stand.m_Reading.hat = SDL_HAT_LEFT;
    stand.m_Reading.use = true;
    m_Pad.Poll();
    EXPECT_EQ((Keys{"down left", "down space"}), Taken());
    stand.m_There = false;
    m_Pad.Poll();
    m_Pad.Poll();
    EXPECT_EQ((Keys{"up left", "up space"}), Taken());
    EXPECT_FALSE(m_Pad.GetKeys().left || m_Pad.GetKeys().space) << "nothing to hand back after a pause";
    // The next one plays at once; its first axis, a trigger held down,
    // walks nobody, however long the last pad's stick rested.
    stand.m_There = true;
    stand.m_Reading = PadInput::Reading();
    for (int frame = 0; frame < 20; ++frame)
        m_Pad.Poll();
    stand.m_There = false;
    m_Pad.Poll();
    stand.m_There = true;
    stand.m_Reading = Stick(-32768);
    stand.m_Reading.hat = SDL_HAT_RIGHT;
    m_Pad.Poll();
    EXPECT_EQ(Keys{"down right"}, Taken());
}

TEST(DeviceWatchTest, ADeviceComingOrGoingIsSeenOnceWithoutWaiting)
{
    const std::string folder = testsupport::MakeTempFolder();
    const int watch = platform::WatchDevices(folder.c_str());
    ASSERT_GE(watch, 0);
    EXPECT_FALSE(platform::DevicesChanged(watch)) << "nothing yet";
    std::ofstream(folder + "/js0") << "";
    EXPECT_TRUE(platform::DevicesChanged(watch));
    EXPECT_FALSE(platform::DevicesChanged(watch)) << "told once";
    ASSERT_EQ(0, std::remove((folder + "/js0").c_str()));
    EXPECT_TRUE(platform::DevicesChanged(watch));
    platform::StopWatchingDevices(watch);
    rmdir(folder.c_str());
    EXPECT_EQ(-1, platform::WatchDevices((folder + "/none").c_str()));
    EXPECT_FALSE(platform::DevicesChanged(-1));
}

TEST_F(PadInputTest, AnAxisThatDoesNotKeepComingBackToRestInTheMiddleWalksNobody)
{
    // A trigger or pedal on the first axis rests at one end and is swept
    // through the middle to the other, slowly or fast; a stick flicked
    // straight across does not rest either.
    std::vector<int> slowSweep;
    for (int x = -32768; x < 32767; x += 1000)
        slowSweep.push_back(x);
    for (int x = 32767; x > -32768; x -= 1000)
        slowSweep.push_back(x);
    const struct
    {
        const char* what;
        bool restFirst;
        std::vector<int> readings;
        Uint32 apart;
    } cases[] = {
        {"a trigger pressed and let go", false, {-32768, -20000, 0, 20000, 32767, 0, -32768}, 100},
        {"the same, fast", false, {-32768, -20000, 0, 20000, 32767, 0, -32768}, 16},
        {"the same, slowly", false, slowSweep, 16},
        {"a trigger held still half-way, then pressed and let go", true, {32767, 0, -32768}, 16},
        {"a stick flicked across", true, {-32768, 32767}, 16},
        {"a stick pushed after resting 99 ms", false, {0, 0, 0, 0, -32768}, 33},
    };
    for (const auto& c : cases)
    {
        PadInput pad;
        if (c.restFirst)
            Rest(pad);
        for (int x : c.readings)
            pad.Feed(Stick(x, c.apart));
        EXPECT_FALSE(pad.GetKeys().left || pad.GetKeys().right) << c.what;
        Taken();
    }
    // The hat still walks.
    PadInput::Reading reading = Stick(-32768);
    reading.hat = SDL_HAT_RIGHT;
    m_Pad.Feed(reading);
    EXPECT_EQ(Keys{"down right"}, Taken());
}

TEST_F(PadInputTest, TheButtonsPressAndReleaseSpaceAndP)
{
    PadInput::Reading reading;
    reading.use = true;
    m_Pad.Feed(reading);
    m_Pad.Feed(reading);
    EXPECT_EQ(Keys{"down space"}, Taken());
    reading.use = false;
    m_Pad.Feed(reading);
    EXPECT_EQ(Keys{"up space"}, Taken()) << "a use is a press and a release, like the space bar";

    reading.start = true;
    m_Pad.Feed(reading);
    reading.start = false;
    m_Pad.Feed(reading);
    EXPECT_EQ((Keys{"down p", "up p"}), Taken());
    EXPECT_FALSE(m_Pad.GetKeys().p);
}
