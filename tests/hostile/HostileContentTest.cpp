// Damaged content never takes the game down. Each case copies assets/ into a
// scratch folder, damages the copy, and starts the real game there in a child
// process, as the game's main does: it must still be playing after a few
// hundred frames of walking and using things, and end with status 1 on
// Escape like any run.

#include "TestSupport.h"
#include "app/ContentDirectory.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "gfx/TestPng.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{

const int kFrames = 300;
// A long frame, so that the walk crosses room a and the hallway into room b.
const float kFrameTime = 0.05f;
// Frames the Escape key may take to come through once pushed.
const int kFramesForEscape = 50;

// The scratch folder of the child that plays; removed when the child ends.
std::string g_Folder;
void RemoveFolder()
{
    std::error_code ignored;
    fs::remove_all(g_Folder, ignored);
}

void Frame(LARGE_INTEGER now)
{
    EventHandler::getInstance()->update();
    GameMain::getInstance()->GameUpdate(kFrameTime, now);
    GameMain::getInstance()->Render();
}

// Start-up as the game's main does it, then the frame loop at a fixed frame
// time: the man walks left the whole time, using whatever is within reach
// every twenty frames. Returns only if Escape did not end the run.
void PlayIn(const std::string& folder)
{
    if (chdir(folder.c_str()) != 0)
        return;
    ContentDirectory::Use();
    GameMain* game = GameMain::getInstance();
    game->InitGame();
    game->ChangeState(StateTest::getInstance());

    LARGE_INTEGER now = 0;
    testsupport::PushKey(SDL_KEYDOWN, SDLK_LEFT);
    for (int frame = 0; frame < kFrames; ++frame, now += 1000)
    {
        if (frame % 20 == 10)
            testsupport::PushKey(SDL_KEYDOWN, SDLK_SPACE);
        if (frame % 20 == 11)
            testsupport::PushKey(SDL_KEYUP, SDLK_SPACE);
        if (frame == 150)
            testsupport::PushKey(SDL_KEYDOWN, SDLK_r);
        Frame(now);
    }
    std::fprintf(stderr, "still playing after %d frames\n", kFrames);
    testsupport::PushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    for (int frame = 0; frame < kFramesForEscape; ++frame, now += 1000)
        Frame(now);
}

// Damage done to a copy of assets/ (the folder given).
using Damage = std::function<void(const fs::path& assets)>;

void ForEachFile(const fs::path& assets, const std::string& extension,
                 const std::function<void(const fs::path&)>& f)
{
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(assets))
    {
        if (entry.is_regular_file() && entry.path().extension() == extension)
            f(entry.path());
    }
}

