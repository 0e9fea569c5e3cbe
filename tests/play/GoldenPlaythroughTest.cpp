// The whole flat played from one fixed script, a frame at a time, with the
// picture of every frame and every sound the game asks for compared with
// what is recorded in tests/play/golden/: whatever changes what the player
// sees or hears shows up here, at the frame where it starts.
//
// The mixer is moved on by the script's own frame time (LockstepMixer), so
// the sounds end, and free their channels, at the same frames on every run.
//
// After a deliberate change, record both again with `make goldens`.
// FLATMATES_GOLDEN_BMP=<file.bmp> keeps the first frame that differs, to look
// at.

#include "GameTest.h"
#include "LockstepMixer.h"
#include "SoundLog.h"
#include "SpeechLog.h"
#include "actors/Player.h"
#include "objects/BaseObject.h"
#include "play/PlayDriver.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace
{

// The visit, one step a line (what follows '#' is a comment):
//   left N, right N    hold the arrow for N frames, then let go (a frame more)
//   wait N             N frames without a key
//   use NAME [TIMES]   press and release the space bar, two frames a time, at
//                      NAME, which must be the object within reach
//   press r            press and release the time-jump key, which does nothing
//   room a, room b     check which room is shown (takes no frame)
//   dark, lit          check the lights (takes no frame)
// The man walks 4/3 pixels a frame.
const char* const kScript = R"(
# The kitchen, from where the man starts (x 822) leftwards.
wait 30
left 212            # to x 539
use Tomato
wait 40
use Tomato          # a second caption over the first
wait 120
left 180            # to x 299
use Drink           # for good: its picture stays from now on
wait 60
press r
wait 20
left 91             # to x 178
use Outlet4         # the toaster's plug comes out
wait 30
left 51             # to x 110
use Toaster 2
wait 60
left 75             # to x 10
use Sink            # the water runs
wait 90
use Sink
wait 20
use Sink            # and runs on
wait 30

# Through the hallway on the left into the living room, at its far door.
left 48
room b
use Outlet2         # the television
wait 60
left 188            # to x 645, past the television
use Pills
wait 100
left 56             # to x 570
use Outlet3         # the music stops
wait 190
use Outlet3         # "...Thanks" and it plays again
wait 70
use Outlet3
wait 100
use Outlet3
wait 40
left 30             # to x 530
use Outlet1 3       # the lamp's plug, and its light with it
wait 100
left 30             # to x 490
use Lamp 2          # the lamp goes by its own switch
wait 30
left 187            # to x 240, past the flatmate, who turns round
use LightSwitch1
dark
wait 90
left 112            # to x 90
use Clock 3
wait 200
right 112           # back to the switch
use LightSwitch1 8  # flickering, and left dark
dark
wait 20
use LightSwitch1    # the tenth use: "Thats getting annoying", and light
lit
wait 120
use LightSwitch1
dark
wait 40

# Through the hallway on the right into the kitchen, in the dark.
right 520
room a
dark
wait 30
use Sink            # the sink, still running, is turned off
wait 40
right 220           # past the toaster and its plug to the drink's glow
wait 60
left 240
wait 30

# Back to the living room to light the flat up again.
left 40
room b
left 495            # to the switch from the far door
use LightSwitch1
lit
wait 150
)";

struct Step
{
    int m_Line;
    std::string m_Text;
    std::string m_Verb;
    std::string m_Word;
    int m_Count;
};

std::vector<Step> ParseScript(const char* script)
{
    std::vector<Step> steps;
    std::istringstream lines(script);
    std::string text;
    for (int line = 1; std::getline(lines, text); ++line)
    {
        std::istringstream words(text.substr(0, text.find('#')));
        std::string tidy;
        for (std::istringstream all(text); all >> std::ws && !all.eof();)
        {
            std::string word;
            all >> word;
            tidy += (tidy.empty() ? "" : " ") + word;
        }
        Step step{line, tidy, "", "", 1};
        if (!(words >> step.m_Verb))
            continue;
        if (step.m_Verb == "use" || step.m_Verb == "press" || step.m_Verb == "room")
            words >> step.m_Word;
        words >> step.m_Count;
        steps.push_back(step);
    }
    return steps;
}

