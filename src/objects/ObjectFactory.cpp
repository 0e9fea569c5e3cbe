// The object file and the factory: how the flat is furnished from
// "assets/Objects.txt".

#include "core/Words.h"
#include "gfx/Sprite.h"
#include "objects/ClockObj.h"
#include "objects/CollisionSystem.h"
#include "objects/DrinkObj.h"
#include "objects/HallwayObj1.h"
#include "objects/HallwayObj2.h"
#include "objects/LampObj.h"
#include "objects/LightSwitchObj1.h"
#include "objects/OutletObj1.h"
#include "objects/OutletObj2.h"
#include "objects/OutletObj3.h"
#include "objects/OutletObj4.h"
#include "objects/PillsObj.h"
#include "objects/SinkObj.h"
#include "objects/ToasterObj.h"
#include "objects/TomatoObj.h"
#include "play/StateTest.h"

#include <fstream>

namespace
{

template <class T> BaseObject* Make()
{
    return new T();
}

// What each name in the object file becomes.
struct FactoryRow
{
    const char* m_Name;
    BaseObject* (*m_Make)();
    // What it is called aloud, for a player who plays by ear, and what is
    // said after a use leaves it on or off, in English: said in the
    // player's language.
    const char* m_Spoken;
    const char* m_SaidOn;
    const char* m_SaidOff;
    // The object's switched-on look in the room, or null when it has none.
    const char* m_Picture;
    // The look has a lit and a dark frame, switched with the lights.
    bool m_Overlay;
    double m_X;
    int m_Width;
    int m_Height;
};

// A use is told by the state it leaves; the lamp's plug and the record
// player's also change what the ear cannot tell from the plug itself.
const char* const kOn = N_("on");
const char* const kOff = N_("off");

// clang-format off
const FactoryRow kFactoryTable[] = {
    // name          class                  called aloud                   said on                   said off                        switched-on look                      dark frame, x, w, h
    {"Outlet1",      Make<OutletObj1>,      N_("the lamp's plug"),             N_("on, the lamp lights up"), N_("off, the lamp goes out"),       "assets/lamp_unplug_light.png",       true,  460, 128, 128},
    {"Outlet2",      Make<OutletObj2>,      N_("the television's plug"),       kOn,                      kOff,                           "assets/tv_on_light.png",             true,  732, 256, 128},
    {"Outlet3",      Make<OutletObj3>,      N_("the record player's plug"),    N_("on, the music stops"),    N_("off, the music plays again"),   "assets/phonographplug_on_light.png", true,  526, 128, 128},
    {"Outlet4",      Make<OutletObj4>,      N_("the toaster's plug"),          kOn,                      kOff,                           "assets/toasterplug_on.png",          false, 128, 128, 128},
    {"Tomato",       Make<TomatoObj>,       N_("the tomato"),                  nullptr,                  nullptr,                        nullptr,                              false, 0,   0,   0},
    {"Sink",         Make<SinkObj>,         N_("the kitchen sink"),            kOn,                      kOff,                           "assets/sink_on.png",                 false, 0,   128, 128},
    {"Toaster",      Make<ToasterObj>,      N_("the toaster"),                 kOn,                      kOff,                           "assets/toaster_on.png",              false, 128, 128, 128},
    {"Drink",        Make<DrinkObj>,        N_("the drink"),                   N_("open"),                   N_("open"),                         "assets/drink_on_light.png",          true,  310, 128, 128},
    {"Clock",        Make<ClockObj>,        N_("the clock"),                   kOn,                      kOff,                           "assets/clock_on.png",                false, 86,  128, 128},
    {"Lamp",         Make<LampObj>,         N_("the lamp"),                    kOn,                      kOff,                           "assets/lamp_on.png",                 false, 460, 128, 128},
    {"Pills",        Make<PillsObj>,        N_("the pills"),                   kOn,                      kOff,                           "assets/pills_on_light.png",          true,  676, 128, 128},
    {"LightSwitch1", Make<LightSwitchObj1>, N_("the light switch"),            kOn,                      kOff,                           nullptr,                              false, 0,   0,   0},
    {"Hallway1",     Make<HallwayObj1>,     N_("the way to the living room"),  nullptr,                  nullptr,                        nullptr,                              false, 0,   0,   0},
    {"Hallway2",     Make<HallwayObj2>,     N_("the way to the kitchen"),      nullptr,                  nullptr,                        nullptr,                              false, 0,   0,   0},
};
// clang-format on

// Every switched-on look stands on the floor line.
const double kPictureY = 320.0;
// Lit and dark frames for the looks that change with the lights.
const char* const kOverlayAnimations = "assets/overlay.txt";
// Ends the object file; anything after it is never read.
const char* const kEndMark = "#eof";

// Editors often start a saved text file with the UTF-8 byte-order mark. The
// first number would fail to read on it and the flat would be left empty, so
// a leading mark is passed over. Other bytes fail the first read as before.
void SkipByteOrderMark(std::istream& in)
{
    static const char kMark[] = "\xEF\xBB\xBF";
    if (in.peek() != static_cast<unsigned char>(kMark[0]))
        return;
    char start[3] = {0, 0, 0};
    in.read(start, 3);
    if (in.gcount() != 3 || start[1] != kMark[1] || start[2] != kMark[2])
        in.setstate(std::ios::failbit);
}

const FactoryRow* FindRow(const std::string& name)
{
    for (const FactoryRow& row : kFactoryTable)
    {
        if (name == row.m_Name)
            return &row;
    }
    return nullptr;
}

} // namespace

