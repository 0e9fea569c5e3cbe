// The program around the game at its input door: its keys decided once per
// press before the game sees anything; the pause that freezes play; the
// screen mode; and the settings they keep.

#include "app/Program.h"

#include "GameTest.h"
#include "StandInPad.h"
#include "TestSupport.h"
#include "TestVoice.h"
#include "app/GameLoop.h"
#include "app/ScreenMode.h"
#include "app/ScreenReader.h"
#include "app/WaitClock.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "core/RecordingState.h"
#include "gfx/TextObject.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{

class ProgramTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        Program::getInstance()->Attach();
        GameMain::getInstance()->SwapState(&m_State);
    }
    void TearDown() override
    {
        // The frames below hand out no play time of their own (dt 0).
        EXPECT_EQ(0.0f, GameMain::getInstance()->GetElapsedTime());
        if (!m_Folder.empty())
            std::system(("rm -rf " + m_Folder).c_str());
        GameTest::TearDown();
    }

    // One frame of the loop with the frame time given.
    void Frame(float dt = 0.0f) { GameLoop::Step(dt, 0); }
    void Press(SDLKey sym, SDLMod mod = KMOD_NONE)
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = sym;
        event.key.keysym.mod = mod;
        ASSERT_EQ(0, SDL_PushEvent(&event));
        Frame();
    }
    void Release(SDLKey sym)
    {
        ASSERT_TRUE(testsupport::PushKey(SDL_KEYUP, sym));
        Frame();
    }
    void Tap(SDLKey sym)
    {
        Press(sym);
        Release(sym);
    }
    void Focus(Uint8 gain, Uint8 state)
    {
        SDL_Event event{};
        event.type = SDL_ACTIVEEVENT;
        event.active.type = SDL_ACTIVEEVENT;
        event.active.gain = gain;
        event.active.state = state;
        ASSERT_EQ(0, SDL_PushEvent(&event));
        Frame();
    }
    static bool Paused() { return GameMain::getInstance()->IsPaused(); }
    // The last event the state was handed, as "down left" or "up p".
    std::string LastInput() const
    {
        if (m_State.m_Inputs.empty())
            return "none";
        const SDL_KeyboardEvent& key = m_State.m_Inputs.back();
        if (key.type != SDL_KEYDOWN && key.type != SDL_KEYUP)
            return "other";
        return std::string(key.type == SDL_KEYDOWN ? "down " : "up ") + SDL_GetKeyName(key.keysym.sym);
    }
    // Settings kept in a fresh folder from now on.
    std::string KeepSettings()
    {
        m_Folder = testsupport::MakeTempFolder();
        const std::string path = m_Folder + "/flatmates/settings.ini";
        Program::getInstance()->LoadSettings(path);
        Program::getInstance()->Start();
        return path;
    }
    static std::string ReadAll(const std::string& path)
    {
        std::ifstream file(path);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::vector<std::string> m_Log;
    RecordingState m_State{"state", &m_Log};
    std::string m_Folder;
};

} // namespace

TEST_F(ProgramTest, PauseFreezesPlayTimeAndTheFrameAfterResumingGetsNoPausedTime)
{
    GameMain* game = GameMain::getInstance();
    Frame();
    Press(SDLK_p);
    ASSERT_TRUE(Paused());
    m_Log.clear();
    // Long paused frames: no update, no play time, the limit never comes
    // nearer, however long the pause.
    for (int frame = 0; frame < 5; ++frame)
        game->GameUpdate(1000.0f, 0);
    EXPECT_EQ(0.0f, game->GetElapsedTime());
    EXPECT_EQ(std::vector<std::string>{}, m_Log);

    Release(SDLK_p);
    // The frame that resumes spans paused time since the frame before: it
    // counts none.
    m_Log.clear();
    ASSERT_TRUE(testsupport::PushKey(SDL_KEYDOWN, SDLK_p));
    Frame(1000.0f);
    EXPECT_FALSE(Paused());
    EXPECT_EQ(0.0f, m_State.m_LastDt);
    EXPECT_EQ(0.0f, game->GetElapsedTime());
    EXPECT_EQ((std::vector<std::string>{"state.HandleInput", "state.Update"}), m_Log);
    // The next one is play again.
    game->GameUpdate(0.0f, 0);
    EXPECT_EQ(3u, m_Log.size());
}

