#include "objects/LampObj.h"

#include "audio/SoundManager.h"

namespace
{
const char* const kOffIcon = "assets/icon_lamp01.png";
const char* const kOnIcon = "assets/icon_lamp01_on.png";
} // namespace

LampObj::LampObj() : BaseObject(10, "Lamp") {}

void LampObj::HandleCollision()
{
    ++m_UseCount;
    // The lamp goes by its own switch, even when the outlet has changed its
    // light in the meantime.
    m_On = !m_On;
    if (m_On)
    {
        SwapIcon(kOnIcon);
        ShowPicture();
    }
    else
    {
        SwapIcon(kOffIcon);
        HidePicture();
    }
    PlaySound(SoundManager::kLamp);
}
