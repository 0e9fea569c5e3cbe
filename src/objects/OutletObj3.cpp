#include "objects/OutletObj3.h"

#include "audio/SoundManager.h"

namespace
{
const char* const kOffIcon = "assets/icon_power01.png";
const char* const kOnIcon = "assets/icon_power01_on.png";
} // namespace

OutletObj3::OutletObj3() : BaseObject(3, "Outlet3") {}

void OutletObj3::HandleCollision()
{
    ++m_UseCount;
    switch (m_UseCount)
    {
    case 1:
        ShowCaption("Hey! I was listening to that!");
        break;
    case 2:
        // Plugged back in: the record crackles before she answers.
        PlaySound(SoundManager::kUnplug);
        ShowCaption("...Thanks", 1.0f);
        break;
    case 3:
        ShowCaption("Jerk!");
        break;
    case 10:
        ShowCaption("What the heck has gotten into you?...");
        break;
    default:
        break;
    }
    m_On = !m_On;
    if (m_On)
    {
        SwapIcon(kOnIcon);
        SoundManager::getInstance()->PauseMusic();
        ShowPicture();
    }
    else
    {
        SwapIcon(kOffIcon);
        SoundManager::getInstance()->ResumeMusic();
        HidePicture();
    }
    PlaySound(SoundManager::kUnplug);
}
