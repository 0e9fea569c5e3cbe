#include "objects/DrinkObj.h"

#include "audio/SoundManager.h"

namespace
{
const char* const kOnIcon = "assets/icon_drink01_on.png";
} // namespace

DrinkObj::DrinkObj() : BaseObject(8, "Drink") {}

void DrinkObj::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 1)
        ShowCaption("Gross! That juice had mold floating in it!");
    // Once opened the carton stays open: every later sip looks the same.
    m_On = true;
    SwapIcon(kOnIcon);
    ShowPicture();
    PlaySound(SoundManager::kDrink);
}
