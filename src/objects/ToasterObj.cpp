#include "objects/ToasterObj.h"

#include "audio/SoundManager.h"

namespace
{
const char* const kOffIcon = "assets/icon_toaster01.png";
const char* const kOnIcon = "assets/icon_toaster01_on.png";
} // namespace

ToasterObj::ToasterObj() : BaseObject(7, "Toaster") {}

void ToasterObj::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 1)
        ShowCaption("Its already broken thanks to you");
    else if (m_UseCount == 5)
        ShowCaption("You really have no life do you?");
    m_On = !m_On;
    if (m_On)
    {
        ShowPicture();
        SwapIcon(kOnIcon);
        PlaySound(SoundManager::kToaster);
    }
    else
    {
        HidePicture();
        SwapIcon(kOffIcon);
    }
}
