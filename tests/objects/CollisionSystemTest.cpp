#include "objects/CollisionSystem.h"

#include "GameTest.h"
#include "actors/Player.h"
#include "objects/BaseObject.h"
#include "play/StateTest.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace
{

std::vector<std::string> g_Contacts;
int g_Deleted = 0;

// An object that notes every contact, and may switch the room on contact
// the way a hallway does.
class ProbeObject : public BaseObject
{
public:
    ProbeObject(int id, const char* name, float start, float end, int room, char switchTo = 0)
        : BaseObject(id, name), m_SwitchTo(switchTo)
    {
        setColArea(start, end);
        m_Room = room;
    }
    ~ProbeObject() override { ++g_Deleted; }
    void HandleCollision() override {}
    void Contact() override
    {
        g_Contacts.push_back(GetName());
        if (m_SwitchTo != 0)
            StateTest::getInstance()->SetRoom(m_SwitchTo);
    }

private:
    char m_SwitchTo;
};

class CollisionTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        StateTest::getInstance()->SetRoom('a');
        g_Contacts.clear();
    }

    // The player's reach becomes [x + 50, x + 76].
    BaseObject* QueryAt(float x)
    {
        m_Player.SetPos(x, 320.0f);
        m_Player.Update(0.0f, 0);
        g_Contacts.clear();
        return m_Registry->CheckCollision(&m_Player);
    }

    ProbeObject* Add(int id, const char* name, float start, float end, int room = BaseObject::kRoomA,
                     char switchTo = 0)
    {
        ProbeObject* object = new ProbeObject(id, name, start, end, room, switchTo);
        m_Registry->RegisterColObj(object);
        return object;
    }

    CollisionSystem* m_Registry = CollisionSystem::getInstance();
    Player m_Player;
};

} // namespace

TEST_F(CollisionTest, OverlapsCountTheirEnds)
{
    ProbeObject* object = Add(1, "thing", 200.0f, 300.0f);
    EXPECT_EQ(object, QueryAt(124.0f)) << "reach's right end on the start";
    EXPECT_EQ(nullptr, QueryAt(123.9f));
    EXPECT_EQ(object, QueryAt(250.0f)) << "reach's left end on the end";
    EXPECT_EQ(nullptr, QueryAt(250.1f));
    EXPECT_EQ(object, QueryAt(180.0f)) << "reach inside the stretch";
    EXPECT_EQ(object, QueryAt(140.0f)) << "over the start";
    EXPECT_EQ(object, QueryAt(240.0f)) << "over the end";
    EXPECT_EQ(nullptr, QueryAt(0.0f)) << "wholly left";
    EXPECT_EQ(nullptr, QueryAt(600.0f)) << "wholly right";

    ProbeObject* narrow = Add(2, "narrow", 410.0f, 415.0f);
    EXPECT_EQ(narrow, QueryAt(360.0f)) << "a stretch inside the reach";
}

TEST_F(CollisionTest, TheOtherRoomsObjectIsTouchedButPassedOver)
{
    Add(1, "other-room", 0.0f, 1000.0f, BaseObject::kRoomB);
    ProbeObject* here = Add(2, "here", 0.0f, 1000.0f, BaseObject::kRoomA);
    EXPECT_EQ(here, QueryAt(100.0f));
    EXPECT_EQ((std::vector<std::string>{"other-room", "here"}), g_Contacts);
}

TEST_F(CollisionTest, TheFirstRegisteredWinsAndLaterOnesAreNotTouched)
{
    ProbeObject* first = Add(1, "first", 0.0f, 1000.0f);
    Add(2, "second", 0.0f, 1000.0f);
    Add(3, "elsewhere", 5000.0f, 6000.0f);
    EXPECT_EQ(first, QueryAt(100.0f));
    EXPECT_EQ(std::vector<std::string>{"first"}, g_Contacts);
}

TEST_F(CollisionTest, AHallwaysRoomChangeIsSeenByTheRoomTest)
{
    // A passage of room a that leads into room b: after its contact the
    // current room is b, so it is not the object within reach, and a room-b
    // object further on is.
    Add(14, "passage", 0.0f, 1000.0f, BaseObject::kRoomA, 'b');
    ProbeObject* beyond = Add(5, "beyond", 0.0f, 1000.0f, BaseObject::kRoomB);
    EXPECT_EQ(beyond, QueryAt(100.0f));
    EXPECT_EQ('b', StateTest::getInstance()->GetRoom());
}

TEST_F(CollisionTest, StretchesWithoutANumberNeverOverlap)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Add(1, "nan-start", nan, 1000.0f);
    Add(2, "nan-both", nan, nan);
    EXPECT_EQ(nullptr, QueryAt(150.0f));
    EXPECT_TRUE(g_Contacts.empty());
}

TEST_F(CollisionTest, FindObjReturnsTheFirstWithTheId)
{
    ProbeObject* lamp = Add(10, "lamp", 0.0f, 1.0f);
    Add(10, "second lamp", 0.0f, 1.0f);
    EXPECT_EQ(lamp, m_Registry->FindObj(10));
    EXPECT_EQ(nullptr, m_Registry->FindObj(13));
}

TEST_F(CollisionTest, CleanUpDeletesEveryObject)
{
    m_Registry->CleanUp();
    Add(1, "a", 0.0f, 1000.0f);
    Add(2, "b", 0.0f, 1000.0f);
    g_Deleted = 0;
    m_Registry->CleanUp();
    EXPECT_EQ(2, g_Deleted);
    EXPECT_TRUE(m_Registry->GetObjects().empty());
    EXPECT_EQ(nullptr, QueryAt(100.0f));
    EXPECT_EQ(nullptr, m_Registry->FindObj(1));
}
