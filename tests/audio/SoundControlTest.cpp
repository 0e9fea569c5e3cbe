// The player's hold on the sound, and the game's pause, as the mixer sees
// them: volume and mute reach the music and every channel, a pause stops
// everything where it is, and none of it stops the music looping.

#include "audio/SoundControl.h"

#include "GameTest.h"
#include "SoundLog.h"
#include "TestSupport.h"
#include "audio/SoundManager.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

class SoundControlTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        testsupport::UseRepositoryContent();
        ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO));
        m_pSounds = SoundManager::getInstance();
    }
    void TearDown() override
    {
        GameTest::TearDown();
        testsupport::UseRepositoryContent();
        if (!m_Folder.empty())
            std::system(("rm -rf " + m_Folder).c_str());
    }

    // The mixer's volume of the music and of the channels (their mean).
    static int MusicVolume() { return Mix_VolumeMusic(-1); }
    static int ChannelVolume() { return Mix_Volume(-1, -1); }

    // Starts the sound manager in a folder whose music is the first fraction
    // of a second of the game's own track, so that a loop comes round soon.
    void ShortMusic()
    {
        std::ifstream track("assets/sounds/moonlightsonata.mp3", std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(track)), std::istreambuf_iterator<char>());
        ASSERT_GT(bytes.size(), 4000u);
        m_Folder = testsupport::MakeTempFolder();
        ASSERT_EQ(0, std::system(("mkdir -p " + m_Folder + "/assets/sounds").c_str()));
        // About 0.3 s at the track's 56 kbit/s.
        std::ofstream(m_Folder + "/assets/sounds/moonlightsonata.mp3", std::ios::binary)
            .write(bytes.data(), 2100);
        ASSERT_EQ(0, chdir(m_Folder.c_str()));
        m_pSounds->Init();
        ASSERT_NE(nullptr, m_pSounds->GetMusic());
    }
    // Whether the music is still playing after several lengths of the short
    // track have gone by.
    static bool StillPlayingLater()
    {
        SDL_Delay(1500);
        return Mix_PlayingMusic() != 0;
    }

    SoundManager* m_pSounds = nullptr;
    SoundLog m_Log;
    std::string m_Folder;
};

} // namespace

TEST_F(SoundControlTest, MuteAndVolumeReachTheMusicAndEveryChannel)
{
    m_pSounds->Init();
    SoundControl control(8);
    control.Set(false, 8);
    EXPECT_EQ(MIX_MAX_VOLUME, MusicVolume());
    EXPECT_EQ(MIX_MAX_VOLUME, ChannelVolume());

    control.VolumeDown();
    EXPECT_EQ(MIX_MAX_VOLUME * 7 / 8, MusicVolume());
    EXPECT_EQ(MIX_MAX_VOLUME * 7 / 8, ChannelVolume());
    // A sound started now plays at that volume too.
    const int channel = m_pSounds->PlaySnd(SoundManager::kSink, -1);
    ASSERT_GE(channel, 0);
    EXPECT_EQ(MIX_MAX_VOLUME * 7 / 8, Mix_Volume(channel, -1));

    control.ToggleMute();
    EXPECT_EQ(0, MusicVolume());
    EXPECT_EQ(0, ChannelVolume());
    EXPECT_EQ(0, Mix_Volume(channel, -1));
    control.ToggleMute();
    EXPECT_EQ(MIX_MAX_VOLUME * 7 / 8, MusicVolume());
    EXPECT_EQ(MIX_MAX_VOLUME * 7 / 8, Mix_Volume(channel, -1));

    // Eight steps down is silence, and no further; eight up is full again.
    for (int step = 0; step < 10; ++step)
        control.VolumeDown();
    EXPECT_EQ(0, control.GetVolume());
    EXPECT_EQ(0, MusicVolume());
    for (int step = 0; step < 10; ++step)
        control.VolumeUp();
    EXPECT_EQ(8, control.GetVolume());
    EXPECT_EQ(MIX_MAX_VOLUME, MusicVolume());
    m_pSounds->HaltSound(channel);
}

