// A whole visit to the flat, played in process with the real content: keys
// are fed frame by frame at a fixed frame time, the way a player would press
// them, and the rooms, objects and captions are checked on the way.

#include "GameTest.h"
#include "SoundLog.h"
#include "actors/Player.h"
#include "gfx/FontRender.h"
#include "gfx/Sprite.h"
#include "gfx/TextObject.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "objects/SinkObj.h"
#include "play/PlayDriver.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace
{

// A walk that has not arrived after this many frames (a minute) is lost.
const int kMaxWalkFrames = 3600;

class PlaythroughTest : public testsupport::GameTest
{
protected:
    void SetUp() override { ASSERT_TRUE(PlayDriver::StartGame()); }

    void Frame() { m_Play.Frame(); }

    // One key event, taken by the next frame.
    void Key(Uint8 type, SDLKey sym)
    {
        ASSERT_TRUE(PlayDriver::Push(type, sym));
        Frame();
    }

    // Holds an arrow until the man has got where he is going.
    void Walk(SDLKey arrow, const std::function<bool()>& arrived)
    {
        Key(SDL_KEYDOWN, arrow);
        int frames = 0;
        while (!arrived() && frames++ < kMaxWalkFrames)
            Frame();
        Key(SDL_KEYUP, arrow);
        ASSERT_TRUE(arrived()) << "the man stopped at x " << Man()->GetX();
    }
    void WalkLeftTo(float x)
    {
        Walk(SDLK_LEFT, [this, x] { return Man()->GetX() <= x; });
    }
    void WalkRightTo(float x)
    {
        Walk(SDLK_RIGHT, [this, x] { return Man()->GetX() >= x; });
    }
    void WalkInto(SDLKey arrow, char room)
    {
        Walk(arrow, [room] { return StateTest::getInstance()->GetRoom() == room; });
    }

    // Presses and releases the space bar at the object within reach, which
    // must be the one named.
    void Use(const std::string& name, int times = 1)
    {
        ASSERT_NE(nullptr, Reach()) << "nothing within reach of x " << Man()->GetX();
        ASSERT_EQ(name, Reach()->GetName());
        for (int i = 0; i < times; ++i)
        {
            Key(SDL_KEYDOWN, SDLK_SPACE);
            Key(SDL_KEYUP, SDLK_SPACE);
        }
    }

    // Seconds a caption has left, or a negative number when it is not shown.
    static float Caption(const std::string& text)
    {
        for (const FontRender::Data& data : FontRender::getInstance()->GetTexts())
        {
            if (data.m_Object->GetText() == text)
                return data.m_TimeLeft;
        }
        return -1.0f;
    }

    static Player* Man() { return StateTest::getInstance()->GetPlayer(); }
    static BaseObject* Reach() { return Man()->GetCurrObj(); }
    static BaseObject* Find(int id) { return CollisionSystem::getInstance()->FindObj(id); }
    static bool PictureShown(int id) { return !Find(id)->m_OnSprite->IsHidden(); }

    PlayDriver m_Play;
    SoundLog m_Sounds;
};

TEST_F(PlaythroughTest, BothRoomsWalkedAndEveryObjectUsed)
{
    StateTest* play = StateTest::getInstance();
    Frame();
    EXPECT_EQ('a', play->GetRoom());
    EXPECT_FALSE(play->IsDark());
    EXPECT_FLOAT_EQ(822.0f, Man()->GetX());
    EXPECT_EQ(nullptr, Reach());
    // The ten pictures of the object file, then the flatmate.
    EXPECT_EQ(11u, play->GetSprites().size());

    // Room a, right to left.
    WalkLeftTo(540.0f);
    Use("Tomato");
    EXPECT_GT(Caption("* A tomato, nothing more. *"), 2.9f);

    WalkLeftTo(300.0f);
    Use("Drink");
    EXPECT_GT(Caption("Gross! That juice had mold floating in it!"), 2.9f);
    EXPECT_TRUE(Find(8)->m_On);
    EXPECT_TRUE(PictureShown(8));

    WalkLeftTo(170.0f);
    Use("Outlet4");
    EXPECT_TRUE(PictureShown(4));

    WalkLeftTo(100.0f);
    Use("Toaster");
    EXPECT_GT(Caption("Its already broken thanks to you"), 2.9f);
    EXPECT_TRUE(PictureShown(7));

    WalkLeftTo(10.0f);
    Use("Sink");
    EXPECT_GT(Caption("That thing does nothing but pour rust out."), 2.9f);
    SinkObj* sink = static_cast<SinkObj*>(Find(6));
    EXPECT_NE(-1, sink->GetSoundChannel());
    Use("Sink");
    EXPECT_EQ(-1, sink->GetSoundChannel());
    EXPECT_FALSE(PictureShown(6));

    // Through the passage on the left into room b, at its far door.
    WalkInto(SDLK_LEFT, 'b');
    EXPECT_FLOAT_EQ(900.0f, Man()->GetX());
    Use("Outlet2");
    EXPECT_TRUE(PictureShown(2));

    WalkLeftTo(650.0f);
    Use("Pills");
    EXPECT_GT(Caption("Thats my medication!"), 2.9f);

    WalkLeftTo(570.0f);
    m_Sounds.Clear();
    Use("Outlet3");
    EXPECT_GT(Caption("Hey! I was listening to that!"), 2.9f);
    EXPECT_EQ(std::vector<bool>{true}, m_Sounds.m_Music);
    Use("Outlet3");
    const float thanks = Caption("...Thanks");
    EXPECT_GT(thanks, 0.9f);
    EXPECT_LE(thanks, 1.0f);
    EXPECT_EQ((std::vector<bool>{true, false}), m_Sounds.m_Music);

    WalkLeftTo(530.0f);
    Use("Outlet1", 3);
    EXPECT_GT(Caption("What are you doing in there?"), 2.9f);
    EXPECT_TRUE(PictureShown(1));
    EXPECT_TRUE(PictureShown(10));

    // The lamp goes by its own switch, so two uses put its light out.
    WalkLeftTo(500.0f);
    Use("Lamp", 2);
    EXPECT_FALSE(Find(10)->m_On);
    EXPECT_FALSE(PictureShown(10));

    WalkLeftTo(240.0f);
    Use("LightSwitch1");
    EXPECT_TRUE(play->IsDark());
    for (Sprite* sprite : play->GetSprites())
        EXPECT_EQ(1, sprite->GetCurrAnim());

    WalkLeftTo(90.0f);
    Use("Clock", 3);
    EXPECT_GT(Caption("You're gonna break it!"), 2.9f);

    WalkRightTo(240.0f);
    Use("LightSwitch1");
    EXPECT_FALSE(play->IsDark());

    // Back through the passage on the right into room a, at its near door.
    WalkInto(SDLK_RIGHT, 'a');
    EXPECT_FLOAT_EQ(0.0f, Man()->GetX());
    EXPECT_FALSE(play->IsDark());
    Frame();
    ASSERT_NE(nullptr, Reach());
    EXPECT_EQ("Sink", Reach()->GetName());
    // What was switched on stays on across rooms.
    EXPECT_TRUE(PictureShown(2));
    EXPECT_TRUE(PictureShown(8));
}

} // namespace
