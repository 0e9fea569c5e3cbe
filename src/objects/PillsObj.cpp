#include "objects/PillsObj.h"

#include "audio/SoundManager.h"
#include "core/Words.h"

PillsObj::PillsObj() : BaseObject(11, "Pills", "assets/icon_pills01.png", "assets/icon_pills01_on.png") {}

void PillsObj::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 1)
        ShowCaption(N_("Thats my medication!"));
    if (m_UseCount == 3)
        ShowCaption(N_("Go ahead and kill yourself than!"));
    m_On = !m_On;
    ShowLook();
    if (m_On)
        PlaySound(SoundManager::kPills);
}
