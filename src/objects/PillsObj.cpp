#include "objects/PillsObj.h"

#include "audio/SoundManager.h"

namespace
{
const char* const kOffIcon = "assets/icon_pills01.png";
const char* const kOnIcon = "assets/icon_pills01_on.png";
} // namespace

PillsObj::PillsObj() : BaseObject(11, "Pills") {}

void PillsObj::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 1)
        ShowCaption("Thats my medication!");
    if (m_UseCount == 3)
        ShowCaption("Go ahead and kill yourself than!");
    m_On = !m_On;
    if (m_On)
    {
        ShowPicture();
        SwapIcon(kOnIcon);
        PlaySound(SoundManager::kPills);
    }
    else
    {
        HidePicture();
        SwapIcon(kOffIcon);
    }
}