void Write(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Keeps the first part of every file of a kind: num / den of its size.
Damage Truncate(const std::string& extension, int num, int den)
{
    return [=](const fs::path& assets)
    {
        ForEachFile(assets, extension,
                    [&](const fs::path& file) { fs::resize_file(file, fs::file_size(file) * num / den); });
    };
}

Damage RandomBytes(const std::string& extension)
{
    return [=](const fs::path& assets)
    {
        std::mt19937 random(8);
        ForEachFile(assets, extension,
                    [&](const fs::path& file)
                    {
                        std::string bytes(fs::file_size(file), '\0');
                        for (char& byte : bytes)
                            byte = static_cast<char>(random());
                        Write(file, bytes);
                    });
    };
}

Damage Replace(const std::string& file, const std::string& bytes)
{
    return [=](const fs::path& assets) { Write(assets / file, bytes); };
}

// A picture far too large once doubled: the room and the man's sheet.
void HugePictures(const fs::path& assets)
{
    TestPng wide;
    wide.m_Width = 5000;
    wide.m_Height = 2;
    wide.m_Pixels.assign(5000 * 2 * 3, 0x80);
    wide.Write((assets / "environment_a.png").string());
    TestPng tall = wide;
    tall.m_Width = 2;
    tall.m_Height = 5000;
    tall.Write((assets / "animations/character_all.png").string());
}

// Records of every object the factory knows, over and over.
void ManyObjects(const fs::path& assets)
{
    const char* const names[] = {"Outlet1", "Outlet2",      "Outlet3",  "Outlet4", "Tomato",
                                 "Sink",    "Toaster",      "Drink",    "Clock",   "Lamp",
                                 "Pills",   "LightSwitch1", "Hallway1", "Hallway2"};
    std::string text;
    for (int i = 0; i < 100000; ++i)
    {
        const int start = i % 1100 - 60;
        text += std::to_string(start) + " " + std::to_string(start + 40) + " " + names[i % 14] +
                (i % 2 ? " a #\n" : " b #\n");
    }
    Write(assets / "Objects.txt", text + "0 1 Door a #eof\n");
}

void WindowsLineEndings(const fs::path& assets)
{
    for (const char* name :
         {"Objects.txt", "overlay.txt", "animations/character_anim.txt", "animations/woman_anim.txt"})
    {
        std::ifstream in(assets / name, std::ios::binary);
        std::string text, line;
        while (std::getline(in, line))
            text += line + "\r\n";
        in.close();
        Write(assets / name, text);
    }
}

void EmptyAssets(const fs::path& assets)
{
    fs::remove_all(assets);
    fs::create_directory(assets);
}

void NoAssets(const fs::path& assets)
{
    fs::remove_all(assets);
}

struct HostileCase
{
    const char* m_Name;
    Damage m_Damage;
};

const HostileCase kCases[] = {
    {"TruncatedPictures", Truncate(".png", 1, 2)},
    {"PicturesCutInTheirHeader", Truncate(".png", 1, 40)},
    {"RandomBytesNamedPng", RandomBytes(".png")},
    {"PicturesTooLargeOnceDoubled", HugePictures},
    {"ZeroByteSounds", Truncate(".wav", 0, 1)},
    {"TruncatedSounds", Truncate(".wav", 1, 2)},
    {"TextNamedMp3", Replace("sounds/moonlightsonata.mp3", "This is not music.\n")},
    {"NotAFontNamedArialTtf", Replace("fonts/arial.ttf", "This is not a font either.\n")},
    {"AnimationCountOfTwoBillion", Replace("animations/character_anim.txt", "2000000000 0 1 2\n")},
    {"OverlayCountOfTwoBillion", Replace("overlay.txt", "1 0\n2000000000\n")},
    {"HundredThousandObjects", ManyObjects},
    {"WindowsLineEndings", WindowsLineEndings},
    {"NanInfAndHugeNumbers",
     [](const fs::path& assets)
     {
         Write(assets / "Objects.txt", "35 95 Sink a #\nnan 205 Toaster a #\n215 250 Outlet4 a #eof\n");
         Write(assets / "overlay.txt", "1 0\n1 inf\n");
         Write(assets / "animations/character_anim.txt", "1 0\n2 1e40 2\n");
         Write(assets / "animations/woman_anim.txt", "4 0 1 2 3\nnan\n");
     }},
    {"InfAndHugeObjectBounds",
     Replace("Objects.txt", "-inf inf Hallway1 a #\n1e40 -1e40 Drink a #\n570 620 Tomato a #eof\n")},
    {"EmptyAssetsFolder", EmptyAssets},
    {"NoAssetsFolder", NoAssets},
};

// Names the case in test output, rather than its bytes.
void PrintTo(const HostileCase& hostile, std::ostream* out)
{
    *out << hostile.m_Name;
}

class HostileContentTest : public testing::TestWithParam<HostileCase>
{
};

TEST_P(HostileContentTest, TheGamePlaysOnAndEndsOnEscape)
{
    const HostileCase& hostile = GetParam();
    // Everything happens in the child, which may re-run this test from its
    // start: it makes its own copy and removes it when it ends.
    EXPECT_EXIT(
        {
            char pattern[] = "/tmp/flatmates-hostile-XXXXXX";
            if (mkdtemp(pattern) == nullptr)
                std::exit(2);
            g_Folder = pattern;
            std::atexit(RemoveFolder);
            fs::copy(fs::path(FLATMATES_SOURCE_DIR) / "assets", g_Folder + "/assets",
                     fs::copy_options::recursive);
            hostile.m_Damage(g_Folder + "/assets");
            PlayIn(g_Folder);
        },
        testing::ExitedWithCode(1), "still playing after 300 frames");
}

INSTANTIATE_TEST_SUITE_P(Content, HostileContentTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HostileCase>& param) { return param.param.m_Name; });

} // namespace
