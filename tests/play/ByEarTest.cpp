// The flat played by ear: the driver hears nothing but what the voice says,
// as it says it, at a voice's ordinary pace, and reacts half a second late,
// as a player who cannot see the screen would. It still finds and uses
// every thing of both rooms; every name it hears is of the thing in reach;
// every use is followed by the thing's state as it really is.

#include "GameTest.h"
#include "SpeechLog.h"
#include "TestSupport.h"
#include "actors/Player.h"
#include "app/CommandLine.h"
#include "app/GameLoop.h"
#include "app/Program.h"
#include "app/SpeechVoice.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/PlayConstants.h"
#include "play/PlayDriver.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace
{

// About fifteen characters a second, at sixty frames a second.
const int kFramesPerCharacter = 4;
// How late the player acts on what he heard.
const int kReaction = 30;

// A voice that takes as long as a real one to say each line, and notes the
// frame each line began.
class PacedVoice : public SpeechVoice
{
public:
    void Wake() override {}
    void Say(const char* line) override
    {
        m_Said.push_back({line, m_Frame});
        m_Left = kFramesPerCharacter * static_cast<int>(m_Said.back().m_Line.size());
    }
    bool IsSpeaking() const override { return m_Left > 0; }
    void Stop() override { m_Left = 0; }
    void Tick()
    {
        ++m_Frame;
        m_Left = m_Left > 0 ? m_Left - 1 : 0;
    }

    struct Said
    {
        std::string m_Line;
        int m_Frame;
    };
    std::vector<Said> m_Said;
    int m_Frame = 0;
    int m_Left = 0;
};

class ByEarTest : public testsupport::GameTest
{
protected:
    // Started as the player starts it, speech on and long key names chosen
    // for the program's keys, in a settings folder of its own.
    void SetUp() override
    {
        m_Folder = testsupport::MakeTempFolder();
        ASSERT_EQ(0, std::system(("mkdir " + m_Folder + "/flatmates").c_str()));
        std::ofstream(m_Folder + "/flatmates/settings.ini")
            << "speech=1\nkey.pause=print screen\nkey.mute=scroll lock\nkey.speech=right super\n";
        const char* config = std::getenv("XDG_CONFIG_HOME");
        m_Config = config != nullptr ? config : "";
        setenv("XDG_CONFIG_HOME", m_Folder.c_str(), 1);
        testsupport::UseRepositoryContent();
        Program::getInstance()->SetVoice(&m_Voice);
        GameLoop().Start(CommandLine());
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0)
        {
        }
        for (BaseObject* object : CollisionSystem::getInstance()->GetObjects())
            m_Things[object->GetSpokenName()] = object;
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

    // One frame, with a key event when one is given. A name the voice
    // begins must be the thing in reach then.
    void Frame(Uint8 type = SDL_NOEVENT, SDLKey sym = SDLK_UNKNOWN)
    {
        if (type != SDL_NOEVENT)
        {
            EXPECT_TRUE(PlayDriver::Push(type, sym));
        }
        const size_t before = m_Voice.m_Said.size();
        m_Play.Frame();
        for (size_t i = before; i < m_Voice.m_Said.size(); ++i)
        {
            const auto thing = m_Things.find(m_Voice.m_Said[i].m_Line);
            const BaseObject* within = StateTest::getInstance()->GetPlayer()->GetCurrObj();
            if (thing != m_Things.end())
            {
                EXPECT_EQ(thing->second, within) << thing->first << " said out of reach";
            }
        }
        m_Voice.Tick();
    }
    void Press(SDLKey sym)
    {
        Frame(SDL_KEYDOWN, sym);
        Frame(SDL_KEYUP, sym);
    }
    // Plays on until the voice has said the first chars of a line begun
    // since line number from, and the player has taken it in; that line.
    std::string Hear(size_t from, size_t chars = std::string::npos)
    {
        for (int frame = 0; frame < 60 * 60; ++frame)
        {
            if (m_Voice.m_Said.size() > from)
            {
                const PacedVoice::Said& said = m_Voice.m_Said[from];
                const size_t heard = std::min(chars, said.m_Line.size());
                if (m_Voice.m_Frame >=
                    said.m_Frame + kFramesPerCharacter * static_cast<int>(heard) + kReaction)
                    return said.m_Line;
            }
            Frame();
        }
        return std::string();
    }

    // Where the thing is in the where line's lists, or npos.
    static size_t Listed(const std::string& where, const std::string& name)
    {
        for (size_t at = where.find(name); at != std::string::npos; at = where.find(name, at + 1))
        {
            const size_t end = at + name.size();
            if (at >= 2 && where.compare(at - 2, 2, ": ") * where.compare(at - 2, 2, ", ") == 0 &&
                end < where.size() && (where[end] == '.' || where[end] == ','))
                return at;
        }
        return std::string::npos;
    }
    // Short steps towards the thing, each followed by a moment's listening,
    // until its name is said; false when it never is.
    bool CreepTowards(const std::string& name, SDLKey way)
    {
        for (int step = 0; step < 16; ++step)
        {
            const size_t from = m_Voice.m_Said.size();
            Frame(SDL_KEYDOWN, way);
            for (int frame = 0; frame < 3; ++frame)
                Frame();
            Frame(SDL_KEYUP, way);
            for (int frame = 0; frame < kReaction; ++frame)
                Frame();
            for (size_t i = from; i < m_Voice.m_Said.size(); ++i)
            {
                if (m_Voice.m_Said[i].m_Line == name)
                    return true;
            }
        }
        return false;
    }

    PlayDriver m_Play;
    PacedVoice m_Voice;
    std::map<std::string, BaseObject*> m_Things;
    std::string m_Folder;
    std::string m_Config;
};

} // namespace