// FNV-1a (64-bit) over the frame, two pixels at a time. Only the colour bits
// of a pixel count: the rest is never seen.
std::uint64_t ScreenHash(SDL_Surface* screen)
{
    const std::uint64_t colour = screen->format->Rmask | screen->format->Gmask | screen->format->Bmask;
    const std::uint64_t twoColours = colour | colour << 32;
    const std::uint64_t prime = 1099511628211ull;
    std::uint64_t hash = 14695981039346656037ull;
    SDL_LockSurface(screen);
    for (int y = 0; y < screen->h; ++y)
    {
        const Uint8* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
        int x = 0;
        for (; x + 1 < screen->w; x += 2)
        {
            std::uint64_t pixels = 0;
            std::memcpy(&pixels, row + 4 * x, sizeof(pixels));
            hash = (hash ^ (pixels & twoColours)) * prime;
        }
        if (x < screen->w)
        {
            Uint32 pixel = 0;
            std::memcpy(&pixel, row + 4 * x, sizeof(pixel));
            hash = (hash ^ (pixel & colour)) * prime;
        }
    }
    SDL_UnlockSurface(screen);
    return hash;
}

// Both SDL 1.2 providers (classic SDL and sdl12-compat) draw every frame of
// the script alike and play the same sounds, so one recording serves both.
std::string GoldenPath()
{
    return std::string(FLATMATES_SOURCE_DIR) + "/tests/play/golden/playthrough.txt";
}

std::string GoldenSoundsPath()
{
    return std::string(FLATMATES_SOURCE_DIR) + "/tests/play/golden/sounds.txt";
}

std::string GoldenSpeechPath()
{
    return std::string(FLATMATES_SOURCE_DIR) + "/tests/play/golden/speech.txt";
}

// Which SDL 1.2 is playing, for the reports.
std::string Provider()
{
    const SDL_version* version = SDL_Linked_Version();
    return "SDL " + std::to_string(version->major) + "." + std::to_string(version->minor) + "." +
           std::to_string(version->patch);
}

std::vector<std::uint64_t> ReadGolden(const std::string& path)
{
    std::vector<std::uint64_t> hashes;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
    {
        unsigned long long hash = 0;
        if (!line.empty() && line[0] != '#' && std::sscanf(line.c_str(), "%*d %llx", &hash) == 1)
            hashes.push_back(hash);
    }
    return hashes;
}

// The lines of a recording, less its comments.
std::vector<std::string> ReadGoldenLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
    {
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    }
    return lines;
}

const char* const kSoundsHeader =
    "# The scripted playthrough of tests/play/GoldenPlaythroughTest.cpp, heard: every call that\n"
    "# reached the mixer through the sound manager, one a line, after the frame that made it (0\n"
    "# for the start-up). Channels are the ones the mixer handed out. Recorded by `make goldens`.\n";
const char* const kSpeechHeader =
    "# The scripted playthrough of tests/play/GoldenPlaythroughTest.cpp, said: every line the\n"
    "# program's speech says, after the frame that made it (\"reach\": what came within reach).\n"
    "# Recorded by `make goldens`.\n";

bool WriteGoldenLines(const std::string& path, const char* header, const std::vector<std::string>& lines)
{
    std::ofstream file(path);
    file << header;
    for (const std::string& line : lines)
        file << line << '\n';
    return static_cast<bool>(file);
}

// The frame a line of the sound log belongs to.
size_t FrameOf(const std::string& line)
{
    return static_cast<size_t>(std::strtoul(line.c_str(), nullptr, 10));
}

bool WriteGolden(const std::string& path, const std::vector<std::uint64_t>& hashes)
{
    std::ofstream file(path);
    file << "# The scripted playthrough of tests/play/GoldenPlaythroughTest.cpp, one line a frame:\n"
            "# the frame's number and the FNV-1a hash of its picture. Recorded by `make goldens`.\n";
    char line[40];
    for (size_t i = 0; i < hashes.size(); ++i)
    {
        std::snprintf(line, sizeof(line), "%zu %016llx\n", i + 1, static_cast<unsigned long long>(hashes[i]));
        file << line;
    }
    return static_cast<bool>(file);
}

class GoldenPlaythroughTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PlayDriver::StartGame());
        ASSERT_TRUE(m_Mixer.Holds()) << "the game opened no audio device";
        TakeSounds();
        // The hash reads the screen as 32-bit pixels.
        ASSERT_EQ(4, GameMain::getInstance()->getSurface()->format->BytesPerPixel);
        // Whatever SDL queued while the window opened differs between the
        // providers; the script starts from an empty queue on both.
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0)
        {
        }
        m_Recording = std::getenv("FLATMATES_RECORD_GOLDENS") != nullptr;
        if (!m_Recording)
        {
            m_Golden = ReadGolden(GoldenPath());
            m_GoldenSounds = ReadGoldenLines(GoldenSoundsPath());
            m_GoldenSpeech = ReadGoldenLines(GoldenSpeechPath());
        }
    }

    // Moves what the sound manager was asked since the last frame into the
    // log, under the number of the frame played last.
    void TakeSounds()
    {
        for (const std::string& line : m_Sounds.m_Lines)
            m_SoundLines.push_back(std::to_string(m_Play.Frames()) + " " + line);
        m_Sounds.Clear();
        for (const std::string& line : m_Said.m_Lines)
            m_SpeechLines.push_back(std::to_string(m_Play.Frames()) + " " + line);
        m_Said.m_Lines.clear();
    }

    // The script line that played a frame, for the reports.
    std::string StepOf(size_t frame) const
    {
        if (frame == 0 || frame > m_FrameSteps.size() || m_FrameSteps[frame - 1] == nullptr)
            return "the start-up";
        const Step* step = m_FrameSteps[frame - 1];
        return "script line " + std::to_string(step->m_Line) + ": " + step->m_Text;
    }

    // Where the lines heard (sounds or speech) first part from the recorded
    // ones, or "".
    std::string FirstDifference(const char* what, const std::vector<std::string>& lines,
                                const std::vector<std::string>& golden) const
    {
        const size_t common = std::min(lines.size(), golden.size());
        size_t i = 0;
        while (i < common && lines[i] == golden[i])
            ++i;
        if (i == lines.size() && i == golden.size())
            return "";
        const std::string heard = i < lines.size() ? lines[i] : "(nothing more)";
        const std::string recorded = i < golden.size() ? golden[i] : "(nothing more)";
        size_t frame = std::min(i < lines.size() ? FrameOf(heard) : SIZE_MAX,
                                i < golden.size() ? FrameOf(recorded) : SIZE_MAX);
        return std::string("the ") + what + " of frame " + std::to_string(frame) + " differ (" +
               StepOf(frame) + "): heard \"" + heard + "\", recorded \"" + recorded + "\"";
    }

    // Plays one step of the script; false when the game is not where the
    // script expects it.
    bool Play(const Step& step)
    {
        m_Step = &step;
        StateTest* play = StateTest::getInstance();
        if (step.m_Verb == "left" || step.m_Verb == "right")
        {
            const SDLKey arrow = step.m_Verb == "left" ? SDLK_LEFT : SDLK_RIGHT;
            Frame(SDL_KEYDOWN, arrow);
            for (int i = 1; i < step.m_Count; ++i)
                Frame();
            Frame(SDL_KEYUP, arrow);
        }
        else if (step.m_Verb == "wait")
        {
            for (int i = 0; i < step.m_Count; ++i)
                Frame();
        }
        else if (step.m_Verb == "use")
        {
            const BaseObject* reach = play->GetPlayer()->GetCurrObj();
            if (reach == nullptr || reach->GetName() != step.m_Word)
                return Lost(step, reach != nullptr ? reach->GetName() : "nothing");
            for (int i = 0; i < step.m_Count; ++i)
            {
                Frame(SDL_KEYDOWN, SDLK_SPACE);
                Frame(SDL_KEYUP, SDLK_SPACE);
            }
        }
        else if (step.m_Verb == "press" && step.m_Word == "r")
        {
            Frame(SDL_KEYDOWN, SDLK_r);
            Frame(SDL_KEYUP, SDLK_r);
        }
        else if (step.m_Verb == "room")
        {
            if (step.m_Word.size() != 1 || play->GetRoom() != step.m_Word[0])
                return Lost(step, std::string("room ") + play->GetRoom());
        }
        else if (step.m_Verb == "dark" || step.m_Verb == "lit")
        {
            if (play->IsDark() != (step.m_Verb == "dark"))
                return Lost(step, play->IsDark() ? "dark" : "lit");
        }
        else
        {
            ADD_FAILURE() << "script line " << step.m_Line << ": no such step: " << step.m_Text;
            return false;
        }
        return true;
    }

    bool Lost(const Step& step, const std::string& found)
    {
        ADD_FAILURE() << "script line " << step.m_Line << " (" << step.m_Text << ") finds " << found
                      << ", the man at x " << StateTest::getInstance()->GetPlayer()->GetX();
        return false;
    }

    // One frame, taking a key event when one is given, and its picture.
    void Frame(Uint8 type = SDL_NOEVENT, SDLKey sym = SDLK_UNKNOWN)
    {
        // Every event the game takes must be the script's: one that SDL
        // queued by itself would take a frame's event slot.
        SDL_Event pending;
        if (SDL_PeepEvents(&pending, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0 && m_ForeignEvents++ == 0)
            ADD_FAILURE() << "before frame " << m_Play.Frames() + 1 << " SDL queued an event of type "
                          << int(pending.type) << " by itself";
        if (type != SDL_NOEVENT && !PlayDriver::Push(type, sym))
            ADD_FAILURE() << "SDL refused a key event";
        m_Play.Frame();
        m_Mixer.Advance(PlayDriver::kFrameTime);
        m_FrameSteps.push_back(m_Step);
        TakeSounds();

        SDL_Surface* screen = GameMain::getInstance()->getSurface();
        m_Hashes.push_back(ScreenHash(screen));
        const size_t frame = m_Hashes.size();
        if (m_Recording || m_FirstDifference != 0 || frame > m_Golden.size() ||
            m_Golden[frame - 1] == m_Hashes.back())
            return;
        m_FirstDifference = frame;
        m_DifferenceStep = m_Step;
        if (const char* bmp = std::getenv("FLATMATES_GOLDEN_BMP"))
            SDL_SaveBMP(screen, bmp);
    }

    // Made before the game starts, so that it takes over its audio device.
    LockstepMixer m_Mixer;
    SoundLog m_Sounds;
    SpeechLog m_Said;
    PlayDriver m_Play;
    bool m_Recording = false;
    std::vector<std::string> m_GoldenSounds;
    std::vector<std::string> m_SoundLines;
    std::vector<std::string> m_GoldenSpeech;
    std::vector<std::string> m_SpeechLines;
    std::vector<const Step*> m_FrameSteps;
    std::vector<std::uint64_t> m_Golden;
    std::vector<std::uint64_t> m_Hashes;
    const Step* m_Step = nullptr;
    size_t m_FirstDifference = 0;
    const Step* m_DifferenceStep = nullptr;
    int m_ForeignEvents = 0;
};