void CollisionSystem::InitCollisionObjects()
{
    std::ifstream file("assets/Objects.txt");
    if (!file.is_open())
        return;
    ReadObjectRecords(file);
}

void CollisionSystem::ReadObjectRecords(std::istream& in)
{
    // A record is "start end name room terminator". A record cut short is
    // still handed on with what was read; an empty name builds nothing.
    SkipByteOrderMark(in);
    for (int records = 0; records < kMaxObjectRecords && !in.eof() && !in.fail(); ++records)
    {
        float start = 0.0f;
        float end = 0.0f;
        std::string name;
        std::string room;
        in >> start >> end >> name >> room;
        FakeFactory(start, end, name, room);

        std::string terminator;
        in >> terminator;
        if (terminator == kEndMark)
            break;
    }
}

void CollisionSystem::FakeFactory(float start, float end, std::string name, std::string room)
{
    // Doors are listed in the file but cannot be used.
    if (name == "Door")
        return;
    const FactoryRow* row = FindRow(name);
    if (row == nullptr)
        return;

    BaseObject* object = row->m_Make();
    object->SetSpokenName(row->m_Spoken);
    object->SetSpokenStates(row->m_SaidOn, row->m_SaidOff);
    // The passages have no icon and no room of their own.
    const bool passage = object->GetOffIcon() == nullptr;
    if (!passage)
        object->m_Room = room == "a" ? BaseObject::kRoomA : BaseObject::kRoomB;
    object->setColArea(start, end);
    RegisterColObj(object);
    if (passage)
        return;

    object->m_Icon = new Sprite();
    object->m_Icon->LoadImg(object->GetOffIcon());
    if (row->m_Picture == nullptr)
        return;

    Sprite* picture = new Sprite();
    object->m_OnSprite = picture;
    picture->LoadImg(row->m_Picture);
    if (row->m_Overlay)
        picture->LoadAnimation(kOverlayAnimations);
    picture->SetPos(row->m_X, kPictureY);
    picture->Hide();
    picture->SetDimensions(row->m_Width, row->m_Height);
    // Drawn only in the object's room; a record without a room word gets a
    // look that shows in both.
    picture->m_RoomTag = room.empty() ? 0 : room[0];
    StateTest::getInstance()->AddSprite(picture);
}