TEST_F(ProgramTest, AHeldKeyActsOncePerPress)
{
    Press(SDLK_p);
    EXPECT_TRUE(Paused());
    // However it comes (a held key, a repeat some systems send), a press
    // without a release in between does not count again.
    for (int frame = 0; frame < 5; ++frame)
        Frame();
    Press(SDLK_p);
    EXPECT_TRUE(Paused());
    Release(SDLK_p);
    Frame();
    EXPECT_TRUE(Paused());
    Press(SDLK_p);
    EXPECT_FALSE(Paused());

    Press(SDLK_m);
    Press(SDLK_m);
    Frame();
    EXPECT_TRUE(Program::getInstance()->GetSound().IsMuted());
    Release(SDLK_m);
    Tap(SDLK_m);
    EXPECT_FALSE(Program::getInstance()->GetSound().IsMuted());
}

TEST_F(ProgramTest, TheGameNeverSeesTheProgramsKeysAndGetsItsLastEventAgain)
{
    Press(SDLK_LEFT);
    EXPECT_EQ("down left", LastInput());
    const size_t before = m_State.m_Inputs.size();
    Tap(SDLK_m);
    Tap(SDLK_MINUS);
    Tap(SDLK_EQUALS);
    Tap(SDLK_KP_MINUS);
    Tap(SDLK_KP_PLUS);
    // One event a frame still: each of those frames handed the last event
    // of the game's own on again.
    ASSERT_EQ(before + 10, m_State.m_Inputs.size());
    for (size_t frame = before; frame < m_State.m_Inputs.size(); ++frame)
    {
        EXPECT_EQ(SDL_KEYDOWN, m_State.m_Inputs[frame].type);
        EXPECT_EQ(SDLK_LEFT, m_State.m_Inputs[frame].keysym.sym);
    }
    EXPECT_EQ(SDLK_LEFT, EventHandler::getInstance()->GetEvent()->key.keysym.sym);
    // Enter alone is the game's, as any other key.
    Press(SDLK_RETURN);
    EXPECT_EQ("down return", LastInput());
    Release(SDLK_RETURN);
    EXPECT_EQ("up return", LastInput());
}

TEST_F(ProgramTest, WhilePausedTheGameHearsNothingAndLearnsTheArrowsOnResuming)
{
    Press(SDLK_LEFT);
    Press(SDLK_p);
    m_State.m_Inputs.clear();
    // Let go of the arrow, press and let go of space: all held back.
    Release(SDLK_LEFT);
    Tap(SDLK_SPACE);
    Frame();
    EXPECT_TRUE(m_State.m_Inputs.empty());
    EXPECT_EQ(SDLK_LEFT, EventHandler::getInstance()->GetEvent()->key.keysym.sym);

    Release(SDLK_p);
    Press(SDLK_p);
    ASSERT_FALSE(Paused());
    // The arrow is up now; the game is told so, and he stops.
    Frame();
    EXPECT_EQ("up left", LastInput());
    Frame();
    EXPECT_EQ("up left", LastInput());

    // Turned round in the pause: the release comes first, or he would slide
    // on with both arrows held.
    Release(SDLK_p);
    Press(SDLK_RIGHT);
    Tap(SDLK_p);
    Release(SDLK_RIGHT);
    Press(SDLK_LEFT);
    Press(SDLK_p);
    Frame();
    EXPECT_EQ("up right", LastInput());
    Frame();
    EXPECT_EQ("down left", LastInput());
}

TEST_F(ProgramTest, EscapeAndClosingTheWindowStillEndTheRunWhilePaused)
{
    EXPECT_EXIT(
        {
            Press(SDLK_p);
            Press(SDLK_ESCAPE);
            std::exit(Paused() ? 0 : 3);
        },
        testing::ExitedWithCode(1), "");
    EXPECT_EXIT(
        {
            Press(SDLK_p);
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
            Frame();
            std::exit(Paused() ? 0 : 3);
        },
        testing::ExitedWithCode(1), "");
}

