#include "actors/Player.h"

#include "GameTest.h"
#include "SoundLog.h"
#include "TestSupport.h"
#include "audio/SoundManager.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "gfx/Sprite.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/PlayConstants.h"
#include "play/StateTest.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace
{

// A household object that counts its uses.
class CountingObject : public BaseObject
{
public:
    CountingObject() : BaseObject(99, "Counting") {}
    void HandleCollision() override { ++m_Uses; }
    int m_Uses = 0;
};

void SetEvent(Uint8 type, SDLKey sym)
{
    SDL_Event* event = EventHandler::getInstance()->GetEvent();
    event->type = type;
    event->key.type = type;
    event->key.keysym.sym = sym;
}

class PlayerTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        testsupport::UseRepositoryContent();
        StateTest::getInstance()->SetRoom('a');
        m_Player.SetSprite(&m_Sprite, false);
        m_Sprite.LoadImg("assets/animations/character_all.png");
        m_Sprite.LoadAnimation("assets/animations/character_anim.txt");
        m_Sprite.SetDimensions(128, 128);
    }

    // Runs frames with the current event handed on each time.
    void Frames(int count, float dt = 1.0f / 60.0f)
    {
        for (int i = 0; i < count; ++i)
            m_Player.Update(dt, 0);
    }

    Sprite m_Sprite;
    Player m_Player;
    SoundLog m_Sounds;
};

} // namespace

TEST_F(PlayerTest, WalksEightyPixelsASecondEitherWay)
{
    m_Player.SetPos(400.0f, START_Y);
    SetEvent(SDL_KEYDOWN, SDLK_RIGHT);
    Frames(60);
    EXPECT_NEAR(480.0f, m_Player.GetX(), 0.01f);
    EXPECT_EQ(2, m_Sprite.GetCurrAnim());
    EXPECT_EQ(480, static_cast<int>(m_Sprite.m_PosX + 0.01));

    SetEvent(SDL_KEYUP, SDLK_RIGHT);
    Frames(30);
    EXPECT_NEAR(480.0f, m_Player.GetX(), 0.01f);
    EXPECT_EQ(0, m_Sprite.GetCurrAnim());

    SetEvent(SDL_KEYDOWN, SDLK_LEFT);
    Frames(30);
    EXPECT_NEAR(440.0f, m_Player.GetX(), 0.01f);
    EXPECT_EQ(1, m_Sprite.GetCurrAnim());
    EXPECT_NEAR(m_Player.GetX() + 50.0f, m_Player.GetColLeft(), 1e-3);
    EXPECT_NEAR(m_Player.GetX() + 76.0f, m_Player.GetColRight(), 1e-3);
}

TEST_F(PlayerTest, RoomBoundsLetOneStepPastThenHold)
{
    StateTest::getInstance()->SetRoom('b');
    m_Player.SetPos(-4.0f, START_Y);
    SetEvent(SDL_KEYDOWN, SDLK_LEFT);
    Frames(1, 0.05f);
    EXPECT_FLOAT_EQ(-8.0f, m_Player.GetX());
    Frames(5, 0.05f);
    EXPECT_FLOAT_EQ(-8.0f, m_Player.GetX());
    // Held against the wall he still walks on the spot; he bumps into it
    // once.
    EXPECT_TRUE(m_Player.IsMovingLeft());
    EXPECT_EQ(1, m_Sprite.GetCurrAnim());
    const auto bumps = [this]()
    {
        const std::vector<unsigned int> ids = m_Sounds.Ids();
        return std::count(ids.begin(), ids.end(), static_cast<unsigned int>(SoundManager::kBump));
    };
    EXPECT_EQ(1, bumps());

    SetEvent(SDL_KEYUP, SDLK_LEFT);
    Frames(1);
    StateTest::getInstance()->SetRoom('a');
    m_Player.SetPos(900.0f, START_Y);
    SetEvent(SDL_KEYDOWN, SDLK_RIGHT);
    Frames(1, 0.05f);
    EXPECT_FLOAT_EQ(904.0f, m_Player.GetX());
    Frames(5, 0.05f);
    EXPECT_FLOAT_EQ(904.0f, m_Player.GetX());
    EXPECT_EQ(2, bumps());

    // Room a has no wall on the left: the hallway takes him out.
    SetEvent(SDL_KEYUP, SDLK_RIGHT);
    Frames(1);
    m_Player.SetPos(10.0f, START_Y);
    SetEvent(SDL_KEYDOWN, SDLK_LEFT);
    Frames(60);
    EXPECT_NEAR(-70.0f, m_Player.GetX(), 0.01f);
}

