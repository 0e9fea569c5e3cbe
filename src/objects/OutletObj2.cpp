#include "objects/OutletObj2.h"

#include "audio/SoundManager.h"
#include "objects/OutletIcons.h"

OutletObj2::OutletObj2() : BaseObject(2, "Outlet2", OutletIcons::kOff, OutletIcons::kOn) {}

void OutletObj2::HandleCollision()
{
    ++m_UseCount;
    m_On = !m_On;
    ShowLook();
    // The set simply goes dark, without a sound.
    if (m_On)
        PlaySound(SoundManager::kTvOff);
}
