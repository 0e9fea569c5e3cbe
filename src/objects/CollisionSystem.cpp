#include "objects/CollisionSystem.h"

#include "actors/Player.h"
#include "core/PlayObserver.h"
#include "objects/BaseObject.h"
#include "play/StateTest.h"

CollisionSystem CollisionSystem::m_Instance;

CollisionSystem* CollisionSystem::getInstance()
{
    return &m_Instance;
}

void CollisionSystem::RegisterColObj(BaseObject* object)
{
    m_Objects->push_back(object);
}

BaseObject* CollisionSystem::FindObj(int id)
{
    for (BaseObject* object : *m_Objects)
    {
        if (object != nullptr && object->m_Id == id)
            return object;
    }
    return nullptr;
}

BaseObject* CollisionSystem::CheckCollision(Player* player)
{
    const float left = player->GetColLeft();
    const float right = player->GetColRight();
    for (BaseObject* object : *m_Objects)
    {
        if (object == nullptr)
            continue;
        if (!Overlaps(object->m_ColStart, object->m_ColEnd, left, right))
            continue;

        // A hallway changes the room here, so the room is read afterwards.
        const char room = StateTest::getInstance()->GetRoom();
        object->Contact();
        if (StateTest::getInstance()->GetRoom() != room && PlayObserver::Get() != nullptr)
            PlayObserver::Get()->OnPassage(object, StateTest::getInstance()->GetRoom());
        if (object->GetRoomLetter() == StateTest::getInstance()->GetRoom())
            return object;
    }
    return nullptr;
}

bool CollisionSystem::Overlaps(float start, float end, float left, float right)
{
    return (start <= left && left <= end) || (start <= right && right <= end) ||
           (left <= start && end <= right);
}

void CollisionSystem::CleanUp()
{
    while (!m_Objects->empty())
    {
        BaseObject* object = m_Objects->back();
        m_Objects->pop_back();
        delete object;
    }
}
