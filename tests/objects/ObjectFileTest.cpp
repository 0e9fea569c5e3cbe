// Reading the object file and furnishing the flat from it.

#include "GameTest.h"
#include "TestSupport.h"
#include "gfx/Sprite.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "objects/LampObj.h"
#include "objects/SinkObj.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <list>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

class ObjectFileTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, chdir(FLATMATES_SOURCE_DIR));
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
    }

    static void Read(const std::string& text)
    {
        std::istringstream in(text);
        CollisionSystem::getInstance()->ReadObjectRecords(in);
    }
    static const std::vector<BaseObject*>& Objects() { return CollisionSystem::getInstance()->GetObjects(); }
    static std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (const BaseObject* object : Objects())
            names.push_back(object->GetName());
        return names;
    }
    static const std::list<Sprite*>& Pictures() { return StateTest::getInstance()->GetSprites(); }
    // Empties the registry and the scenery.
    static void Clear() { testsupport::EmptyFlat(); }
};

// One row of what each name becomes.
struct Furnishing
{
    const char* m_Name;
    int m_Id;
    bool m_HasIcon;
    bool m_HasPicture;
    bool m_DarkFrame;
    double m_X;
    int m_Width;
    // The switched-on look in the room.
    const char* m_Picture;
};

// clang-format off
const Furnishing kFurnishings[] = {
    {"Outlet1",      1,  true,  true,  true,  460, 128, "assets/lamp_unplug_light.png"},
    {"Outlet2",      2,  true,  true,  true,  732, 256, "assets/tv_on_light.png"},
    {"Outlet3",      3,  true,  true,  true,  526, 128, "assets/phonographplug_on_light.png"},
    {"Outlet4",      4,  true,  true,  false, 128, 128, "assets/toasterplug_on.png"},
    {"Tomato",       5,  true,  false, false, 0,   0,   nullptr},
    {"Sink",         6,  true,  true,  false, 0,   128, "assets/sink_on.png"},
    {"Toaster",      7,  true,  true,  false, 128, 128, "assets/toaster_on.png"},
    {"Drink",        8,  true,  true,  true,  310, 128, "assets/drink_on_light.png"},
    {"Clock",        9,  true,  true,  false, 86,  128, "assets/clock_on.png"},
    {"Lamp",         10, true,  true,  false, 460, 128, "assets/lamp_on.png"},
    {"Pills",        11, true,  true,  true,  676, 128, "assets/pills_on_light.png"},
    {"LightSwitch1", 12, true,  false, false, 0,   0,   nullptr},
    {"Hallway1",     14, false, false, false, 0,   0,   nullptr},
    {"Hallway2",     15, false, false, false, 0,   0,   nullptr},
};
// clang-format on

TEST_F(ObjectFileTest, EveryNameBecomesItsObjectWithIconAndHiddenPicture)
{
    std::string file;
    for (const Furnishing& row : kFurnishings)
        file += "10 20 " + std::string(row.m_Name) + " b #\n";
    Read(file);

    ASSERT_EQ(std::size(kFurnishings), Objects().size());
    std::list<Sprite*>::const_iterator picture = Pictures().begin();
    for (size_t i = 0; i < std::size(kFurnishings); ++i)
    {
        const Furnishing& row = kFurnishings[i];
        const BaseObject* object = Objects()[i];
        SCOPED_TRACE(row.m_Name);
        EXPECT_EQ(row.m_Name, object->GetName());
        EXPECT_EQ(row.m_Id, object->m_Id);
        EXPECT_FLOAT_EQ(10.0f, object->m_ColStart);
        EXPECT_FLOAT_EQ(20.0f, object->m_ColEnd);
        EXPECT_FALSE(object->m_On);
        EXPECT_EQ(row.m_HasIcon, object->m_Icon != nullptr);
        if (row.m_HasIcon)
        {
            EXPECT_NE(nullptr, object->m_Icon->GetImage());
        }
        ASSERT_EQ(row.m_HasPicture, object->m_OnSprite != nullptr);
        if (!row.m_HasPicture)
            continue;

        // Handed to the play state in file order.
        ASSERT_NE(Pictures().end(), picture);
        EXPECT_EQ(*picture++, object->m_OnSprite);
        const Sprite* look = object->m_OnSprite;
        EXPECT_TRUE(testsupport::ShowsPicture(look, row.m_Picture)) << "expected " << row.m_Picture;
        EXPECT_TRUE(look->IsHidden());
        EXPECT_DOUBLE_EQ(row.m_X, look->m_PosX);
        EXPECT_DOUBLE_EQ(320.0, look->m_PosY);
        EXPECT_EQ(row.m_Width, look->GetFrameRect().w);
        EXPECT_EQ(128, look->GetFrameRect().h);
        EXPECT_EQ(row.m_DarkFrame ? 2u : 0u, look->GetAnims().size());
        EXPECT_EQ('b', look->m_RoomTag);
    }
    EXPECT_EQ(Pictures().end(), picture);
}