TEST_F(PlayerTest, FootstepsLoopWhileEitherArrowIsHeld)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO));
    SoundManager::getInstance()->Init();

    m_Player.SetPos(400.0f, START_Y);
    SetEvent(SDL_KEYDOWN, SDLK_RIGHT);
    Frames(1);
    ASSERT_EQ(1u, m_Sounds.m_Plays.size());
    EXPECT_EQ(SoundManager::kFootsteps, m_Sounds.m_Plays[0].m_Id);
    EXPECT_EQ(-1, m_Sounds.m_Plays[0].m_Loops);
    const int channel = m_Player.GetStepChannel();
    EXPECT_NE(-1, channel);
    EXPECT_EQ(channel, m_Sounds.m_Plays[0].m_Channel);

    // Both arrows held: he stands still, but the steps go on.
    SetEvent(SDL_KEYDOWN, SDLK_LEFT);
    const float x = m_Player.GetX();
    Frames(10);
    EXPECT_FLOAT_EQ(x, m_Player.GetX());
    EXPECT_EQ(1u, m_Sounds.m_Plays.size());
    EXPECT_TRUE(m_Sounds.m_Halts.empty());
    EXPECT_TRUE(Mix_Playing(channel));

    // Releasing one arrow shows him standing while he walks on.
    SetEvent(SDL_KEYUP, SDLK_LEFT);
    Frames(1);
    EXPECT_EQ(0, m_Sprite.GetCurrAnim());
    EXPECT_GT(m_Player.GetX(), x);
    EXPECT_TRUE(m_Sounds.m_Halts.empty());

    SetEvent(SDL_KEYUP, SDLK_RIGHT);
    Frames(1);
    EXPECT_EQ(std::vector<int>{channel}, m_Sounds.m_Halts);
    EXPECT_EQ(-1, m_Player.GetStepChannel());
    Frames(5);
    EXPECT_EQ(1u, m_Sounds.m_Halts.size());
}

TEST_F(PlayerTest, FootstepsThatCannotStartAreTriedAgainNextFrame)
{
    // No audio device and no sounds: every start fails.
    m_Player.SetPos(400.0f, START_Y);
    SetEvent(SDL_KEYDOWN, SDLK_RIGHT);
    Frames(3);
    EXPECT_EQ(3u, m_Sounds.m_Plays.size());
    EXPECT_EQ(-1, m_Player.GetStepChannel());
    SetEvent(SDL_KEYUP, SDLK_RIGHT);
    Frames(2);
    // Nothing was obtained, so nothing is halted (a halt of -1 stops all).
    EXPECT_TRUE(m_Sounds.m_Halts.empty());
}

TEST_F(PlayerTest, ACompletedSpacePressUsesTheObjectOnce)
{
    CountingObject* object = new CountingObject();
    object->setColArea(400.0f, 500.0f);
    CollisionSystem::getInstance()->RegisterColObj(object);
    m_Player.SetPos(400.0f, START_Y);

    SetEvent(SDL_NOEVENT, SDLK_UNKNOWN);
    Frames(1);
    ASSERT_EQ(object, m_Player.GetCurrObj());

    SetEvent(SDL_KEYDOWN, SDLK_SPACE);
    Frames(20);
    EXPECT_EQ(0, object->m_Uses) << "holding space uses nothing";
    SetEvent(SDL_KEYUP, SDLK_SPACE);
    Frames(20);
    EXPECT_EQ(1, object->m_Uses) << "the release uses it once, however long it is handed on";

    // An arrow pressed and released in between cancels the use.
    SetEvent(SDL_KEYDOWN, SDLK_SPACE);
    Frames(1);
    SetEvent(SDL_KEYDOWN, SDLK_LEFT);
    Frames(1);
    SetEvent(SDL_KEYUP, SDLK_LEFT);
    Frames(1);
    SetEvent(SDL_KEYUP, SDLK_SPACE);
    Frames(1);
    EXPECT_EQ(1, object->m_Uses);

    // Any key-down just before the release counts, here the time-jump key.
    m_Player.SetPos(400.0f, START_Y);
    SetEvent(SDL_KEYDOWN, SDLK_SPACE);
    Frames(1);
    SetEvent(SDL_KEYDOWN, SDLK_r);
    Frames(1);
    SetEvent(SDL_KEYUP, SDLK_SPACE);
    Frames(1);
    EXPECT_EQ(2, object->m_Uses);
}

TEST_F(PlayerTest, AReleaseWithNothingInReachIsNotRemembered)
{
    CountingObject* object = new CountingObject();
    object->setColArea(400.0f, 500.0f);
    CollisionSystem::getInstance()->RegisterColObj(object);

    m_Player.SetPos(0.0f, START_Y);
    SetEvent(SDL_KEYDOWN, SDLK_SPACE);
    Frames(1);
    SetEvent(SDL_KEYUP, SDLK_SPACE);
    Frames(1);
    EXPECT_EQ(nullptr, m_Player.GetCurrObj());

    // Walking to the object by hand while the release is handed on again.
    m_Player.SetPos(400.0f, START_Y);
    Frames(5);
    EXPECT_EQ(object, m_Player.GetCurrObj());
    EXPECT_EQ(0, object->m_Uses);
}

