#include "core/GameMain.h"

#include "GameTest.h"
#include "RecordingState.h"
#include "TestSupport.h"
#include "core/EventHandler.h"
#include "gfx/FontRender.h"
#include "gfx/TextObject.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <malloc.h>

namespace
{

// A state whose update ends the process with status 2, so a death test can
// tell whether the frame reached the state before the run ended.
class UpdateExitsState : public RecordingState
{
public:
    explicit UpdateExitsState(std::vector<std::string>* log) : RecordingState("exits", log) {}
    bool Update(float dt) override
    {
        (void)dt;
        std::exit(2);
    }
};

void PushKey(Uint8 type, SDLKey sym)
{
    ASSERT_TRUE(testsupport::PushKey(type, sym));
}

class GameMainTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        GameMain::getInstance()->ChangeState(&m_State);
        m_Log.clear();
    }

    std::vector<std::string> m_Log;
    RecordingState m_State{"state", &m_Log};
};

} // namespace

TEST_F(GameMainTest, EscapePressOrCloseRequestEndsTheRunWithStatusOne)
{
    EXPECT_EXIT(
        {
            PushKey(SDL_KEYDOWN, SDLK_ESCAPE);
            EventHandler::getInstance()->update();
            std::exit(0);
        },
        testing::ExitedWithCode(1), "");
    EXPECT_EXIT(
        {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
            EventHandler::getInstance()->update();
            std::exit(0);
        },
        testing::ExitedWithCode(1), "");
}

TEST_F(GameMainTest, EscapeReleaseIsHandedOnLikeAnyKey)
{
    PushKey(SDL_KEYUP, SDLK_ESCAPE);
    EventHandler::getInstance()->update();
    ASSERT_EQ(1u, m_State.m_Inputs.size());
    EXPECT_EQ(SDL_KEYUP, m_State.m_Inputs[0].type);
    EXPECT_EQ(SDLK_ESCAPE, m_State.m_Inputs[0].keysym.sym);
}

TEST_F(GameMainTest, AFrameWithoutANewEventHandsOnTheLastOneAgain)
{
    EventHandler* events = EventHandler::getInstance();

    // Before any event the zero-filled record is handed on.
    events->update();
    ASSERT_EQ(1u, m_State.m_Inputs.size());
    EXPECT_EQ(SDL_NOEVENT, m_State.m_Inputs[0].type);
    EXPECT_EQ(0, m_State.m_Inputs[0].keysym.sym);

    PushKey(SDL_KEYDOWN, SDLK_LEFT);
    events->update();
    events->update();
    events->update();
    ASSERT_EQ(4u, m_State.m_Inputs.size());
    for (size_t frame = 1; frame < 4; ++frame)
    {
        EXPECT_EQ(SDL_KEYDOWN, m_State.m_Inputs[frame].type);
        EXPECT_EQ(SDLK_LEFT, m_State.m_Inputs[frame].keysym.sym);
    }
    EXPECT_EQ(SDL_KEYDOWN, events->GetEvent()->type);

    // One event per frame: of two pending events the second waits a frame.
    PushKey(SDL_KEYUP, SDLK_LEFT);
    PushKey(SDL_KEYDOWN, SDLK_RIGHT);
    events->update();
    EXPECT_EQ(SDLK_LEFT, m_State.m_Inputs.back().keysym.sym);
    events->update();
    EXPECT_EQ(SDLK_RIGHT, m_State.m_Inputs.back().keysym.sym);
}

TEST_F(GameMainTest, PlayTimeOfExactlyTheLimitStillRunsTheFrame)
{
    GameMain* game = GameMain::getInstance();
    game->GameUpdate(150.0f, 0);
    game->GameUpdate(150.0f, 0);
    EXPECT_EQ(300.0f, game->GetElapsedTime());
    EXPECT_EQ((std::vector<std::string>{"state.Update", "state.Update"}), m_Log);
}

