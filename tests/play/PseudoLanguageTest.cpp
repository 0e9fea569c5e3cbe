// A visit in the pseudo-language, whose every text is bracketed: each
// caption, notice and spoken line the player meets must be made of
// bracketed words only. A word outside brackets never went through the
// catalogue, and would stay English in every language.

#include "GameTest.h"
#include "SpeechLog.h"
#include "TestSupport.h"
#include "actors/Player.h"
#include "app/CommandLine.h"
#include "app/GameLoop.h"
#include "app/Program.h"
#include "core/Words.h"
#include "gfx/FontRender.h"
#include "gfx/TextObject.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/PlayConstants.h"
#include "play/PlayDriver.h"

#include <SDL.h>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace
{

// What is left of a text once every bracketed part is taken out.
std::string Unbracketed(const std::string& text)
{
    std::string left;
    int depth = 0;
    for (const char c : text)
    {
        depth += c == '[' ? 1 : 0;
        if (depth == 0)
            left += c;
        depth -= c == ']' && depth > 0 ? 1 : 0;
    }
    return left;
}

class PseudoLanguageTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        m_Folder = testsupport::MakeTempFolder();
        setenv("XDG_CONFIG_HOME", m_Folder.c_str(), 1);
        setenv("FLATMATES_LOCALE_DIR", FLATMATES_PSEUDO_LOCALE_DIR, 1);
        testsupport::UseRepositoryContent();
        char program[] = "flatmates";
        char language[] = "--language=qps";
        char speech[] = "--speech";
        char* argv[] = {program, language, speech};
        CommandLine line;
        ASSERT_TRUE(line.Parse(3, argv));
        GameLoop().Start(line);
        ASSERT_EQ("qps", Words::Language());
    }
    void TearDown() override
    {
        std::system(("rm -rf " + m_Folder).c_str());
        GameTest::TearDown();
    }

    // One frame; every text on the screen is noted.
    void Frame(Uint8 type = SDL_NOEVENT, SDLKey sym = SDLK_UNKNOWN)
    {
        if (type != SDL_NOEVENT)
        {
            EXPECT_TRUE(PlayDriver::Push(type, sym));
        }
        m_Play.Frame();
        for (const FontRender::Data& caption : FontRender::getInstance()->GetTexts())
            m_Met.insert(caption.m_Object->GetText());
        const ProgramOverlay& overlay = Program::getInstance()->GetOverlay();
        for (const TextObject* text : {overlay.GetNotice(), overlay.GetPauseLine()})
        {
            if (text != nullptr && !text->GetText().empty())
                m_Met.insert(text->GetText());
        }
    }
    void Press(SDLKey sym)
    {
        Frame(SDL_KEYDOWN, sym);
        Frame(SDL_KEYUP, sym);
    }
    void Walk(SDLKey sym, int frames)
    {
        Frame(SDL_KEYDOWN, sym);
        for (int frame = 0; frame < frames; ++frame)
            Frame();
        Frame(SDL_KEYUP, sym);
    }

    PlayDriver m_Play;
    SpeechLog m_Heard;
    std::set<std::string> m_Met;
    std::string m_Folder;
};

} // namespace

TEST_F(PseudoLanguageTest, EveryWordTheVisitShowsOrSaysWentThroughTheCatalogue)
{
    // Every thing used as often as its flatmate has something to say.
    for (BaseObject* object : CollisionSystem::getInstance()->GetObjects())
    {
        if (object->GetOffIcon() == nullptr)
            continue;
        StateTest::getInstance()->SetRoom(object->GetRoomLetter());
        const float middle = (object->m_ColStart + object->m_ColEnd) / 2.0f;
        StateTest::getInstance()->GetPlayer()->SetPos(
            middle - (Player::kReachLeft + Player::kReachRight) / 2.0f, START_Y);
        Frame();
        for (int use = 0; use < 20; ++use)
            Press(SDLK_SPACE);
        Press(SDLK_w);
        Press(SDLK_l);
    }
    // Both walls and both passages.
    StateTest::getInstance()->SetRoom('a');
    StateTest::getInstance()->GetPlayer()->SetPos(880.0f, START_Y);
    Walk(SDLK_RIGHT, 60);
    StateTest::getInstance()->GetPlayer()->SetPos(10.0f, START_Y);
    Walk(SDLK_LEFT, 13 * 60);
    Walk(SDLK_RIGHT, 14 * 60);
    // The program's own lines and notices.
    for (const SDLKey key : {SDLK_p, SDLK_p, SDLK_MINUS, SDLK_m, SDLK_m, SDLK_t, SDLK_t})
        Press(key);
    for (int frame = 0; frame < 200; ++frame)
        Frame();

    for (const std::string& line : m_Heard.m_Lines)
        m_Met.insert(line.compare(0, 6, "reach ") == 0 ? line.substr(6) : line);
    EXPECT_GT(m_Met.size(), 40u) << "the visit met too little to judge";
    for (const std::string& text : m_Met)
    {
        const std::string left = Unbracketed(text);
        for (const char c : left)
            EXPECT_FALSE(std::isalpha(static_cast<unsigned char>(c)) != 0)
                << "\"" << text << "\" has \"" << left << "\"";
    }
}
