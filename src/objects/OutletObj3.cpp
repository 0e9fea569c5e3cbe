#include "objects/OutletObj3.h"

#include "audio/SoundManager.h"
#include "core/Words.h"
#include "objects/OutletIcons.h"

OutletObj3::OutletObj3() : BaseObject(3, "Outlet3", OutletIcons::kOff, OutletIcons::kOn) {}

void OutletObj3::HandleCollision()
{
    ++m_UseCount;
    switch (m_UseCount)
    {
    case 1:
        ShowCaption(N_("Hey! I was listening to that!"));
        break;
    case 2:
        // Plugged back in: the record crackles before she answers.
        PlaySound(SoundManager::kUnplug);
        ShowCaption(N_("...Thanks"), 1.0f);
        break;
    case 3:
        ShowCaption(N_("Jerk!"));
        break;
    case 10:
        ShowCaption(N_("What the heck has gotten into you?..."));
        break;
    default:
        break;
    }
    m_On = !m_On;
    ShowLook();
    // Pulling this plug stops the record player, and with it the music.
    if (m_On)
        SoundManager::getInstance()->PauseMusic();
    else
        SoundManager::getInstance()->ResumeMusic();
    PlaySound(SoundManager::kUnplug);
}
