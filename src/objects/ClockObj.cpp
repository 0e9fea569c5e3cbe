#include "objects/ClockObj.h"

#include "audio/SoundManager.h"

namespace
{
const char* const kOffIcon = "assets/icon_clock01.png";
const char* const kOnIcon = "assets/icon_clock01_on.png";
} // namespace

ClockObj::ClockObj() : BaseObject(9, "Clock") {}

void ClockObj::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 3)
        ShowCaption("You're gonna break it!");
    else if (m_UseCount == 5)
        ShowCaption("Can you please just stop!");
    m_On = !m_On;
    if (m_On)
    {
        SwapIcon(kOnIcon);
        ShowPicture();
        PlaySound(SoundManager::kClock);
    }
    else
    {
        SwapIcon(kOffIcon);
        HidePicture();
    }
}
