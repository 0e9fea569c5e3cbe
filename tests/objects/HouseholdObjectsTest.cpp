// What each use of each household object does: captions, on state, icon,
// picture, sounds, music and darkness, use by use.

#include "GameTest.h"
#include "SoundLog.h"
#include "actors/Player.h"
#include "gfx/FontRender.h"
#include "gfx/Sprite.h"
#include "gfx/TextObject.h"
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

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{

const char* const kPowerOff = "assets/icon_power01.png";
const char* const kPowerOn = "assets/icon_power01_on.png";

// A caption's text and seconds.
using Caption = std::pair<std::string, float>;

// How one kind of object answers a run of uses.
struct Behaviour
{
    const char* m_Name;
    BaseObject* (*m_Make)();
    int m_Id;
    const char* m_OffIcon; // the icon it starts with; null: none
    const char* m_OnIcon;  // null: the icon never changes
    bool m_HasPicture;
    bool m_CountsUses; // the passages leave the count alone
    bool m_StaysOn;    // the drink
    std::map<int, Caption> m_Captions;
    const char* m_EveryUse;                                  // a caption shown on every use
    std::map<int, std::vector<unsigned int>> m_BeforeSwitch; // sounds before the switch, by use
    std::vector<unsigned int> m_OnSounds;
    std::vector<unsigned int> m_OffSounds;
    bool m_PausesMusic;
    bool m_Darkens;
    int m_Uses;
};

void PrintTo(const Behaviour& behaviour, std::ostream* out)
{
    *out << behaviour.m_Name;
}

template <class T> BaseObject* Make()
{
    return new T();
}

const unsigned int kClock = SoundManager::kClock, kDrink = SoundManager::kDrink, kLamp = SoundManager::kLamp,
                   kPills = SoundManager::kPills, kSink = SoundManager::kSink, kTvOff = SoundManager::kTvOff,
                   kUnplug = SoundManager::kUnplug, kToaster = SoundManager::kToaster;

// clang-format off
const Behaviour kBehaviours[] = {
    {"Outlet1", Make<OutletObj1>, 1, kPowerOff, kPowerOn, true, true, false,
     {{3, {"What are you doing in there?", 3.0f}}}, nullptr, {}, {kUnplug}, {kUnplug}, false, false, 4},
    {"Outlet2", Make<OutletObj2>, 2, kPowerOff, kPowerOn, true, true, false,
     {}, nullptr, {}, {kTvOff}, {}, false, false, 4},
    {"Outlet3", Make<OutletObj3>, 3, kPowerOff, kPowerOn, true, true, false,
     {{1, {"Hey! I was listening to that!", 3.0f}}, {2, {"...Thanks", 1.0f}}, {3, {"Jerk!", 3.0f}},
      {10, {"What the heck has gotten into you?...", 3.0f}}},
     nullptr, {{2, {kUnplug}}}, {kUnplug}, {kUnplug}, true, false, 11},
    {"Outlet4", Make<OutletObj4>, 4, kPowerOff, kPowerOn, true, true, false,
     {}, nullptr, {}, {kUnplug}, {kUnplug}, false, false, 4},
    {"Tomato", Make<TomatoObj>, 5, "assets/icon_tomato01.png", nullptr, false, true, false,
     {}, "* A tomato, nothing more. *", {}, {}, {}, false, false, 3},
    {"Sink", Make<SinkObj>, 6, "assets/icon_sink01.png", "assets/icon_sink01_on.png", true, true, false,
     {{1, {"That thing does nothing but pour rust out.", 3.0f}}, {10, {"You're gonna flood the damn sink!", 3.0f}}},
     nullptr, {}, {kSink}, {}, false, false, 11},
    {"Toaster", Make<ToasterObj>, 7, "assets/icon_toaster01.png", "assets/icon_toaster01_on.png", true, true, false,
     {{1, {"Its already broken thanks to you", 3.0f}}, {5, {"You really have no life do you?", 3.0f}}},
     nullptr, {}, {kToaster}, {}, false, false, 6},
    {"Drink", Make<DrinkObj>, 8, "assets/icon_drink01.png", "assets/icon_drink01_on.png", true, true, true,
     {{1, {"Gross! That juice had mold floating in it!", 3.0f}}}, nullptr, {}, {kDrink}, {}, false, false, 3},
    {"Clock", Make<ClockObj>, 9, "assets/icon_clock01.png", "assets/icon_clock01_on.png", true, true, false,
     {{3, {"You're gonna break it!", 3.0f}}, {5, {"Can you please just stop!", 3.0f}}},
     nullptr, {}, {kClock}, {}, false, false, 6},
    {"Lamp", Make<LampObj>, 10, "assets/icon_lamp01.png", "assets/icon_lamp01_on.png", true, true, false,
     {}, nullptr, {}, {kLamp}, {kLamp}, false, false, 4},
    {"Pills", Make<PillsObj>, 11, "assets/icon_pills01.png", "assets/icon_pills01_on.png", true, true, false,
     {{1, {"Thats my medication!", 3.0f}}, {3, {"Go ahead and kill yourself than!", 3.0f}}},
     nullptr, {}, {kPills}, {}, false, false, 4},
    {"LightSwitch1", Make<LightSwitchObj1>, 12, "assets/icon_light01.png", "assets/icon_light01_on.png", false, true,
     false, {{10, {"Thats getting annoying", 3.0f}}, {20, {"Seriously... stop", 3.0f}},
             {50, {"You have no life at all do you?", 3.0f}}},
     nullptr, {}, {kTvOff}, {kTvOff}, false, true, 52},
    {"Hallway1", Make<HallwayObj1>, 14, nullptr, nullptr, false, false, false,
     {}, nullptr, {}, {}, {}, false, false, 3},
    {"Hallway2", Make<HallwayObj2>, 15, nullptr, nullptr, false, false, false,
     {}, nullptr, {}, {}, {}, false, false, 3},
};
// clang-format on

// Same size and same pixels.
bool SameImage(const SDL_Surface* a, const SDL_Surface* b)
{
    if (a == nullptr || b == nullptr || a->w != b->w || a->h != b->h || a->pitch != b->pitch)
        return false;
    return std::memcmp(a->pixels, b->pixels, static_cast<size_t>(a->pitch) * a->h) == 0;
}

// The picture a path loads, loaded once per test.
const SDL_Surface* Reference(const std::string& path)
{
    static std::map<std::string, std::unique_ptr<Sprite>> loaded;
    std::unique_ptr<Sprite>& sprite = loaded[path];
    if (!sprite)
    {
        sprite.reset(new Sprite());
        sprite->LoadImg(path.c_str());
    }
    return sprite->GetImage();
}

// The captions added since the list was last emptied; every one is spoken in
// the same voice and freed by the list when its time is up.
std::vector<Caption> TakeCaptions()
{
    std::vector<Caption> captions;
    for (const FontRender::Data& data : FontRender::getInstance()->GetTexts())
    {
        const TextObject* text = data.m_Object;
        const SDL_Color colour = text->GetColor();
        EXPECT_TRUE(text->HasFont() && data.m_Owned);
        EXPECT_TRUE(text->GetLeft() == 200.0f && text->GetTop() == 500.0f);
        EXPECT_TRUE(colour.r == 76 && colour.g == 48 && colour.b == 64);
        captions.push_back({text->GetText(), data.m_TimeLeft});
    }
    FontRender::getInstance()->Update(1000.0f);
    return captions;
}

// Real pictures and fonts from the content directory; no audio device, so
// every sound start fails as it does on a machine without one.
class HouseholdTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, chdir(FLATMATES_SOURCE_DIR));
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO));
        ASSERT_EQ(0, TTF_Init());
    }

    // Builds and registers an object with the icon and hidden picture it is
    // given at start-up.
    static BaseObject* Furnish(BaseObject* object, const char* icon, bool picture)
    {
        if (icon != nullptr)
        {
            object->m_Icon = new Sprite();
            object->m_Icon->LoadImg(icon);
        }
        if (picture)
        {
            object->m_OnSprite = new Sprite();
            object->m_OnSprite->Hide();
            StateTest::getInstance()->AddSprite(object->m_OnSprite);
        }
        CollisionSystem::getInstance()->RegisterColObj(object);
        return object;
    }

    SoundLog m_Sounds;
};

