// Feeds arbitrary object files to the reader and factory that furnish the
// flat at start-up, with the real content's pictures, then asks the
// collision registry about the man standing all along both rooms. After each
// file the flat is cleared again: objects, icons and pictures.

#include "actors/Player.h"
#include "gfx/Sprite.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/PlayConstants.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <unistd.h>

namespace
{

void ClearFlat()
{
    StateTest* play = StateTest::getInstance();
    CollisionSystem* registry = CollisionSystem::getInstance();
    for (BaseObject* object : registry->GetObjects())
    {
        if (object->m_OnSprite != nullptr)
        {
            play->RemoveSprite(object->m_OnSprite);
            delete object->m_OnSprite;
        }
    }
    registry->CleanUp();
}

// What the game relies on once the flat is furnished: no more objects than
// the reader takes, and every picture handed to the play state, hidden.
bool Furnished()
{
    const CollisionSystem* registry = CollisionSystem::getInstance();
    if (registry->GetObjects().size() > static_cast<std::size_t>(CollisionSystem::kMaxObjectRecords))
        return false;
    std::size_t pictures = 0;
    for (const BaseObject* object : registry->GetObjects())
    {
        if (object->m_OnSprite == nullptr)
            continue;
        ++pictures;
        if (!object->m_OnSprite->IsHidden())
            return false;
    }
    return pictures == StateTest::getInstance()->GetSprites().size();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The pictures are named relative to the content folder.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (chdir(FLATMATES_SOURCE_DIR) != 0 || SDL_Init(SDL_INIT_VIDEO) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    CollisionSystem* registry = CollisionSystem::getInstance();
    registry->ReadObjectRecords(in);
    if (!Furnished())
        std::abort();

    // A passage touched on the way changes the room, as in play.
    StateTest::getInstance()->SetRoom('a');
    Player man;
    for (float x = -100.0f; x <= 1100.0f; x += 25.0f)
    {
        man.SetPos(x, START_Y);
        registry->CheckCollision(&man);
    }

    ClearFlat();
    return 0;
}