TEST_F(ProgramTest, LosingFocusOrBeingMinimisedPausesUntilTheWindowComesBack)
{
    // The pointer leaving the window is no reason to stop.
    Focus(0, SDL_APPMOUSEFOCUS);
    EXPECT_FALSE(Paused());
    Focus(0, SDL_APPINPUTFOCUS);
    EXPECT_TRUE(Paused());
    Frame();
    EXPECT_TRUE(Paused());
    Focus(1, SDL_APPINPUTFOCUS | SDL_APPMOUSEFOCUS);
    EXPECT_FALSE(Paused());
    Focus(0, SDL_APPACTIVE | SDL_APPINPUTFOCUS);
    EXPECT_TRUE(Paused());
    Focus(1, SDL_APPACTIVE);
    EXPECT_FALSE(Paused());

    // A pause the player asked for outlasts the focus going and coming.
    Tap(SDLK_p);
    Focus(0, SDL_APPINPUTFOCUS);
    Focus(1, SDL_APPINPUTFOCUS);
    EXPECT_TRUE(Paused());
    Tap(SDLK_p);
    EXPECT_FALSE(Paused());

    // P held when the window lost the keyboard: its release never comes,
    // and the next press still counts.
    Press(SDLK_p);
    Focus(0, SDL_APPINPUTFOCUS);
    Focus(1, SDL_APPINPUTFOCUS);
    ASSERT_TRUE(Paused());
    Press(SDLK_p);
    EXPECT_FALSE(Paused());
    Release(SDLK_p);
    // Focus events are the program's: the game does not see them.
    for (const SDL_KeyboardEvent& input : m_State.m_Inputs)
        EXPECT_NE(SDL_ACTIVEEVENT, input.type);
}

TEST_F(ProgramTest, F11AndAltEnterSwitchBetweenWindowAndFullscreen)
{
    GameMain* game = GameMain::getInstance();
    game->SetSurface(SDL_SetVideoMode(1024, 768, 32, GameMain::ScreenFlags(false)));
    ASSERT_NE(nullptr, game->getSurface());
    EXPECT_FALSE(ScreenMode::IsFullscreen(game->getSurface()));

    Tap(SDLK_F11);
    ASSERT_NE(nullptr, game->getSurface());
    EXPECT_TRUE(ScreenMode::IsFullscreen(game->getSurface()));
    EXPECT_EQ(game->getSurface(), SDL_GetVideoSurface()) << "the game draws to the screen shown";
    EXPECT_EQ(1024, game->getSurface()->w);
    EXPECT_EQ(768, game->getSurface()->h);
    EXPECT_EQ(0u, testsupport::PixelAt(game->getSurface(), 512, 700)) << "the new screen starts black";

    Press(SDLK_RETURN, KMOD_LALT);
    Release(SDLK_RETURN);
    EXPECT_FALSE(ScreenMode::IsFullscreen(game->getSurface()));
    EXPECT_EQ(game->getSurface(), SDL_GetVideoSurface());
    Press(SDLK_KP_ENTER, KMOD_RALT);
    EXPECT_TRUE(ScreenMode::IsFullscreen(game->getSurface()));
    EXPECT_NE("down enter", LastInput());
}

TEST_F(ProgramTest, SettingsAreWrittenOnlyWhenThePlayerChangesOne)
{
    const std::string path = KeepSettings();
    Tap(SDLK_p);
    Tap(SDLK_p);
    Tap(SDLK_EQUALS); // already at the top
    EXPECT_EQ("", ReadAll(path)) << "nothing changed, nothing written";

    Tap(SDLK_MINUS);
    Tap(SDLK_MINUS);
    Tap(SDLK_m);
    Settings kept;
    std::vector<std::string> problems;
    ASSERT_TRUE(kept.Load(path, &problems));
    EXPECT_EQ(Settings::kVolumeSteps - 2, kept.m_Volume);
    EXPECT_TRUE(kept.m_Muted);
    EXPECT_FALSE(kept.m_Fullscreen);

    // The next run starts with them.
    Program::ResetInstance();
    Program::getInstance()->LoadSettings(path);
    Program::getInstance()->Start();
    EXPECT_TRUE(Program::getInstance()->GetSound().IsMuted());
    EXPECT_EQ(Settings::kVolumeSteps - 2, Program::getInstance()->GetSound().GetVolume());
    // Turning the volume while muted turns the sound back on.
    Tap(SDLK_KP_PLUS);
    ASSERT_TRUE(kept.Load(path, &problems));
    EXPECT_EQ(std::vector<std::string>{}, problems);
    EXPECT_FALSE(kept.m_Muted);
    EXPECT_EQ(Settings::kVolumeSteps - 1, kept.m_Volume);
}

