#include "objects/OutletObj4.h"

#include "audio/SoundManager.h"

namespace
{
const char* const kOffIcon = "assets/icon_power01.png";
const char* const kOnIcon = "assets/icon_power01_on.png";
} // namespace

OutletObj4::OutletObj4() : BaseObject(4, "Outlet4") {}

void OutletObj4::HandleCollision()
{
    ++m_UseCount;
    m_On = !m_On;
    if (m_On)
    {
        ShowPicture();
        SwapIcon(kOnIcon);
    }
    else
    {
        HidePicture();
        SwapIcon(kOffIcon);
    }
    PlaySound(SoundManager::kUnplug);
}
