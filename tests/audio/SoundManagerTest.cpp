#include "audio/SoundManager.h"

#include "GameTest.h"
#include "LockstepMixer.h"
#include "SoundLog.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

// The file each sound id must play, as the household objects and the man
// expect them.
const char* const kExpectedFiles[] = {
    "assets/sounds/footsteps.wav", "assets/sounds/clock.wav",  "assets/sounds/drink.wav",
    "assets/sounds/lamp.wav",      "assets/sounds/pills.wav",  "assets/sounds/sink.wav",
    "assets/sounds/tv_off.wav",    "assets/sounds/unplug.wav", "assets/sounds/toaster.wav",
    "assets/sounds/bump.wav",
};

// The music lasts a little over a minute.
const double kLongerThanTheMusic = 80.0;

class SoundManagerTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        // The sound table names its files relative to the game's folder.
        ASSERT_EQ(0, chdir(FLATMATES_SOURCE_DIR));
        ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO));
        m_pSounds = SoundManager::getInstance();
    }

    SoundManager* m_pSounds = nullptr;
    SoundLog m_Log;
    std::vector<std::string>& m_Lines = m_Log.m_Lines;
};

bool SameSamples(const Mix_Chunk* a, const Mix_Chunk* b)
{
    return a != nullptr && b != nullptr && a->alen == b->alen && std::memcmp(a->abuf, b->abuf, a->alen) == 0;
}

} // namespace

TEST_F(SoundManagerTest, BeforeInitNothingPlaysAndNothingBreaks)
{
    EXPECT_EQ(0u, m_pSounds->GetSoundCount());
    EXPECT_EQ(-1, m_pSounds->PlaySnd(0, 0));
    m_pSounds->AddSound(0, "assets/sounds/clock.wav");
    EXPECT_EQ(0u, m_pSounds->GetSoundCount());
    m_pSounds->PlayMusic();
    m_pSounds->PauseMusic();
    m_pSounds->ResumeMusic();
    m_pSounds->HaltSound(3);
    EXPECT_EQ((std::vector<std::string>{"play (no sound 0) loops 0 channel -1 pan +0.00", "music loops -1",
                                        "music paused", "music resumed", "halt channel 3"}),
              m_Lines);
}

TEST_F(SoundManagerTest, EveryIdOfTheTablePlaysAndNoOtherDoes)
{
    m_pSounds->Init();
    ASSERT_EQ(10u, m_pSounds->GetSoundCount());
    for (unsigned int id = 0; id < 10; ++id)
    {
        const int channel = m_pSounds->PlaySnd(id, 0);
        EXPECT_GE(channel, 0) << "sound " << id;
        m_pSounds->HaltSound(channel);
    }
    for (unsigned int id : {10u, 11u, 1000u, 0xffffffffu})
        EXPECT_EQ(-1, m_pSounds->PlaySnd(id, 0)) << id;
    ASSERT_EQ(24u, m_Lines.size());
    EXPECT_EQ("play (no sound 10) loops 0 channel -1 pan +0.00", m_Lines[20]);

    // Panned as asked, within the two sides, unless stereo is off.
    m_Lines.clear();
    for (const float pan : {-0.25f, 3.0f, NAN})
        m_pSounds->HaltSound(m_pSounds->PlaySnd(SoundManager::kBump, 0, pan));
    m_pSounds->SetStereo(false);
    m_pSounds->HaltSound(m_pSounds->PlaySnd(SoundManager::kBump, 0, -1.0f));
    m_pSounds->SetStereo(true);
    for (size_t line = 0; line < m_Lines.size(); line += 2)
        m_Lines[line] = m_Lines[line].substr(m_Lines[line].find(" pan "));
    EXPECT_EQ((std::vector<std::string>{" pan -0.25", "halt channel 0", " pan +1.00", "halt channel 0",
                                        " pan +0.00", "halt channel 0", " pan +0.00", "halt channel 0"}),
              m_Lines);
}

TEST_F(SoundManagerTest, ASoundWhoseFileIsMissingGivesNoChannel)
{
    m_pSounds->Init();
    m_pSounds->AddSound(SoundManager::kPills, "assets/sounds/no-such-sound.wav");
    EXPECT_EQ(-1, m_pSounds->PlaySnd(SoundManager::kPills, 0));
    m_pSounds->AddSound(SoundManager::kPills, nullptr);
    EXPECT_EQ(-1, m_pSounds->PlaySnd(SoundManager::kPills, 0));
    // Ids outside the table are not loaded anywhere.
    m_pSounds->AddSound(10, "assets/sounds/pills.wav");
    m_pSounds->AddSound(-1, "assets/sounds/pills.wav");
    EXPECT_EQ(10u, m_pSounds->GetSoundCount());
    EXPECT_EQ(-1, m_pSounds->PlaySnd(10, 0));
    // Loading it again brings it back.
    m_pSounds->AddSound(SoundManager::kPills, "assets/sounds/pills.wav");
    EXPECT_GE(m_pSounds->PlaySnd(SoundManager::kPills, 0), 0);
}