TEST_F(ProgramTest, SettingsThatCannotBeKeptAreReportedOnceAndPlayGoesOn)
{
    m_Folder = testsupport::MakeTempFolder();
    std::ofstream(m_Folder + "/plain") << "not a folder";
    testing::internal::CaptureStderr();
    Program::getInstance()->LoadSettings(m_Folder + "/plain/flatmates/settings.ini");
    Program::getInstance()->Start();
    Tap(SDLK_m);
    Tap(SDLK_m);
    Tap(SDLK_MINUS);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Program::getInstance()->GetSound().IsMuted() == false);
    EXPECT_EQ(Settings::kVolumeSteps - 1, Program::getInstance()->GetSound().GetVolume());
    // No file there is a first start; one line for the first change that
    // could not be written, nothing more.
    EXPECT_EQ(1, std::count(said.begin(), said.end(), '\n')) << said;
    EXPECT_NE(std::string::npos, said.find("not kept")) << said;
}

TEST_F(ProgramTest, ASoundChangeShowsInTheCornerForTwoSeconds)
{
    testsupport::UseRepositoryContent();
    ASSERT_EQ(0, TTF_Init());
    Program* program = Program::getInstance();
    program->Start();
    ASSERT_NE(nullptr, program->GetOverlay().GetPauseLine());
    EXPECT_EQ("Paused", program->GetOverlay().GetPauseLine()->GetText());
    EXPECT_EQ(0.0f, program->GetOverlay().GetNoticeTimeLeft());

    Tap(SDLK_MINUS);
    EXPECT_EQ("Volume 7/8", program->GetOverlay().GetNotice()->GetText());
    Tap(SDLK_m);
    EXPECT_EQ("Sound off", program->GetOverlay().GetNotice()->GetText());
    EXPECT_FLOAT_EQ(2.0f, program->GetOverlay().GetNoticeTimeLeft());
    // In the top right corner, clear of the room.
    ASSERT_NE(nullptr, program->GetOverlay().GetNotice()->GetSurface());
    EXPECT_LT(program->GetOverlay().GetNotice()->GetLeft() +
                  program->GetOverlay().GetNotice()->GetSurface()->w,
              1024.0f);
    EXPECT_GT(program->GetOverlay().GetNotice()->GetLeft(), 512.0f);
    EXPECT_LT(program->GetOverlay().GetNotice()->GetTop() +
                  program->GetOverlay().GetNotice()->GetSurface()->h,
              320.0f);

    // It counts down in real time, paused or not.
    Tap(SDLK_p);
    program->Update(1.5f);
    EXPECT_GT(program->GetOverlay().GetNoticeTimeLeft(), 0.0f);
    program->Update(0.6f);
    EXPECT_LE(program->GetOverlay().GetNoticeTimeLeft(), 0.0f);
    Tap(SDLK_m); // leave the sound on
    Program::ResetInstance();
    TTF_Quit();
}

TEST_F(ProgramTest, KeysChosenInTheSettingsReachTheGameAsTheDefaultOnesAndRefusalsAreSaidOnce)
{
    const std::string line = "flatmates: settings.ini line ";
    const struct
    {
        const char* file;
        std::string said; // on stderr at start
        SDLKey press;
        bool pushed; // by the program (the pad, the arrows handed back)
        const char* seen;
    } cases[] = {
        {"key.left=A\n", "", SDLK_a, false, "down left"},
        {"key.left=a\n", "", SDLK_LEFT, false, "down unknown key"},
        {"key.left=a\n", "", SDLK_LEFT, true, "down left"},
        {"key.pause=q\n", "", SDLK_q, false, "paused"},
        {"key.use=return\n", "", SDLK_RETURN, false, "down space"},
        // Swapped: an action with a key of its own gives up its default.
        {"key.left=right\nkey.right=left\n", "", SDLK_RIGHT, false, "down left"},
        {"mute=0\nkey.use=spcae\n", line + "2: \"key.use=spcae\" names no key; use keeps its default\n",
         SDLK_SPACE, false, "down space"},
        {"key.use=left\n", line + "1: \"key.use=left\" gives left to two actions; use keeps its default\n",
         SDLK_LEFT, false, "down left"},
        {"key.right=d\nkey.use=D\n",
         line + "2: \"key.use=D\" gives d to two actions; use keeps its default\n", SDLK_d, false,
         "down right"},
        {"key.pause=Escape\n",
         line + "1: \"key.pause=Escape\" takes escape, which always ends the run; pause keeps its default\n",
         SDLK_p, false, "paused"},
        // Right keeps its default, so left cannot have it either.
        {"key.right=\x1b[2J\nkey.left=right\n",
         line + "1: \"key.right=\\x1b[2J\" names no key; right keeps its default\n" + line +
             "2: \"key.left=right\" gives right to two actions; left keeps its default\n",
         SDLK_RIGHT, false, "down right"},
    };
    m_Folder = testsupport::MakeTempFolder();
    for (const auto& c : cases)
    {
        std::ofstream(m_Folder + "/settings.ini") << c.file;
        Program::ResetInstance();
        Program::getInstance()->LoadSettings(m_Folder + "/settings.ini");
        testing::internal::CaptureStderr();
        Program::getInstance()->Start();
        EXPECT_EQ(c.said, testing::internal::GetCapturedStderr()) << c.file;
        if (c.pushed)
            EventHandler::PushKey(true, c.press);
        else
            ASSERT_TRUE(testsupport::PushKey(SDL_KEYDOWN, c.press));
        Frame();
        EXPECT_EQ(c.seen, Paused() ? "paused" : LastInput()) << c.file;
        // The door keeps the event as the game was handed it.
        EXPECT_EQ(m_State.m_Inputs.back().keysym.sym,
                  EventHandler::getInstance()->GetEvent()->key.keysym.sym);
    }
}

