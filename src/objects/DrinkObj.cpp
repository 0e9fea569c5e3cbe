#include "objects/DrinkObj.h"

#include "audio/SoundManager.h"
#include "core/Words.h"

DrinkObj::DrinkObj() : BaseObject(8, "Drink", "assets/icon_drink01.png", "assets/icon_drink01_on.png") {}

void DrinkObj::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 1)
        ShowCaption(N_("Gross! That juice had mold floating in it!"));
    // Once opened the carton stays open: every later sip looks the same.
    m_On = true;
    ShowLook();
    PlaySound(SoundManager::kDrink);
}
