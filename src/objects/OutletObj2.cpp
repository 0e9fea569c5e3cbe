#include "objects/OutletObj2.h"

#include "audio/SoundManager.h"

namespace
{
const char* const kOffIcon = "assets/icon_power01.png";
const char* const kOnIcon = "assets/icon_power01_on.png";
} // namespace

OutletObj2::OutletObj2() : BaseObject(2, "Outlet2") {}

void OutletObj2::HandleCollision()
{
    ++m_UseCount;
    m_On = !m_On;
    if (m_On)
    {
        SwapIcon(kOnIcon);
        ShowPicture();
        PlaySound(SoundManager::kTvOff);
    }
    else
    {
        // The set simply goes dark, without a sound.
        SwapIcon(kOffIcon);
        HidePicture();
    }
}
