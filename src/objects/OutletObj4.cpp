#include "objects/OutletObj4.h"

#include "audio/SoundManager.h"
#include "objects/OutletIcons.h"

OutletObj4::OutletObj4() : BaseObject(4, "Outlet4", OutletIcons::kOff, OutletIcons::kOn) {}

void OutletObj4::HandleCollision()
{
    ++m_UseCount;
    m_On = !m_On;
    ShowLook();
    PlaySound(SoundManager::kUnplug);
}
