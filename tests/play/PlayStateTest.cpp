#include "GameTest.h"
#include "TestSupport.h"
#include "actors/Player.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "gfx/Sprite.h"
#include "play/PlayConstants.h"
#include "play/StateTest.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <list>

namespace
{

// The play state entered with the real content, on a dummy window.
class PlayStateTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        testsupport::UseRepositoryContent();
        GameMain::getInstance()->InitGame();
        GameMain::getInstance()->ChangeState(StateTest::getInstance());
        m_State = StateTest::getInstance();
    }

    // One frame of the game with no new input.
    void Frame(float dt)
    {
        GameMain::getInstance()->GameUpdate(dt, 0);
        GameMain::getInstance()->Render();
    }

    StateTest* m_State = nullptr;
};

using PlayStateBeforeEntering = testsupport::GameTest;

} // namespace

TEST_F(PlayStateBeforeEntering, HasNoRoomAndTakesSprites)
{
    StateTest* state = StateTest::getInstance();
    EXPECT_EQ(0, state->GetRoom());
    Sprite* sprite = new Sprite();
    Sprite kept;
    state->AddSprite(sprite);
    state->AddSprite(&kept);
    EXPECT_EQ(2u, state->GetSprites().size());
    state->RemoveSprite(&kept);
    EXPECT_EQ(std::list<Sprite*>{sprite}, state->GetSprites());
    // Without a picture or a player yet, a room change only sets the letter.
    state->SetRoom('b');
    EXPECT_EQ('b', state->GetRoom());
}

