// One visit played by ear: the driver hears nothing but what the game says,
// and walks to each of the fourteen things of the flat by the name it hears,
// and uses it, in both rooms, as a player who cannot see the screen would.

#include "GameTest.h"
#include "SpeechLog.h"
#include "TestSupport.h"
#include "app/CommandLine.h"
#include "app/GameLoop.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/PlayDriver.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace
{

// What the things are called aloud: the passages are used by walking
// through them.
const std::vector<std::string> kThings = {"the lamp's plug",
                                          "the television's plug",
                                          "the record player's plug",
                                          "the toaster's plug",
                                          "the tomato",
                                          "the kitchen sink",
                                          "the toaster",
                                          "the drink",
                                          "the clock",
                                          "the lamp",
                                          "the pills",
                                          "the light switch",
                                          "the way to the living room",
                                          "the way to the kitchen"};
// Walking on with nothing new to hear for this long, he is at a wall.
const int kQuietFrames = 4 * 60;

class ByEarTest : public testsupport::GameTest
{
protected:
    // Started as the player starts it, with long key names chosen for the
    // program's keys in a settings folder of its own.
    void SetUp() override
    {
        m_Folder = testsupport::MakeTempFolder();
        ASSERT_EQ(0, std::system(("mkdir " + m_Folder + "/flatmates").c_str()));
        std::ofstream(m_Folder + "/flatmates/settings.ini")
            << "key.pause=print screen\nkey.mute=scroll lock\nkey.speech=right super\n";
        const char* config = std::getenv("XDG_CONFIG_HOME");
        m_Config = config != nullptr ? config : "";
        setenv("XDG_CONFIG_HOME", m_Folder.c_str(), 1);
        testsupport::UseRepositoryContent();
        GameLoop().Start(CommandLine());
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0)
        {
        }
    }

    // One frame, with a key event when one is given; the lines it said.
    std::vector<std::string> Frame(Uint8 type = SDL_NOEVENT, SDLKey sym = SDLK_UNKNOWN)
    {
        if (type != SDL_NOEVENT)
        {
            EXPECT_TRUE(PlayDriver::Push(type, sym));
        }
        m_Play.Frame();
        std::vector<std::string> said;
        said.swap(m_Heard.m_Lines);
        return said;
    }

    void TearDown() override
    {
        if (m_Config.empty())
            unsetenv("XDG_CONFIG_HOME");
        else
            setenv("XDG_CONFIG_HOME", m_Config.c_str(), 1);
        std::system(("rm -rf " + m_Folder).c_str());
        GameTest::TearDown();
    }

    PlayDriver m_Play;
    SpeechLog m_Heard;
    std::string m_Folder;
    std::string m_Config;
};

} // namespace

TEST_F(ByEarTest, EveryThingInBothRoomsIsFoundAndUsedByItsName)
{
    // First the room he stands in and the keys, every one whole.
    EXPECT_EQ(
        std::vector<std::string>{"Flatmates, in the kitchen. the left arrow and the right arrow walk, space "
                                 "uses, print screen pauses, scroll lock turns the sound off, right super "
                                 "speech, escape ends the visit."},
        m_Heard.m_Lines);
    m_Heard.m_Lines.clear();
    std::set<std::string> used;
    SDLKey way = SDLK_LEFT;
    Frame(SDL_KEYDOWN, way);
    int quiet = 0;
    for (int frame = 0; frame < 120 * 60 && used.size() < kThings.size(); ++frame)
    {
        const std::vector<std::string> said = Frame();
        quiet = said.empty() ? quiet + 1 : 0;
        for (const std::string& line : said)
        {
            const std::string name = line.compare(0, 6, "reach ") == 0 ? line.substr(6) : "";
            if (std::find(kThings.begin(), kThings.end(), name) == kThings.end() || !used.insert(name).second)
                continue;
            if (name.compare(0, 8, "the way ") == 0)
                continue; // walked through, and so used
            // Stop, use it, walk on.
            Frame(SDL_KEYUP, way);
            Frame(SDL_KEYDOWN, SDLK_SPACE);
            Frame(SDL_KEYUP, SDLK_SPACE);
            Frame(SDL_KEYDOWN, way);
        }
        if (quiet > kQuietFrames)
        {
            // A wall: turn round.
            Frame(SDL_KEYUP, way);
            way = way == SDLK_LEFT ? SDLK_RIGHT : SDLK_LEFT;
            Frame(SDL_KEYDOWN, way);
            quiet = 0;
        }
    }
    for (const std::string& thing : kThings)
        EXPECT_EQ(1u, used.count(thing)) << thing << " was never heard within reach";
    // What was heard is what was there: every thing but the passages was
    // used once.
    for (const BaseObject* object : CollisionSystem::getInstance()->GetObjects())
    {
        if (object->GetOffIcon() != nullptr)
        {
            EXPECT_EQ(1, object->m_UseCount) << object->GetName();
        }
    }
}
