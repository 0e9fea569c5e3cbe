#include "core/MenuState.h"

#include "core/GameMain.h"
#include "core/GameState.h"

MenuState MenuState::m_Instance;

MenuState* MenuState::getInstance()
{
    return &m_Instance;
}

void MenuState::Enter() {}

bool MenuState::Update(float dt)
{
    (void)dt;
    return true;
}

bool MenuState::Render()
{
    return true;
}

void MenuState::Exit() {}

void MenuState::HandleInput(SDL_KeyboardEvent event)
{
    if (event.keysym.sym == SDLK_SPACE)
        GameMain::getInstance()->ChangeState(GameState::getInstance());
}