TEST_F(PlayStateTest, EnteringBuildsRoomAWithTheManTheFlatmateAndMusic)
{
    EXPECT_EQ('a', m_State->GetRoom());
    EXPECT_FALSE(m_State->IsDark());
    EXPECT_TRUE(testsupport::ShowsPicture(m_State->GetBackground(), "assets/environment_a.png"));
    EXPECT_EQ(0.0, m_State->GetBackground()->m_PosX);
    EXPECT_EQ(320.0, m_State->GetBackground()->m_PosY);

    Player* player = m_State->GetPlayer();
    ASSERT_NE(nullptr, player);
    ASSERT_EQ(1u, m_State->GetClones().size());
    EXPECT_EQ(player, m_State->GetClones().front());
    Sprite* man = player->GetSprite();
    EXPECT_EQ(822.0, man->m_PosX);
    EXPECT_EQ(320.0, man->m_PosY);
    EXPECT_EQ(128, man->GetFrameRect().w);
    EXPECT_EQ(128, man->GetFrameRect().h);
    EXPECT_GE(man->GetAnims().size(), 3u);

    Sprite* girl = m_State->GetGirl();
    ASSERT_NE(nullptr, girl);
    EXPECT_EQ(girl, m_State->GetSprites().back());
    EXPECT_EQ(416.0, girl->m_PosX);
    EXPECT_EQ(320.0, girl->m_PosY);
    EXPECT_EQ(128, girl->GetFrameRect().w);
    EXPECT_EQ('b', girl->m_RoomTag);
    EXPECT_GE(girl->GetAnims().size(), 4u);
    EXPECT_TRUE(m_State->IsPlayerOnRight());

    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(PlayStateTest, DrawsRoomThenSceneryInOrderThenThePlayerOnTop)
{
    const std::string folder = testsupport::MakeTempFolder();
    Sprite* red = new Sprite();
    red->LoadImg(testsupport::WriteSolidPicture(folder, "red.bmp", 64, 64, 250, 0, 0).c_str());
    red->SetPos(100.0, 330.0);
    Sprite* green = new Sprite();
    green->LoadImg(testsupport::WriteSolidPicture(folder, "green.bmp", 32, 32, 0, 250, 0).c_str());
    green->SetPos(100.0, 330.0);
    m_State->AddSprite(red);
    m_State->AddSprite(green);

    Player* player = m_State->GetPlayer();
    player->GetSprite()->LoadImg(
        testsupport::WriteSolidPicture(folder, "blue.bmp", 16, 16, 0, 0, 250).c_str());
    player->SetPos(100.0f, 330.0f);
    Frame(0.01f);

    SDL_Surface* screen = GameMain::getInstance()->getSurface();
    EXPECT_EQ(0x0000fau, testsupport::PixelAt(screen, 110, 340)) << "the man lies over the scenery";
    EXPECT_EQ(0x00fa00u, testsupport::PixelAt(screen, 140, 370)) << "later scenery lies over earlier";
    EXPECT_EQ(0xfa0000u, testsupport::PixelAt(screen, 200, 440));
    EXPECT_NE(0u, testsupport::PixelAt(screen, 600, 590)) << "the room is drawn below them";
    EXPECT_EQ(0u, testsupport::PixelAt(screen, 600, 100)) << "above the room stays black";
}

TEST_F(PlayStateTest, TheFlatmateIsDrawnOnlyInRoomB)
{
    SDL_Surface* screen = GameMain::getInstance()->getSurface();
    m_State->GetPlayer()->SetPos(900.0f, 320.0f);
    Frame(0.01f);
    Uint32 inA[128];
    for (int y = 0; y < 128; ++y)
        inA[y] = testsupport::PixelAt(screen, 416 + 64, 320 + y);

    m_State->SetRoom('b');
    m_State->GetBackground()->LoadImg("assets/environment_a.png");
    m_State->GetPlayer()->SetPos(900.0f, 320.0f);
    Frame(0.01f);
    int differing = 0;
    for (int y = 0; y < 128; ++y)
        differing += testsupport::PixelAt(screen, 416 + 64, 320 + y) != inA[y];
    EXPECT_GT(differing, 20) << "her column differs from the same room without her";
}

TEST_F(PlayStateTest, RoomChangesLoadThePictureAndPlaceTheMan)
{
    Player* player = m_State->GetPlayer();
    m_State->SetRoomDark(true);
    EXPECT_TRUE(testsupport::ShowsPicture(m_State->GetBackground(), "assets/environment_a_dark.png"));

    m_State->SetRoom('b');
    EXPECT_EQ('b', m_State->GetRoom());
    EXPECT_TRUE(m_State->IsDark()) << "the darkness stays across rooms";
    EXPECT_TRUE(testsupport::ShowsPicture(m_State->GetBackground(), "assets/environment_b_dark.png"));
    EXPECT_EQ(ROOM_B_X, player->GetX());
    EXPECT_EQ(START_Y, player->GetY());

    // The same room again neither reloads nor moves him.
    player->SetPos(500.0f, START_Y);
    m_State->GetBackground()->SetDimensions(10, 10);
    m_State->SetRoom('b');
    EXPECT_EQ(500.0f, player->GetX());
    EXPECT_EQ(10, m_State->GetBackground()->GetFrameRect().w);

    m_State->SetRoomDark(false);
    EXPECT_TRUE(testsupport::ShowsPicture(m_State->GetBackground(), "assets/environment_b.png"));
    m_State->SetRoom('a');
    EXPECT_EQ(ROOM_A_X, player->GetX());
    EXPECT_TRUE(testsupport::ShowsPicture(m_State->GetBackground(), "assets/environment_a.png"));
}

TEST_F(PlayStateTest, DarknessSwitchesEverySceneryAnimation)
{
    Sprite* lamp = new Sprite();
    m_State->AddSprite(lamp);
    m_State->SetRoomDark(true);
    for (Sprite* sprite : m_State->GetSprites())
        EXPECT_EQ(1, sprite->GetCurrAnim());

    // Darkening again changes nothing, not even an animation set since.
    lamp->SetCurrAnim(7);
    m_State->GetBackground()->SetDimensions(10, 10);
    m_State->SetRoomDark(true);
    EXPECT_EQ(7, lamp->GetCurrAnim());
    EXPECT_EQ(10, m_State->GetBackground()->GetFrameRect().w);

    m_State->SetRoomDark(false);
    for (Sprite* sprite : m_State->GetSprites())
        EXPECT_EQ(0, sprite->GetCurrAnim());
}

TEST_F(PlayStateTest, TheFlatmateFacesTheManOneFrameLate)
{
    Player* player = m_State->GetPlayer();
    Sprite* girl = m_State->GetGirl();

    player->SetPos(416.0f, START_Y);
    Frame(0.01f);
    EXPECT_EQ(StateTest::kGirlIdleRight, girl->GetCurrAnim());
    EXPECT_TRUE(m_State->IsPlayerOnRight()) << "exactly at her x counts as her right";

    player->SetPos(415.9f, START_Y);
    Frame(0.01f);
    EXPECT_FALSE(m_State->IsPlayerOnRight());
    EXPECT_EQ(StateTest::kGirlIdleRight, girl->GetCurrAnim()) << "she turns a frame later";
    Frame(0.01f);
    EXPECT_EQ(StateTest::kGirlIdleLeft, girl->GetCurrAnim());
}

TEST_F(PlayStateTest, TalkingHoldsForThreeSecondsOfFrameTime)
{
    Sprite* girl = m_State->GetGirl();
    Frame(0.01f);
    m_State->GirlTalk();
    EXPECT_EQ(StateTest::kGirlTalkRight, girl->GetCurrAnim());
    EXPECT_EQ(3.0f, m_State->GetGirlTalkTime());

    Frame(1.0f);
    Frame(1.0f);
    Frame(1.0f);
    EXPECT_EQ(0.0f, m_State->GetGirlTalkTime());
    EXPECT_EQ(StateTest::kGirlTalkRight, girl->GetCurrAnim()) << "exactly 0 left still talks";
    Frame(0.01f);
    EXPECT_EQ(StateTest::kGirlIdleRight, girl->GetCurrAnim());

    m_State->GetPlayer()->SetPos(100.0f, START_Y);
    Frame(0.01f);
    m_State->GirlTalk();
    EXPECT_EQ(StateTest::kGirlTalkLeft, girl->GetCurrAnim());
}

TEST_F(PlayStateTest, TheTimeJumpKeyChangesNothing)
{
    SDL_KeyboardEvent r{};
    r.type = SDL_KEYDOWN;
    r.keysym.sym = SDLK_r;
    Player* player = m_State->GetPlayer();
    const float x = player->GetX();
    GameMain::getInstance()->HandleInput(r);
    r.type = SDL_KEYUP;
    GameMain::getInstance()->HandleInput(r);
    EXPECT_EQ(1u, m_State->GetClones().size());
    EXPECT_EQ(x, player->GetX());
    EXPECT_EQ('a', m_State->GetRoom());
}

TEST_F(PlayStateTest, EnteringAgainKeepsTheObjectPicturesAlive)
{
    Sprite* picture = new Sprite();
    picture->LoadImg("assets/clock_on.png");
    m_State->AddSprite(picture);
    const size_t before = m_State->GetSprites().size();

    GameMain::getInstance()->ChangeState(m_State);
    EXPECT_EQ(before, m_State->GetSprites().size()) << "one flatmate, the same pictures";
    EXPECT_EQ(picture, *std::next(m_State->GetSprites().begin(), before - 2));
    EXPECT_NE(nullptr, picture->GetImage());
    EXPECT_EQ(m_State->GetGirl(), m_State->GetSprites().back());
    EXPECT_EQ(1u, m_State->GetClones().size());
    Frame(0.01f);
}

TEST_F(PlayStateTest, TheFlatmateMovesOnWhileTheOtherRoomShows)
{
    Sprite* girl = m_State->GetGirl();
    ASSERT_EQ('a', m_State->GetRoom());
    Frame(0.01f);
    const int anim = girl->GetCurrAnim();
    ASSERT_GT(girl->GetAnims().size(), static_cast<size_t>(anim));
    ASSERT_GT(girl->GetAnims()[anim].m_Frames.size(), 1u);
    const unsigned int before = girl->GetAnims()[anim].m_CurrFrame;
    Frame(0.25f);
    EXPECT_EQ(before + 2, girl->GetAnims()[anim].m_CurrFrame);
}

TEST_F(PlayStateTest, ThroughAPassageTheManIsDrawnAtTheOldPlaceForOneFrame)
{
    const std::string folder = testsupport::MakeTempFolder();
    Player* player = m_State->GetPlayer();
    player->GetSprite()->LoadImg(
        testsupport::WriteSolidPicture(folder, "blue.bmp", 16, 16, 0, 0, 250).c_str());
    SDL_Surface* screen = GameMain::getInstance()->getSurface();

    // Into room b, then on to its right-hand passage back into room a.
    m_State->SetRoom('b');
    player->SetPos(960.0f, START_Y);
    Frame(0.0f);
    EXPECT_EQ('a', m_State->GetRoom());
    EXPECT_EQ(ROOM_A_X, player->GetX());
    EXPECT_EQ(0x0000fau, testsupport::PixelAt(screen, 970, 330)) << "drawn where he stood";
    EXPECT_NE(0x0000fau, testsupport::PixelAt(screen, 10, 330));

    Frame(0.0f);
    EXPECT_EQ(0x0000fau, testsupport::PixelAt(screen, 10, 330)) << "and at the door a frame later";
    EXPECT_NE(0x0000fau, testsupport::PixelAt(screen, 970, 330));
}
