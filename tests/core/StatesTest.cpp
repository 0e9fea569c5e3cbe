#include "GameTest.h"
#include "RecordingState.h"
#include "core/GameMain.h"
#include "core/GameState.h"
#include "core/MenuState.h"

#include <gtest/gtest.h>

namespace
{

SDL_KeyboardEvent Key(Uint8 type, SDLKey sym)
{
    SDL_KeyboardEvent key{};
    key.type = type;
    key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    key.keysym.sym = sym;
    return key;
}

using States = testsupport::GameTest;

} // namespace

TEST_F(States, ChangeStateLeavesTheOldThenEntersTheNewOnceCurrent)
{
    std::vector<std::string> log;
    RecordingState first("first", &log);
    RecordingState second("second", &log);
    GameMain* game = GameMain::getInstance();

    game->ChangeState(&first);
    game->ChangeState(&second);
    EXPECT_EQ((std::vector<std::string>{"first.Enter", "first.Exit", "second.Enter"}), log);

    // Changing to the current state leaves it and enters it again.
    log.clear();
    game->ChangeState(&second);
    EXPECT_EQ((std::vector<std::string>{"second.Exit", "second.Enter"}), log);
}

TEST_F(States, SwapStateNeitherLeavesNorEnters)
{
    std::vector<std::string> log;
    RecordingState first("first", &log);
    RecordingState second("second", &log);
    GameMain* game = GameMain::getInstance();
    game->ChangeState(&first);
    log.clear();

    game->SwapState(&second);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(&second, game->GetState());
}

TEST_F(States, TheFrameReachesOnlyTheCurrentState)
{
    std::vector<std::string> log;
    RecordingState state("state", &log);
    GameMain* game = GameMain::getInstance();

    // Before any state is current the frame calls no state.
    game->HandleInput(Key(SDL_KEYDOWN, SDLK_a));
    game->GameUpdate(0.01f, 0);
    EXPECT_TRUE(log.empty());

    game->ChangeState(&state);
    log.clear();
    game->HandleInput(Key(SDL_KEYDOWN, SDLK_a));
    game->GameUpdate(0.25f, 1234);
    EXPECT_EQ((std::vector<std::string>{"state.HandleInput", "state.Update"}), log);
    // The counter reading is dropped on the way to the one-argument Update.
    EXPECT_EQ(0.25f, state.m_LastDt);
}

TEST_F(States, MenuMovesOnToTheGameOnSpacePressOrRelease)
{
    GameMain* game = GameMain::getInstance();
    for (Uint8 type : {SDL_KEYDOWN, SDL_KEYUP})
    {
        game->ChangeState(MenuState::getInstance());
        game->HandleInput(Key(type, SDLK_LEFT));
        EXPECT_EQ(MenuState::getInstance(), game->GetState());

        game->HandleInput(Key(type, SDLK_SPACE));
        EXPECT_EQ(GameState::getInstance(), game->GetState());

        // The same event handed on again in later frames reaches the game
        // state, which ignores it.
        game->HandleInput(Key(type, SDLK_SPACE));
        EXPECT_EQ(GameState::getInstance(), game->GetState());
    }
}

TEST_F(States, EmptyStatesDoNothingAndReportSuccess)
{
    for (BaseState* state : {static_cast<BaseState*>(GameState::getInstance()),
                             static_cast<BaseState*>(MenuState::getInstance())})
    {
        EXPECT_TRUE(state->Update(0.1f));
        EXPECT_TRUE(state->Update(0.1f, 99));
        EXPECT_TRUE(state->Render());
    }
}