class UseTest : public HouseholdTest, public testing::WithParamInterface<Behaviour>
{
};

TEST_P(UseTest, EveryUseDoesWhatTheObjectIsFor)
{
    const Behaviour& b = GetParam();
    BaseObject* object = Furnish(b.m_Make(), b.m_OffIcon, b.m_HasPicture);
    EXPECT_EQ(b.m_Id, object->m_Id);
    EXPECT_EQ(b.m_Name, object->GetName());
    EXPECT_FALSE(object->m_On);

    for (int use = 1; use <= b.m_Uses; ++use)
    {
        SCOPED_TRACE("use " + std::to_string(use));
        m_Sounds.Clear();
        object->HandleCollision();
        const bool on = b.m_StaysOn || use % 2 == 1;

        EXPECT_EQ(b.m_CountsUses ? use : 0, object->m_UseCount);
        EXPECT_EQ(on, object->m_On);

        std::vector<Caption> captions;
        if (b.m_EveryUse != nullptr)
            captions.push_back({b.m_EveryUse, 3.0f});
        else if (b.m_Captions.count(use) != 0)
            captions.push_back(b.m_Captions.at(use));
        EXPECT_EQ(captions, TakeCaptions());

        if (b.m_OffIcon == nullptr)
            EXPECT_EQ(nullptr, object->m_Icon);
        else
        {
            const char* icon = b.m_OnIcon != nullptr && on ? b.m_OnIcon : b.m_OffIcon;
            EXPECT_TRUE(SameImage(Reference(icon), object->m_Icon->GetImage())) << "expected " << icon;
        }
        if (b.m_HasPicture)
            EXPECT_EQ(!on, object->m_OnSprite->IsHidden());
        else
            EXPECT_EQ(nullptr, object->m_OnSprite);

        std::vector<unsigned int> sounds;
        if (b.m_BeforeSwitch.count(use) != 0)
            sounds = b.m_BeforeSwitch.at(use);
        const std::vector<unsigned int>& branch = on ? b.m_OnSounds : b.m_OffSounds;
        sounds.insert(sounds.end(), branch.begin(), branch.end());
        EXPECT_EQ(sounds, m_Sounds.Ids());
        // Effects play once; only the running water goes on until halted.
        for (const SoundLog::Play& play : m_Sounds.m_Plays)
            EXPECT_EQ(play.m_Id == SoundManager::kSink ? -1 : 0, play.m_Loops) << "sound " << play.m_Id;
        // Nothing started, so nothing may be stopped.
        EXPECT_TRUE(m_Sounds.m_Halts.empty());
        EXPECT_EQ(b.m_PausesMusic ? std::vector<bool>{on} : std::vector<bool>{}, m_Sounds.m_Music);
        EXPECT_EQ(b.m_Darkens && on, StateTest::getInstance()->IsDark());
        // Only passing through a passage changes the room.
        EXPECT_EQ(0, StateTest::getInstance()->GetRoom());
    }
}