TEST_F(GameMainTest, CaptionsCountDownOnlyWhileAStateIsCurrent)
{
    GameMain* game = GameMain::getInstance();
    TextObject caption(nullptr, 24);
    ASSERT_TRUE(FontRender::getInstance()->AddText(&caption, 1.0f, false));

    game->SwapState(nullptr);
    game->GameUpdate(5.0f, 0);
    ASSERT_EQ(1u, FontRender::getInstance()->GetTexts().size());
    EXPECT_EQ(1.0f, FontRender::getInstance()->GetTexts().front().m_TimeLeft);
    // The play time counts on all the same.
    EXPECT_EQ(5.0f, game->GetElapsedTime());

    game->SwapState(&m_State);
    game->GameUpdate(0.25f, 0);
    ASSERT_EQ(1u, FontRender::getInstance()->GetTexts().size());
    EXPECT_EQ(0.75f, FontRender::getInstance()->GetTexts().front().m_TimeLeft);
    game->GameUpdate(1.0f, 0);
    EXPECT_TRUE(FontRender::getInstance()->GetTexts().empty());
}

TEST_F(GameMainTest, FirstFramePastTheLimitEndsTheRunBeforeTheUpdate)
{
    UpdateExitsState exits(&m_Log);
    EXPECT_EXIT(
        {
            GameMain* game = GameMain::getInstance();
            game->GameUpdate(300.0f, 0);
            game->SwapState(&exits);
            game->GameUpdate(0.001f, 0);
            std::exit(0);
        },
        testing::ExitedWithCode(1), "");
}

TEST_F(GameMainTest, RenderClearsTheTopSixHundredRowsOnly)
{
    // The window needs the whole start-up; without content it still opens.
    GameMain* game = GameMain::getInstance();
    game->InitGame();
    SDL_Surface* screen = game->getSurface();
    ASSERT_NE(nullptr, screen);
    EXPECT_EQ(1024, screen->w);
    EXPECT_EQ(768, screen->h);
    EXPECT_EQ(32, screen->format->BitsPerPixel);

    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    game->Render();
    EXPECT_EQ((std::vector<std::string>{"state.Render"}), m_Log);

    SDL_LockSurface(screen);
    auto pixel = [screen](int x, int y)
    { return static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + x] & 0xffffff; };
    EXPECT_EQ(0u, pixel(0, 0));
    EXPECT_EQ(0u, pixel(1023, 599));
    EXPECT_EQ(0xffffffu, pixel(0, 600));
    EXPECT_EQ(0xffffffu, pixel(1023, 767));
    SDL_UnlockSurface(screen);
}

TEST_F(GameMainTest, TheWindowOpensBlackWhateverMemoryItIsGiven)
{
    // Memory handed out from here on is filled with a pattern, as leftovers
    // of earlier use would fill it.
    mallopt(M_PERTURB, 0x5A);
    GameMain::getInstance()->InitGame();
    mallopt(M_PERTURB, 0);
    SDL_Surface* screen = GameMain::getInstance()->getSurface();
    ASSERT_NE(nullptr, screen);

    int lit = 0;
    SDL_LockSurface(screen);
    for (int y = 0; y < screen->h; ++y)
    {
        const Uint32* row =
            reinterpret_cast<const Uint32*>(static_cast<Uint8*>(screen->pixels) + y * screen->pitch);
        for (int x = 0; x < screen->w; ++x)
            lit += (row[x] & 0xffffff) != 0;
    }
    SDL_UnlockSurface(screen);
    EXPECT_EQ(0, lit);
}

TEST_F(GameMainTest, StartUpDropsMouseEvents)
{
    GameMain::getInstance()->InitGame();
    EXPECT_EQ(SDL_IGNORE, SDL_EventState(SDL_MOUSEMOTION, SDL_QUERY));
    EXPECT_EQ(SDL_IGNORE, SDL_EventState(SDL_MOUSEBUTTONDOWN, SDL_QUERY));
    EXPECT_EQ(SDL_IGNORE, SDL_EventState(SDL_MOUSEBUTTONUP, SDL_QUERY));
    EXPECT_EQ(SDL_ENABLE, SDL_EventState(SDL_KEYUP, SDL_QUERY));
}

TEST(GameMainStartUp, NoWindowEndsTheRunWithAReasonAndAHint)
{
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
            GameMain::getInstance()->InitGame();
            std::exit(0);
        },
        testing::ExitedWithCode(1), "cannot open a 1024x768 window: .*SDL_VIDEODRIVER=dummy");
}