TEST_F(PlayerTest, AReleaseUsesWhatThePreviousFrameFoundWithinReach)
{
    CountingObject* object = new CountingObject();
    object->setColArea(400.0f, 500.0f);
    CollisionSystem::getInstance()->RegisterColObj(object);

    // Found last frame, moved away since: the release still uses it, as
    // the reach is asked again only after the event is applied.
    m_Player.SetPos(400.0f, START_Y);
    SetEvent(SDL_KEYDOWN, SDLK_SPACE);
    Frames(1);
    m_Player.SetPos(0.0f, START_Y);
    SetEvent(SDL_KEYUP, SDLK_SPACE);
    Frames(1);
    EXPECT_EQ(1, object->m_Uses);
    EXPECT_EQ(nullptr, m_Player.GetCurrObj());

    // Out of reach last frame, put at the object since: nothing is used.
    SetEvent(SDL_KEYDOWN, SDLK_SPACE);
    Frames(1);
    m_Player.SetPos(400.0f, START_Y);
    SetEvent(SDL_KEYUP, SDLK_SPACE);
    Frames(1);
    EXPECT_EQ(1, object->m_Uses);
    EXPECT_EQ(object, m_Player.GetCurrObj());
}

TEST_F(PlayerTest, AnEventThatIsNoKeyBetweenPressAndReleaseCancelsTheUse)
{
    CountingObject* object = new CountingObject();
    object->setColArea(400.0f, 500.0f);
    CollisionSystem::getInstance()->RegisterColObj(object);
    m_Player.SetPos(400.0f, START_Y);
    Frames(1);

    for (Uint8 between : {Uint8(SDL_ACTIVEEVENT), Uint8(SDL_VIDEOEXPOSE), Uint8(SDL_USEREVENT)})
    {
        SetEvent(SDL_KEYDOWN, SDLK_SPACE);
        Frames(1);
        SetEvent(between, SDLK_UNKNOWN);
        Frames(1);
        SetEvent(SDL_KEYUP, SDLK_SPACE);
        Frames(1);
        EXPECT_EQ(0, object->m_Uses) << "event type " << int(between);
    }
}

TEST_F(PlayerTest, DrawsTheIconOfTheObjectWithinReachOnly)
{
    const std::string folder = testsupport::MakeTempFolder();
    ASSERT_EQ(0, chdir(folder.c_str()));
    GameMain::getInstance()->InitGame();
    SDL_Surface* screen = GameMain::getInstance()->getSurface();
    ASSERT_NE(nullptr, screen);

    CountingObject* object = new CountingObject();
    object->setColArea(400.0f, 500.0f);
    object->m_Icon = new Sprite();
    object->m_Icon->LoadImg(testsupport::WriteSolidPicture(folder, "icon.bmp", 32, 32, 200, 10, 10).c_str());
    CollisionSystem::getInstance()->RegisterColObj(object);

    m_Player.SetPos(400.0f, START_Y);
    Frames(1);
    SDL_FillRect(screen, nullptr, 0);
    m_Player.Render();
    EXPECT_EQ(0xc80a0au, testsupport::PixelAt(screen, 450, 192));
    EXPECT_EQ(0xc80a0au, testsupport::PixelAt(screen, 513, 255));
    EXPECT_EQ(0u, testsupport::PixelAt(screen, 514, 256));

    m_Player.SetPos(700.0f, START_Y);
    Frames(1);
    SDL_FillRect(screen, nullptr, 0);
    m_Player.Render();
    EXPECT_EQ(0u, testsupport::PixelAt(screen, 450, 192));
}

TEST_F(PlayerTest, ACloneStartsAtTheStartWithItsOwnViewOfTheSheet)
{
    m_Player.SetPos(100.0f, START_Y);
    m_Sprite.SetCurrAnim(2);
    Player clone(m_Player);
    EXPECT_EQ(START_X, clone.GetX());
    EXPECT_EQ(START_Y, clone.GetY());
    ASSERT_NE(nullptr, clone.GetSprite());
    EXPECT_NE(&m_Sprite, clone.GetSprite());
    EXPECT_EQ(m_Sprite.GetImage(), clone.GetSprite()->GetImage());
    EXPECT_TRUE(clone.GetSprite()->SharesImage());
    EXPECT_EQ(2, clone.GetSprite()->GetCurrAnim());
    EXPECT_EQ(-1, clone.GetStepChannel());
    EXPECT_EQ(nullptr, clone.GetCurrObj());
}