TEST_F(SoundControlTest, TurningTheVolumeWhileMutedTurnsTheSoundOn)
{
    m_pSounds->Init();
    SoundControl control(8);
    control.Set(true, 5);
    EXPECT_EQ(0, MusicVolume());
    control.VolumeUp();
    EXPECT_FALSE(control.IsMuted());
    EXPECT_EQ(6, control.GetVolume());
    EXPECT_EQ(MIX_MAX_VOLUME * 6 / 8, MusicVolume());
    control.Set(true, 5);
    control.VolumeDown();
    EXPECT_FALSE(control.IsMuted());
    EXPECT_EQ(4, control.GetVolume());

    // Kept values out of range are brought into it.
    control.Set(false, 99);
    EXPECT_EQ(8, control.GetVolume());
    control.Set(false, -3);
    EXPECT_EQ(0, control.GetVolume());

    char text[32];
    control.Set(false, 5);
    control.Describe(text, sizeof(text));
    EXPECT_STREQ("Volume 5/8", text);
    control.ToggleMute();
    control.Describe(text, sizeof(text));
    EXPECT_STREQ("Sound off", text);
}

TEST_F(SoundControlTest, BeforeTheDeviceOpensTheVolumeIsOnlyNoted)
{
    // The mixer divides by its channel count for "every channel", and has no
    // channels before the device is open.
    SoundControl control(8);
    control.Set(false, 3);
    m_pSounds->PauseAll();
    m_pSounds->ResumeAll();
    EXPECT_EQ((std::vector<std::string>{"volume 48", "all paused", "all resumed"}), m_Log.m_Lines);
}

TEST_F(SoundControlTest, APausePausesEverySoundAndTheMusicWhereTheyAre)
{
    m_pSounds->Init();
    m_pSounds->PlayMusic();
    const int sink = m_pSounds->PlaySnd(SoundManager::kSink, -1);
    const int clock = m_pSounds->PlaySnd(SoundManager::kClock, 0);
    ASSERT_GE(sink, 0);
    ASSERT_GE(clock, 0);

    // The mixer marks a paused channel with the time of the pause, and a
    // pause in SDL's very first millisecond would be marked 0: not paused.
    while (SDL_GetTicks() == 0)
        SDL_Delay(1);
    m_pSounds->PauseAll();
    EXPECT_EQ(1, Mix_PausedMusic());
    EXPECT_EQ(1, Mix_Paused(sink));
    EXPECT_EQ(1, Mix_Paused(clock));
    EXPECT_EQ(1, Mix_Playing(sink)) << "paused, not stopped";
    m_pSounds->ResumeAll();
    EXPECT_EQ(0, Mix_PausedMusic());
    EXPECT_EQ(0, Mix_Paused(sink));
    EXPECT_EQ(1, Mix_Playing(sink));

    // The record player unplugged: its silence outlasts the game's pause.
    m_pSounds->PauseMusic();
    m_pSounds->PauseAll();
    m_pSounds->ResumeAll();
    EXPECT_EQ(1, Mix_PausedMusic());
    EXPECT_EQ(0, Mix_Paused(sink));
    m_pSounds->ResumeMusic();
    EXPECT_EQ(0, Mix_PausedMusic());
    m_pSounds->HaltSound(-1);
}

TEST_F(SoundControlTest, TheMusicLoopsForEverAfterAResumeOrAnUnmute)
{
    ShortMusic();
    // The test can tell: played once, the short track is soon over.
    Mix_PlayMusic(m_pSounds->GetMusic(), 0);
    EXPECT_FALSE(StillPlayingLater());

    m_pSounds->PlayMusic();
    EXPECT_TRUE(StillPlayingLater()) << "the music is asked to loop for ever";

    SoundControl control(8);
    control.Set(false, 8);
    control.ToggleMute();
    control.ToggleMute();
    control.VolumeDown();
    EXPECT_TRUE(StillPlayingLater()) << "after an unmute";

    m_pSounds->PauseAll();
    SDL_Delay(200);
    m_pSounds->ResumeAll();
    EXPECT_TRUE(StillPlayingLater()) << "after a resume";

    // And after a pause over the unplugged record player's silence.
    m_pSounds->PauseMusic();
    m_pSounds->PauseAll();
    m_pSounds->ResumeAll();
    m_pSounds->ResumeMusic();
    EXPECT_TRUE(StillPlayingLater()) << "after the record player came back";
}
