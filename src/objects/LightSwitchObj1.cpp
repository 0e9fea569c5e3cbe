#include "objects/LightSwitchObj1.h"

#include "audio/SoundManager.h"
#include "core/Words.h"
#include "play/StateTest.h"

LightSwitchObj1::LightSwitchObj1()
    : BaseObject(12, "LightSwitch1", "assets/icon_light01.png", "assets/icon_light01_on.png")
{
}

void LightSwitchObj1::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 10)
        ShowCaption(N_("Thats getting annoying"));
    else if (m_UseCount == 20)
        ShowCaption(N_("Seriously... stop"));
    else if (m_UseCount == 50)
        ShowCaption(N_("You have no life at all do you?"));
    m_On = !m_On;
    // The flat starts lit with the switch off, so the two stay in step.
    StateTest::getInstance()->SetRoomDark(m_On);
    ShowLook();
    PlaySound(SoundManager::kTvOff);
}