TEST_F(SoundManagerTest, HaltingOneChannelLeavesTheOthersPlaying)
{
    m_pSounds->Init();
    const int sink = m_pSounds->PlaySnd(SoundManager::kSink, -1);
    const int steps = m_pSounds->PlaySnd(SoundManager::kFootsteps, -1);
    ASSERT_GE(sink, 0);
    ASSERT_GE(steps, 0);
    ASSERT_NE(sink, steps);
    EXPECT_EQ(1, Mix_Playing(sink));

    m_pSounds->HaltSound(sink);
    EXPECT_EQ(0, Mix_Playing(sink));
    EXPECT_EQ(1, Mix_Playing(steps));
    // A channel number that no call hands out stops nothing.
    m_pSounds->HaltSound(-2);
    m_pSounds->HaltSound(1000);
    EXPECT_EQ(1, Mix_Playing(steps));
    // -1 is the mixer's "every channel".
    m_pSounds->HaltSound(-1);
    EXPECT_EQ(0, Mix_Playing(-1));
}

TEST_F(SoundManagerTest, MusicPausesAndResumes)
{
    m_pSounds->Init();
    ASSERT_NE(nullptr, m_pSounds->GetMusic());
    m_pSounds->PlayMusic();
    EXPECT_EQ(1, Mix_PlayingMusic());
    EXPECT_EQ(0, Mix_PausedMusic());
    m_pSounds->PauseMusic();
    m_pSounds->PauseMusic();
    EXPECT_EQ(1, Mix_PausedMusic());
    m_pSounds->ResumeMusic();
    EXPECT_EQ(0, Mix_PausedMusic());
    m_pSounds->ResumeMusic();
    EXPECT_EQ(0, Mix_PausedMusic());
    EXPECT_EQ(1, Mix_PlayingMusic());
    EXPECT_EQ((std::vector<std::string>{"music loops -1", "music paused", "music paused", "music resumed",
                                        "music resumed"}),
              m_Lines);
}

TEST_F(SoundManagerTest, EachIdPlaysTheSamplesOfItsOwnFile)
{
    m_pSounds->Init();
    ASSERT_EQ(std::size(kExpectedFiles), m_pSounds->GetSoundCount());
    for (unsigned int id = 0; id < std::size(kExpectedFiles); ++id)
    {
        SCOPED_TRACE(kExpectedFiles[id]);
        EXPECT_STREQ(kExpectedFiles[id], m_pSounds->GetSoundFile(id));
        Mix_Chunk* expected = Mix_LoadWAV(kExpectedFiles[id]);
        ASSERT_NE(nullptr, expected);
        const int channel = m_pSounds->PlaySnd(id, 0);
        ASSERT_GE(channel, 0);
        EXPECT_TRUE(SameSamples(expected, Mix_GetChunk(channel)));
        m_pSounds->HaltSound(channel);
        Mix_FreeChunk(expected);
    }
    // Different sounds: no two files of the table are one recording.
    for (unsigned int a = 0; a < std::size(kExpectedFiles); ++a)
        for (unsigned int b = a + 1; b < std::size(kExpectedFiles); ++b)
        {
            Mix_Chunk* first = Mix_LoadWAV(kExpectedFiles[a]);
            Mix_Chunk* second = Mix_LoadWAV(kExpectedFiles[b]);
            EXPECT_FALSE(SameSamples(first, second)) << kExpectedFiles[a] << " and " << kExpectedFiles[b];
            Mix_FreeChunk(first);
            Mix_FreeChunk(second);
        }
}

TEST_F(SoundManagerTest, TheMusicPlaysOnPastTheEndOfTheTrack)
{
    LockstepMixer mixer;
    m_pSounds->Init();
    ASSERT_TRUE(mixer.Holds());
    m_pSounds->PlayMusic();
    EXPECT_EQ(std::vector<int>{-1}, m_Log.m_MusicLoops);
    for (double played = 0.0; played < kLongerThanTheMusic; played += 1.0)
        mixer.Advance(1.0);
    EXPECT_EQ(1, Mix_PlayingMusic());

    // And so it does after a pause.
    m_pSounds->PauseMusic();
    mixer.Advance(1.0);
    m_pSounds->ResumeMusic();
    for (double played = 0.0; played < kLongerThanTheMusic; played += 1.0)
        mixer.Advance(1.0);
    EXPECT_EQ(1, Mix_PlayingMusic());
}

TEST_F(SoundManagerTest, QuitLeavesTheManagerAsBeforeInit)
{
    m_pSounds->Init();
    ASSERT_NE(nullptr, m_pSounds->GetMusic());
    ASSERT_GE(m_pSounds->PlaySnd(SoundManager::kSink, -1), 0);
    m_pSounds->Quit();
    EXPECT_EQ(0u, m_pSounds->GetSoundCount());
    EXPECT_EQ(nullptr, m_pSounds->GetMusic());
    EXPECT_EQ(0, Mix_QuerySpec(nullptr, nullptr, nullptr));
    EXPECT_EQ(-1, m_pSounds->PlaySnd(SoundManager::kSink, -1));
    // The closed mixer's channels are not reached.
    m_pSounds->HaltSound(3);
    m_pSounds->HaltSound(-1);

    m_pSounds->Init();
    EXPECT_EQ(10u, m_pSounds->GetSoundCount());
    EXPECT_GE(m_pSounds->PlaySnd(SoundManager::kSink, -1), 0);
}
