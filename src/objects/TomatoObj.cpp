#include "objects/TomatoObj.h"

#include "core/Words.h"

TomatoObj::TomatoObj() : BaseObject(5, "Tomato", "assets/icon_tomato01.png") {}

void TomatoObj::HandleCollision()
{
    ++m_UseCount;
    // Every look at it earns the same remark; the state is kept but changes
    // nothing.
    ShowCaption(N_("* A tomato, nothing more. *"));
    m_On = !m_On;
}
