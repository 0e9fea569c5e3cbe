#ifndef FLATMATES_CORE_MENUSTATE_H
#define FLATMATES_CORE_MENUSTATE_H

#include "core/BaseState.h"

// A menu that waits for Space and then moves on to GameState. The key's
// press and its release both count.
class MenuState : public BaseState
{
public:
    static MenuState* getInstance();

    using BaseState::Update;
    void Enter() override;
    bool Update(float dt) override;
    bool Render() override;
    void Exit() override;
    void HandleInput(SDL_KeyboardEvent event) override;

private:
    static MenuState m_Instance;
};

#endif
