// Shared main of the test programs: every test runs headless on SDL's dummy
// video and audio drivers, and in English, whatever the machine has.

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The game's own words, as the goldens hold them; a test of another
    // language chooses it itself.
    setenv("LANGUAGE", "", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests fork; "threadsafe" re-runs the test binary, which is safe
    // with SDL's threads (the mixer's audio thread among them).
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
