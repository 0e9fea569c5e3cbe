#ifndef FLATMATES_CORE_GAMESTATE_H
#define FLATMATES_CORE_GAMESTATE_H

#include "core/BaseState.h"

// A state that does nothing: where the menu's Space key leads.
class GameState : public BaseState
{
public:
    static GameState* getInstance();

    using BaseState::Update;
    void Enter() override;
    bool Update(float dt) override;
    bool Render() override;
    void Exit() override;
    void HandleInput(SDL_KeyboardEvent event) override;

private:
    static GameState m_Instance;
};

#endif