TEST_F(ObjectFileTest, RoomWordsPlaceObjectsAndTagTheirPictures)
{
    Read("1 2 Sink a # 3 4 Sink b # 5 6 Sink kitchen # 7 8 Sink A # 9 10 Hallway1 b # 11 12 Hallway2 a #eof");
    ASSERT_EQ(6u, Objects().size());
    const int rooms[] = {BaseObject::kRoomA, BaseObject::kRoomB, BaseObject::kRoomB, BaseObject::kRoomB};
    const char tags[] = {'a', 'b', 'k', 'A'};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(rooms[i], Objects()[i]->m_Room) << i;
        EXPECT_EQ(tags[i], Objects()[i]->m_OnSprite->m_RoomTag) << i;
    }
    // The passages belong to no room of the file's; they count as room a.
    EXPECT_EQ(BaseObject::kRoomA, Objects()[4]->m_Room);
    EXPECT_EQ(BaseObject::kRoomA, Objects()[5]->m_Room);
    EXPECT_EQ(4u, Pictures().size());
}

// Which objects a file builds, in order.
struct FileCase
{
    const char* m_Text;
    std::vector<std::string> m_Built;
};

TEST_F(ObjectFileTest, WhatAFileBuilds)
{
    const FileCase cases[] = {
        // Doors, unknown names and names in the wrong case build nothing.
        {"1 2 Door a #\n3 4 door a #\n5 6 Fridge b #\n7 8 sink a #\n9 10 Lamp b #eof\n", {"Lamp"}},
        // Nothing after the end mark is read.
        {"1 2 Sink a #eof 3 4 Lamp b #eof", {"Sink"}},
        // Records need not keep to lines; a file without the mark is read whole.
        {"1 2\tSink\na #\n3\n4 Lamp b next\n", {"Sink", "Lamp"}},
        // A last record cut short is built from what was read.
        {"1 2 Sink a #\n3 4 Lamp", {"Sink", "Lamp"}},
        // A bad number ends the reading; what was built stays.
        {"1 2 Sink a # x 4 Lamp b # 5 6 Clock b #eof", {"Sink"}},
        {"", {}},
        {" \n\t\n", {}},
        // A leading byte-order mark, as editors save it, is passed over; a
        // broken one still spoils the first number.
        {"\xEF\xBB\xBF"
         "1 2 Sink a #\n3 4 Lamp b #eof\n",
         {"Sink", "Lamp"}},
        {"\xEF\xBB"
         "1 2 Sink a #eof\n",
         {}},
    };
    for (const FileCase& file : cases)
    {
        Clear();
        Read(file.m_Text);
        EXPECT_EQ(file.m_Built, Names()) << file.m_Text;
    }
}

TEST_F(ObjectFileTest, ARecordCutShortAfterItsNameCollidesInRoomBAndShowsInBoth)
{
    Read("3 4 Lamp");
    ASSERT_EQ(1u, Objects().size());
    const BaseObject* lamp = Objects()[0];
    EXPECT_FLOAT_EQ(3.0f, lamp->m_ColStart);
    EXPECT_FLOAT_EQ(4.0f, lamp->m_ColEnd);
    EXPECT_EQ(BaseObject::kRoomB, lamp->m_Room);
    EXPECT_EQ(0, lamp->m_OnSprite->m_RoomTag);
}

TEST_F(ObjectFileTest, TwoRecordsOfOneNameBuildTwoAndTheFirstIsFound)
{
    Read("1 2 Lamp a # 3 4 Lamp b #eof");
    ASSERT_EQ(2u, Objects().size());
    EXPECT_NE(Objects()[0], Objects()[1]);
    EXPECT_EQ(Objects()[0], CollisionSystem::getInstance()->FindObj(10));
}

TEST_F(ObjectFileTest, ReadingStopsAtTheRecordLimit)
{
    std::string text;
    for (int i = 0; i < CollisionSystem::kMaxObjectRecords + 5; ++i)
        text += "0 1 Hallway1 a #\n";
    Read(text);
    EXPECT_EQ(static_cast<size_t>(CollisionSystem::kMaxObjectRecords), Objects().size());
}

TEST_F(ObjectFileTest, TheGamesObjectFileFurnishesBothRooms)
{
    CollisionSystem::getInstance()->InitCollisionObjects();
    EXPECT_EQ((std::vector<std::string>{"Hallway1", "Sink", "Toaster", "Outlet4", "Drink", "Tomato", "Clock",
                                        "LightSwitch1", "Lamp", "Outlet1", "Outlet3", "Pills", "Outlet2",
                                        "Hallway2"}),
              Names());
    EXPECT_EQ(10u, Pictures().size());
}

TEST_F(ObjectFileTest, WithoutAnObjectFileTheFlatIsEmpty)
{
    ASSERT_EQ(0, chdir("/"));
    CollisionSystem::getInstance()->InitCollisionObjects();
    EXPECT_TRUE(Objects().empty());
}

} // namespace
