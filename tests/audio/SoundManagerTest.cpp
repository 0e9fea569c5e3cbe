#include "audio/SoundManager.h"

#include "audio/SoundObserver.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

// Writes down what the manager reports.
class LogObserver : public SoundObserver
{
public:
    void OnPlay(unsigned int id, int loops, int channel) override
    {
        m_Log.push_back("play " + std::to_string(id) + " " + std::to_string(loops) + " " +
                        std::to_string(channel));
    }
    void OnHalt(int channel) override { m_Log.push_back("halt " + std::to_string(channel)); }
    void OnMusicPaused(bool paused) override { m_Log.push_back(paused ? "pause" : "resume"); }

    std::vector<std::string> m_Log;
};

class SoundManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // The sound table names its files relative to the game's folder.
        ASSERT_EQ(0, chdir(FLATMATES_SOURCE_DIR));
        ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO));
        m_pSounds = SoundManager::getInstance();
        m_pSounds->SetObserver(&m_Observer);
    }
    // The mixer's thread would otherwise still be mixing while the process
    // takes itself down, which sdl12-compat does not survive every time.
    void TearDown() override
    {
        m_pSounds->SetObserver(nullptr);
        Mix_CloseAudio();
        SDL_Quit();
    }

    SoundManager* m_pSounds = nullptr;
    LogObserver m_Observer;
};

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
    EXPECT_EQ((std::vector<std::string>{"play 0 0 -1", "pause", "resume", "halt 3"}), m_Observer.m_Log);
}

TEST_F(SoundManagerTest, EveryIdOfTheTablePlaysAndNoOtherDoes)
{
    m_pSounds->Init();
    ASSERT_EQ(9u, m_pSounds->GetSoundCount());
    for (unsigned int id = 0; id < 9; ++id)
    {
        const int channel = m_pSounds->PlaySnd(id, 0);
        EXPECT_GE(channel, 0) << "sound " << id;
        m_pSounds->HaltSound(channel);
    }
    for (unsigned int id : {9u, 10u, 1000u, 0xffffffffu})
        EXPECT_EQ(-1, m_pSounds->PlaySnd(id, 0)) << id;
    ASSERT_EQ(22u, m_Observer.m_Log.size());
    EXPECT_EQ("play 9 0 -1", m_Observer.m_Log[18]);
}

TEST_F(SoundManagerTest, ASoundWhoseFileIsMissingGivesNoChannel)
{
    m_pSounds->Init();
    m_pSounds->AddSound(SoundManager::kPills, "assets/sounds/no-such-sound.wav");
    EXPECT_EQ(-1, m_pSounds->PlaySnd(SoundManager::kPills, 0));
    m_pSounds->AddSound(SoundManager::kPills, nullptr);
    EXPECT_EQ(-1, m_pSounds->PlaySnd(SoundManager::kPills, 0));
    // Ids outside the table are not loaded anywhere.
    m_pSounds->AddSound(9, "assets/sounds/pills.wav");
    m_pSounds->AddSound(-1, "assets/sounds/pills.wav");
    EXPECT_EQ(9u, m_pSounds->GetSoundCount());
    EXPECT_EQ(-1, m_pSounds->PlaySnd(9, 0));
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
    EXPECT_EQ((std::vector<std::string>{"pause", "pause", "resume", "resume"}), m_Observer.m_Log);
}
