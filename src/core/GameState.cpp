#include "core/GameState.h"

GameState GameState::m_Instance;

GameState* GameState::getInstance()
{
    return &m_Instance;
}

void GameState::Enter() {}

bool GameState::Update(float dt)
{
    (void)dt;
    return true;
}

bool GameState::Render()
{
    return true;
}

void GameState::Exit() {}

void GameState::HandleInput(SDL_KeyboardEvent event)
{
    (void)event;
}
