// The pause in the whole game: while it lasts nothing in the flat moves,
// counts down or sounds on, a line says so over the room, and on resuming
// the game goes on from where it stood. The game starts once per program;
// every case leaves it unpaused, with the man standing.

#include "actors/Player.h"
#include "app/Program.h"
#include "core/GameMain.h"
#include "gfx/FontRender.h"
#include "gfx/Sprite.h"
#include "gfx/TextObject.h"
#include "play/PlayDriver.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

namespace
{

class PauseTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static const bool started = PlayDriver::StartGame();
        ASSERT_TRUE(started);
    }
    void SetUp() override
    {
        Program::ResetInstance();
        Program::getInstance()->Attach();
        Settle();
    }
    void TearDown() override
    {
        Program::ResetInstance();
        Settle();
    }

    // Lets go of the arrows and plays until the queue is empty and the man
    // stands.
    void Settle()
    {
        PlayDriver::Push(SDL_KEYUP, SDLK_LEFT);
        PlayDriver::Push(SDL_KEYUP, SDLK_RIGHT);
        for (int frame = 0; frame < 4; ++frame)
            m_Play.Frame();
    }
    void Key(Uint8 type, SDLKey sym)
    {
        ASSERT_TRUE(PlayDriver::Push(type, sym));
        m_Play.Frame();
    }
    void Tap(SDLKey sym)
    {
        Key(SDL_KEYDOWN, sym);
        Key(SDL_KEYUP, sym);
    }
    void Frames(int count)
    {
        for (int frame = 0; frame < count; ++frame)
            m_Play.Frame();
    }

    static Player* Man() { return StateTest::getInstance()->GetPlayer(); }
    static bool Paused() { return GameMain::getInstance()->IsPaused(); }

    // Everything that moves or counts down in the flat, at one moment.
    struct Still
    {
        float x;
        float manAnimTime;
        float girlAnimTime;
        float playTime;
        float caption;
        bool operator==(const Still& other) const
        {
            return x == other.x && manAnimTime == other.manAnimTime && girlAnimTime == other.girlAnimTime &&
                   playTime == other.playTime && caption == other.caption;
        }
    };
    Still Now() const
    {
        return Still{Man()->GetX(), Man()->GetSprite()->GetAnimTime(),
                     StateTest::getInstance()->GetGirl()->GetAnimTime(),
                     GameMain::getInstance()->GetElapsedTime(), Caption()};
    }
    float Caption() const
    {
        for (const FontRender::Data& data : FontRender::getInstance()->GetTexts())
        {
            if (data.m_Object == m_pCaption)
                return data.m_TimeLeft;
        }
        return -1.0f;
    }

    PlayDriver m_Play;
    TextObject* m_pCaption = nullptr;
};

} // namespace

TEST_F(PauseTest, NothingMovesCountsDownOrSoundsWhilePaused)
{
    m_pCaption = new TextObject("assets/fonts/arial.ttf", 24);
    m_pCaption->SetText("a caption that waits");
    ASSERT_TRUE(FontRender::getInstance()->AddText(m_pCaption, 3.0f, true));
    Key(SDL_KEYDOWN, SDLK_LEFT);
    Frames(10);
    const int steps = Man()->GetStepChannel();
    ASSERT_GE(steps, 0) << "his footsteps sound while he walks";

    Key(SDL_KEYDOWN, SDLK_p);
    ASSERT_TRUE(Paused());
    const Still paused = Now();
    Frames(120);
    // Not even a frame long enough to pass the play-time limit ends the run.
    GameMain::getInstance()->GameUpdate(GameMain::kPlayTimeLimit + 1.0f, 0);
    EXPECT_TRUE(paused == Now()) << "x " << paused.x << " -> " << Now().x;
    EXPECT_EQ(1, Mix_Paused(steps));
    EXPECT_EQ(1, Mix_PausedMusic());

    // The arrow is let go while paused: the game does not hear it then.
    Key(SDL_KEYUP, SDLK_LEFT);
    EXPECT_TRUE(Man()->IsMovingLeft());

    // Resuming: the release is handed on, so he stands; nothing jumped by
    // the time spent paused.
    Key(SDL_KEYUP, SDLK_p);
    Key(SDL_KEYDOWN, SDLK_p);
    EXPECT_FALSE(Paused());
    EXPECT_EQ(paused.playTime, GameMain::getInstance()->GetElapsedTime())
        << "the resuming frame counts no time";
    EXPECT_EQ(paused.caption, Caption());
    Frames(2);
    EXPECT_EQ(paused.x, Man()->GetX());
    EXPECT_FALSE(Man()->IsMovingLeft());
    EXPECT_EQ(0, Mix_PausedMusic());
    // Play goes on: time passes and the caption counts down again.
    EXPECT_GT(GameMain::getInstance()->GetElapsedTime(), paused.playTime);
    EXPECT_LT(Caption(), paused.caption);
}

TEST_F(PauseTest, AnArrowStillHeldWalksOnAfterTheResume)
{
    // The pad holds the arrow, as a player holds a key through the pause.
    PadInput::Reading left;
    left.hat = SDL_HAT_LEFT;
    Program::getInstance()->GetPad().Feed(left);
    Frames(5);
    ASSERT_TRUE(Man()->IsMovingLeft());
    const float x = Man()->GetX();

    Program::getInstance()->GetPad().Feed(PadInput::Reading());
    left.start = true;
    Program::getInstance()->GetPad().Feed(left); // Start, the arrow still held
    Frames(3);
    ASSERT_TRUE(Paused());
    const float pausedX = Man()->GetX();
    Frames(30);
    EXPECT_EQ(pausedX, Man()->GetX());
    left.start = false;
    Program::getInstance()->GetPad().Feed(left);
    left.start = true;
    Program::getInstance()->GetPad().Feed(left);
    Frames(3);
    ASSERT_FALSE(Paused());
    Frames(10);
    EXPECT_LT(Man()->GetX(), pausedX);
    EXPECT_LT(pausedX, x);
    Program::getInstance()->GetPad().Feed(PadInput::Reading());
    Frames(3);
    EXPECT_FALSE(Man()->IsMovingLeft());
}

TEST_F(PauseTest, ThePauseLineShowsOverTheRoomOnlyWhilePaused)
{
    Program::getInstance()->Start();
    SDL_Surface* screen = GameMain::getInstance()->getSurface();
    const TextObject* line = Program::getInstance()->GetOverlay().GetPauseLine();
    ASSERT_NE(nullptr, line);
    ASSERT_NE(nullptr, line->GetSurface());
    const int x0 = static_cast<int>(line->GetLeft());
    const int y0 = static_cast<int>(line->GetTop());
    const int w = line->GetSurface()->w;
    const int h = line->GetSurface()->h;
    EXPECT_GE(y0, 320) << "over the room";
    EXPECT_LE(y0 + h, 600);
    auto lineColoured = [&]
    {
        int count = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                count += testsupport::PixelAt(screen, x, y) == 0xffe478;
        return count;
    };
    Frames(1);
    EXPECT_EQ(0, lineColoured());
    Tap(SDLK_p);
    EXPECT_GT(lineColoured(), 50);
    Tap(SDLK_p);
    EXPECT_EQ(0, lineColoured());
}
