#include "objects/LampObj.h"

#include "audio/SoundManager.h"

LampObj::LampObj() : BaseObject(10, "Lamp", "assets/icon_lamp01.png", "assets/icon_lamp01_on.png") {}

void LampObj::HandleCollision()
{
    ++m_UseCount;
    // The lamp goes by its own switch, even when the outlet has changed its
    // light in the meantime.
    m_On = !m_On;
    ShowLook();
    PlaySound(SoundManager::kLamp);
}
