#include "objects/ToasterObj.h"

#include "audio/SoundManager.h"
#include "core/Words.h"

ToasterObj::ToasterObj()
    : BaseObject(7, "Toaster", "assets/icon_toaster01.png", "assets/icon_toaster01_on.png")
{
}

void ToasterObj::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 1)
        ShowCaption(N_("Its already broken thanks to you"));
    else if (m_UseCount == 5)
        ShowCaption(N_("You really have no life do you?"));
    m_On = !m_On;
    ShowLook();
    if (m_On)
        PlaySound(SoundManager::kToaster);
}
