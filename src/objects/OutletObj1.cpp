#include "objects/OutletObj1.h"

#include "audio/SoundManager.h"
#include "core/Words.h"
#include "gfx/Sprite.h"
#include "objects/CollisionSystem.h"
#include "objects/OutletIcons.h"

namespace
{
// The lamp plugged into this outlet.
const int kLampId = 10;

// The lamp's light follows the plug, whatever the lamp's own switch says.
void ShowLampLight(bool shown)
{
    BaseObject* lamp = CollisionSystem::getInstance()->FindObj(kLampId);
    if (lamp == nullptr || lamp->m_OnSprite == nullptr)
        return;
    if (shown)
        lamp->m_OnSprite->Show();
    else
        lamp->m_OnSprite->Hide();
}
} // namespace

OutletObj1::OutletObj1() : BaseObject(1, "Outlet1", OutletIcons::kOff, OutletIcons::kOn) {}

void OutletObj1::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 3)
        ShowCaption(N_("What are you doing in there?"));
    m_On = !m_On;
    PlaySound(SoundManager::kUnplug);
    ShowLook();
    ShowLampLight(m_On);
}
