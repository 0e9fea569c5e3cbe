#include "objects/ClockObj.h"

#include "audio/SoundManager.h"
#include "core/Words.h"

ClockObj::ClockObj() : BaseObject(9, "Clock", "assets/icon_clock01.png", "assets/icon_clock01_on.png") {}

void ClockObj::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 3)
        ShowCaption(N_("You're gonna break it!"));
    else if (m_UseCount == 5)
        ShowCaption(N_("Can you please just stop!"));
    m_On = !m_On;
    ShowLook();
    if (m_On)
        PlaySound(SoundManager::kClock);
}
