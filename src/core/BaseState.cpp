#include "core/BaseState.h"

BaseState::~BaseState() = default;

bool BaseState::Update(float dt, LARGE_INTEGER now)
{
    (void)now;
    return Update(dt);
}