TEST_F(ProgramTest, APausedGameWaitsForThePadTheNoticeOrALineToSay)
{
    // A clock on which the wait's sleeps pass at once; at each the case may
    // change the world, and past a minute a key ends a wait that would
    // otherwise never end.
    struct InstantClock : WaitClock
    {
        Uint32 Now() override { return m_Now; }
        void Sleep(Uint32 ms) override
        {
            m_Now += ms;
            m_Then(m_Now);
            if (m_Now > 60000)
                testsupport::PushKey(SDL_KEYDOWN, SDLK_x);
        }
        Uint32 m_Now = 0;
        std::function<void(Uint32)> m_Then;
    } clock;
    auto waited = [&clock](std::function<void(Uint32)> then)
    {
        clock.m_Now = 0;
        clock.m_Then = std::move(then);
        GameLoop::WaitWhilePaused(clock);
        return clock.m_Now;
    };
    StandInPad pad;
    TestVoice voice;
    Program* program = Program::getInstance();
    program->GetPad().SetDevice(&pad);
    program->SetVoice(&voice);
    program->GetSpeech().SetOn(true);

    // Paused with Start, and resumed with it: the wait reads the pad.
    for (const bool start : {true, false})
    {
        pad.m_Reading.start = start;
        Frame();
    }
    ASSERT_TRUE(Paused());
    EXPECT_EQ(500u, waited([&pad](Uint32 now) { pad.m_Reading.start = now >= 500; }));
    Frame();
    EXPECT_FALSE(Paused());
    pad.m_Reading.start = false;
    voice.m_Speaking = false;
    Frame();

    // Paused while "Resumed" is being said: "Paused" once the voice is free.
    Tap(SDLK_p);
    EXPECT_EQ(300u, waited([&voice](Uint32 now) { voice.m_Speaking = now < 300; }));
    Frame();
    EXPECT_EQ("Paused", voice.m_Said.back());

    // The sound changed while paused: its notice goes after its two
    // seconds, with no event coming.
    voice.m_Speaking = false;
    Tap(SDLK_m);
    Frame();
    EXPECT_EQ(2000u, waited([](Uint32) {}));
    Frame(2.0f);
    EXPECT_LE(program->GetOverlay().GetNoticeTimeLeft(), 0.0f);
    Tap(SDLK_m);
    Tap(SDLK_p);
    program->SetVoice(nullptr);
}

TEST_F(ProgramTest, TheScreenReadersWordTurnsSpeechOnUnlessThePlayerChoseOtherwise)
{
    const std::string path = KeepSettings();
    const auto screenReaderOn = [this]()
    {
        SDL_Event event{};
        event.type = SDL_USEREVENT;
        event.user.code = ScreenReader::kOnEvent;
        ASSERT_EQ(0, SDL_PushEvent(&event));
        Frame();
    };
    screenReaderOn();
    EXPECT_TRUE(Program::getInstance()->GetSpeech().IsOn());
    EXPECT_EQ("", ReadAll(path)) << "no choice of the player's, nothing written";
    // Turned off by the player, it stays off however the desktop reads.
    Tap(SDLK_t);
    EXPECT_NE(std::string::npos, ReadAll(path).find("\nspeech=0\n"));
    Program::ResetInstance();
    Program::getInstance()->LoadSettings(path);
    Program::getInstance()->Start();
    screenReaderOn();
    EXPECT_FALSE(Program::getInstance()->GetSpeech().IsOn());
}