TEST_F(ByEarTest, EveryThingInBothRoomsIsFoundByEarAndUsedAndItsStateHeard)
{
    // First the room he stands in and every key, whole, heard to its end.
    EXPECT_EQ("Flatmates, in the kitchen. the left arrow and the right arrow walk, space uses, W says where "
              "you are, L repeats, print screen pauses, scroll lock turns the sound off, right super speech, "
              "escape ends the visit.",
              Hear(0));
    std::map<std::string, int> used;
    std::vector<std::string> rooms;
    SDLKey way = SDLK_LEFT;
    Frame(SDL_KEYDOWN, way);
    size_t next = m_Voice.m_Said.size();
    // Until both rooms are crossed and every thing in them used; the visit
    // lasts five minutes at most.
    while (m_Play.Frames() < 280 * 60 && (used.size() < 12 || rooms.size() < 2))
    {
        // Whatever begins to be said, he stops to listen to.
        ASSERT_FALSE(Hear(next, 0).empty()) << "nothing said for a minute";
        Frame(SDL_KEYUP, way);
        const std::string line = Hear(next++);
        if (line.compare(0, 5, "into ") == 0)
            rooms.push_back(line);
        // At the end of the room he turns round.
        if (line.find(" wall") != std::string::npos)
            way = way == SDLK_LEFT ? SDLK_RIGHT : SDLK_LEFT;
        const auto thing = m_Things.find(line);
        if (thing == m_Things.end() || used.count(line) != 0)
        {
            Frame(SDL_KEYDOWN, way);
            continue;
        }
        // A thing not used yet, heard late: ask where it is, and creep back
        // towards it until its name is said again.
        for (int asked = 0; asked < 5; ++asked)
        {
            Press(SDLK_w);
            const size_t answer = m_Voice.m_Said.size() - 1;
            const std::string& where = m_Voice.m_Said[answer].m_Line;
            const size_t within = where.find("Within reach: " + line + ".");
            // Listened to as far as what is in reach, or as far as the
            // sides when nothing is: then it is behind him.
            Hear(answer,
                 within != std::string::npos ? within + 14 + line.size() : where.find("To your") + 13);
            if (within != std::string::npos)
                break;
            ASSERT_NE(std::string::npos, Listed(where, line)) << where;
            if (CreepTowards(line, way == SDLK_LEFT ? SDLK_RIGHT : SDLK_LEFT))
                break;
        }
        const size_t before = m_Voice.m_Said.size();
        Press(SDLK_SPACE);
        const BaseObject& object = *thing->second;
        used[line] = object.m_UseCount;
        // The state said straight after the use is the thing's own.
        const std::string state = Hear(before);
        EXPECT_EQ(0u, state.find(object.GetSpokenState(object.m_On) != nullptr
                                     ? object.GetSpokenState(object.m_On)
                                     : "* A tomato"))
            << line << ": " << state;
        // What the flatmate says of it is heard out before walking on, or
        // the next name would wait behind it.
        while (m_Voice.IsSpeaking())
            Frame();
        next = m_Voice.m_Said.size();
        Frame(SDL_KEYDOWN, way);
    }
    EXPECT_EQ(
        (std::vector<std::string>{"into the living room, your flatmate to your left", "into the kitchen"}),
        rooms);
    for (const auto& thing : m_Things)
    {
        if (thing.second->GetOffIcon() != nullptr)
        {
            EXPECT_EQ(1, used[thing.first]) << thing.first << " was never used by ear";
        }
    }
}

TEST_F(ByEarTest, EachUseIsFollowedByTheThingsNewStateAndTheFlatsLights)
{
    SpeechLog heard;
    // Each thing used twice: the last line each use makes. The first turns
    // it on (the light switch darkens the flat), the second off again (the
    // drink stays open).
    const char* const cases[][3] = {
        {"the lamp's plug", "on, the lamp lights up", "off, the lamp goes out"},
        {"the television's plug", "on", "off"},
        {"the record player's plug", "on, the music stops", "off, the music plays again"},
        {"the toaster's plug", "on", "off"},
        {"the tomato", "* A tomato, nothing more. *", "* A tomato, nothing more. *"},
        {"the kitchen sink", "on", "off"},
        {"the toaster", "on", "off"},
        {"the drink", "open", "open"},
        {"the clock", "on", "off"},
        {"the lamp", "on", "off"},
        {"the pills", "on", "off"},
        {"the light switch", "on, the lights go out in the flat", "off, the lights come on in the flat"},
    };
    for (const auto& c : cases)
    {
        const std::string thing = c[0];
        BaseObject* object = m_Things.at(thing);
        StateTest::getInstance()->SetRoom(object->GetRoomLetter());
        const float middle = (object->m_ColStart + object->m_ColEnd) / 2.0f;
        StateTest::getInstance()->GetPlayer()->SetPos(
            middle - (Player::kReachLeft + Player::kReachRight) / 2.0f, START_Y);
        Frame();
        ASSERT_EQ(object, StateTest::getInstance()->GetPlayer()->GetCurrObj()) << thing;
        for (const int use : {1, 2})
        {
            heard.m_Lines.clear();
            Press(SDLK_SPACE);
            ASSERT_FALSE(heard.m_Lines.empty()) << thing;
            EXPECT_EQ(c[use], heard.m_Lines.back()) << thing << " use " << use;
            EXPECT_EQ(use == 1 || thing == "the drink", object->m_On) << thing;
            EXPECT_EQ(use == 1 && thing == "the light switch", StateTest::getInstance()->IsDark()) << thing;
        }
    }
}