INSTANTIATE_TEST_SUITE_P(Objects, UseTest, testing::ValuesIn(kBehaviours),
                         [](const testing::TestParamInfo<Behaviour>& param) { return param.param.m_Name; });

TEST_F(HouseholdTest, TheLampsOutletSwitchesTheLampsLightButNotTheLamp)
{
    BaseObject* lamp = Furnish(new LampObj(), "assets/icon_lamp01.png", true);
    BaseObject* outlet = Furnish(new OutletObj1(), kPowerOff, true);
    BaseObject* secondLamp = Furnish(new LampObj(), "assets/icon_lamp01.png", true);

    outlet->HandleCollision();
    EXPECT_FALSE(lamp->m_OnSprite->IsHidden());
    outlet->HandleCollision();
    EXPECT_TRUE(lamp->m_OnSprite->IsHidden());
    TakeCaptions();

    outlet->HandleCollision();
    EXPECT_EQ((std::vector<Caption>{{"What are you doing in there?", 3.0f}}), TakeCaptions());
    EXPECT_FALSE(outlet->m_OnSprite->IsHidden());
    EXPECT_FALSE(lamp->m_OnSprite->IsHidden());
    // Only the first lamp in the file hangs on this outlet; the lamp's own
    // switch and icon are untouched.
    EXPECT_TRUE(secondLamp->m_OnSprite->IsHidden());
    EXPECT_FALSE(lamp->m_On);
    EXPECT_TRUE(SameImage(Reference("assets/icon_lamp01.png"), lamp->m_Icon->GetImage()));

    outlet->HandleCollision();
    EXPECT_TRUE(TakeCaptions().empty());
    EXPECT_TRUE(outlet->m_OnSprite->IsHidden());
    EXPECT_TRUE(lamp->m_OnSprite->IsHidden());

    // With the outlet on, the lamp still goes by its own state.
    outlet->HandleCollision();
    lamp->HandleCollision();
    EXPECT_TRUE(lamp->m_On);
    EXPECT_FALSE(lamp->m_OnSprite->IsHidden());
    lamp->HandleCollision();
    EXPECT_FALSE(lamp->m_On);
    EXPECT_TRUE(lamp->m_OnSprite->IsHidden());
    EXPECT_TRUE(outlet->m_On);
}