TEST_F(GoldenPlaythroughTest, EveryFrameOfTheScriptedVisitLooksAsRecorded)
{
    const std::vector<Step> steps = ParseScript(kScript);
    for (const Step& step : steps)
        ASSERT_TRUE(Play(step));
    ASSERT_GE(m_Play.Frames(), 3000) << "the script should visit the flat at length";

    const std::string path = GoldenPath();
    if (m_Recording)
    {
        ASSERT_FALSE(HasFailure()) << "not recorded: the script did not play as written";
        ASSERT_TRUE(WriteGolden(path, m_Hashes)) << "cannot write " << path;
        ASSERT_TRUE(WriteGoldenLines(GoldenSoundsPath(), kSoundsHeader, m_SoundLines))
            << "cannot write " << GoldenSoundsPath();
        ASSERT_TRUE(WriteGoldenLines(GoldenSpeechPath(), kSpeechHeader, m_SpeechLines))
            << "cannot write " << GoldenSpeechPath();
        std::printf("recorded %zu frames in %s, %zu sounds in %s and %zu spoken lines in %s\n",
                    m_Hashes.size(), path.c_str(), m_SoundLines.size(), GoldenSoundsPath().c_str(),
                    m_SpeechLines.size(), GoldenSpeechPath().c_str());
        return;
    }

    ASSERT_FALSE(m_Golden.empty()) << "no recorded frames in " << path << "; record them with `make goldens`";
    if (m_FirstDifference != 0)
    {
        ADD_FAILURE() << "on " << Provider() << ", frame " << m_FirstDifference << " differs from " << path
                      << " (script line " << m_DifferenceStep->m_Line << ": " << m_DifferenceStep->m_Text
                      << ")"
                      << "; set FLATMATES_GOLDEN_BMP=<file.bmp> to keep that frame, or re-record with "
                         "`make goldens` if the change is meant";
    }
    EXPECT_EQ(m_Golden.size(), m_Hashes.size()) << "the script played a different number of frames than "
                                                   "were recorded";

    ASSERT_FALSE(m_GoldenSounds.empty())
        << "no recorded sounds in " << GoldenSoundsPath() << "; record them with `make goldens`";
    const std::string heard = FirstDifference("sounds", m_SoundLines, m_GoldenSounds);
    EXPECT_TRUE(heard.empty()) << "on " << Provider() << ", " << heard << " (" << GoldenSoundsPath()
                               << "; re-record with `make goldens` if the change is meant)";
    ASSERT_FALSE(m_GoldenSpeech.empty())
        << "no recorded speech in " << GoldenSpeechPath() << "; record it with `make goldens`";
    const std::string said = FirstDifference("spoken lines", m_SpeechLines, m_GoldenSpeech);
    EXPECT_TRUE(said.empty()) << "on " << Provider() << ", " << said << " (" << GoldenSpeechPath()
                              << "; re-record with `make goldens` if the change is meant)";
}

} // namespace