TEST_F(HouseholdTest, PassagesTakeTheManThroughOnContactOnly)
{
    StateTest* play = StateTest::getInstance();
    play->Enter();
    HallwayObj1 intoB;
    HallwayObj2 intoA;

    intoB.HandleCollision();
    EXPECT_EQ('a', play->GetRoom());
    intoB.Contact();
    EXPECT_EQ('b', play->GetRoom());
    EXPECT_FLOAT_EQ(900.0f, play->GetPlayer()->GetX());

    // Standing on in the passage: the man is not put back at the door.
    play->GetPlayer()->SetPos(850.0f, 320.0f);
    intoB.Contact();
    EXPECT_EQ('b', play->GetRoom());
    EXPECT_FLOAT_EQ(850.0f, play->GetPlayer()->GetX());

    intoA.Contact();
    EXPECT_EQ('a', play->GetRoom());
    EXPECT_FLOAT_EQ(0.0f, play->GetPlayer()->GetX());
}

// The sink with a working mixer: the water runs on its own channel.
class SinkTest : public HouseholdTest
{
protected:
    void SetUp() override
    {
        HouseholdTest::SetUp();
        SoundManager::getInstance()->Init();
        m_Footsteps = SoundManager::getInstance()->PlaySnd(SoundManager::kFootsteps, -1);
        ASSERT_NE(-1, m_Footsteps);
        m_Sounds.Clear();
    }
    int m_Footsteps = -1;
    SinkObj m_Sink;
};

TEST_F(SinkTest, TurningTheWaterOffStopsOnlyTheWater)
{
    m_Sink.HandleCollision();
    ASSERT_EQ(1u, m_Sounds.m_Plays.size());
    EXPECT_EQ(-1, m_Sounds.m_Plays[0].m_Loops);
    const int water = m_Sounds.m_Plays[0].m_Channel;
    ASSERT_NE(-1, water);
    EXPECT_EQ(water, m_Sink.GetSoundChannel());
    EXPECT_EQ(1, Mix_Playing(water));

    m_Sink.HandleCollision();
    EXPECT_EQ(std::vector<int>{water}, m_Sounds.m_Halts);
    EXPECT_EQ(0, Mix_Playing(water));
    EXPECT_EQ(1, Mix_Playing(m_Footsteps));
    EXPECT_EQ(-1, m_Sink.GetSoundChannel());

    m_Sounds.Clear();
    m_Sink.HandleCollision();
    ASSERT_EQ(1u, m_Sounds.m_Plays.size());
    EXPECT_NE(-1, m_Sounds.m_Plays[0].m_Channel);
    EXPECT_EQ(m_Sounds.m_Plays[0].m_Channel, m_Sink.GetSoundChannel());
    EXPECT_EQ(1, Mix_Playing(m_Sink.GetSoundChannel()));
}

TEST_F(SinkTest, WaterThatNeverStartedStopsNothingElse)
{
    // Every channel busy: the water cannot start.
    Mix_AllocateChannels(1);
    ASSERT_EQ(1, Mix_Playing(m_Footsteps));
    m_Sink.HandleCollision();
    EXPECT_EQ(-1, m_Sink.GetSoundChannel());

    m_Sink.HandleCollision();
    EXPECT_TRUE(m_Sounds.m_Halts.empty());
    EXPECT_EQ(1, Mix_Playing(m_Footsteps));
}

} // namespace
