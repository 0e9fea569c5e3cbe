// Checks the game's own content beyond what the content checker (tests/check)
// says of any content: that the pictures have the sizes the game draws them
// at and read well, that the animations move as the characters should, that
// the object file furnishes our flat, and that the sounds are short and clean.

#include "check/ContentFiles.h"
#include "gfx/Sprite.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{

std::string AssetPath(const std::string& relative)
{
    return std::string(FLATMATES_SOURCE_DIR) + "/" + relative;
}

// ---------------------------------------------------------------- pictures

struct Rgb
{
    int r, g, b;
};

// A picture decoded by SDL_image and converted to 32-bit pixels, so the
// tests can read colours whatever format the file was stored in.
class Picture
{
public:
    explicit Picture(const std::string& relative)
    {
        SDL_Surface* loaded = IMG_Load(AssetPath(relative).c_str());
        if (!loaded)
            return;
        SDL_Surface* rgb = SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 32, 0x00ff0000,
                                                0x0000ff00, 0x000000ff, 0);
        if (rgb)
        {
            SDL_SetAlpha(loaded, 0, 255);
            SDL_BlitSurface(loaded, nullptr, rgb, nullptr);
            surface_ = rgb;
        }
        SDL_FreeSurface(loaded);
    }
    ~Picture()
    {
        if (surface_)
            SDL_FreeSurface(surface_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool Loaded() const { return surface_ != nullptr; }
    // Sizes as the game shows them: every picture is doubled when loaded.
    int ShownW() const { return surface_ ? surface_->w * 2 : 0; }
    int ShownH() const { return surface_ ? surface_->h * 2 : 0; }
    int W() const { return surface_ ? surface_->w : 0; }
    int H() const { return surface_ ? surface_->h : 0; }

    Rgb At(int x, int y) const
    {
        SDL_LockSurface(surface_);
        const Uint8* row = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch;
        Uint32 p = reinterpret_cast<const Uint32*>(row)[x];
        SDL_UnlockSurface(surface_);
        return Rgb{static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff),
                   static_cast<int>(p & 0xff)};
    }

private:
    SDL_Surface* surface_ = nullptr;
};

bool IsKey(const Rgb& c)
{
    return c.r == 255 && c.g == 0 && c.b == 255;
}

// A pixel that is almost, but not exactly, the transparent magenta: the
// game would draw it as a pink speck at the edge of the sprite.
bool IsFringe(const Rgb& c)
{
    return !IsKey(c) && std::abs(c.r - 255) + c.g + std::abs(c.b - 255) < 90;
}

double Luminance(const Rgb& c)
{
    auto lin = [](int v)
    {
        double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
}

double MeanLuminance(const Picture& p)
{
    double sum = 0;
    for (int y = 0; y < p.H(); ++y)
        for (int x = 0; x < p.W(); ++x)
            sum += Luminance(p.At(x, y));
    return sum / (p.W() * p.H());
}

struct SwitchedOn
{
    const char* path;
    int x;      // where the game places it, screen pixels
    int frameW; // frame size on screen
    int frameH;
    int frames; // the _light pictures hold a lit and a dark frame
};

const SwitchedOn kSwitchedOn[] = {
    {"assets/lamp_unplug_light.png", 460, 128, 128, 2},
    {"assets/tv_on_light.png", 732, 256, 128, 2},
    {"assets/phonographplug_on_light.png", 526, 128, 128, 2},
    {"assets/toasterplug_on.png", 128, 128, 128, 1},
    {"assets/sink_on.png", 0, 128, 128, 1},
    {"assets/toaster_on.png", 128, 128, 128, 1},
    {"assets/drink_on_light.png", 310, 128, 128, 2},
    {"assets/clock_on.png", 86, 128, 128, 1},
    {"assets/lamp_on.png", 460, 128, 128, 1},
    {"assets/pills_on_light.png", 676, 128, 128, 2},
};

const std::vector<const char*> kIcons = ContentFiles::Paths(ContentFiles::kIcon);
const std::vector<const char*> kRooms = ContentFiles::Paths(ContentFiles::kRoomPicture);
const std::vector<const char*> kSheets = ContentFiles::Paths(ContentFiles::kSheet);

class Pictures : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { SDL_Init(SDL_INIT_VIDEO); }
    static void TearDownTestSuite() { SDL_Quit(); }
};

TEST_F(Pictures, RoomsFillTheLowerScreenAndDarkVariantsAreDarker)
{
    for (const char* path : kRooms)
    {
        Picture p(path);
        ASSERT_TRUE(p.Loaded()) << path;
        EXPECT_EQ(p.ShownW(), 1024) << path;
        EXPECT_EQ(p.ShownH(), 280) << path;
    }
    for (const char* room : {"a", "b"})
    {
        Picture lit(std::string("assets/environment_") + room + ".png");
        Picture dark(std::string("assets/environment_") + room + "_dark.png");
        ASSERT_TRUE(lit.Loaded() && dark.Loaded()) << room;
        const double l = MeanLuminance(lit), d = MeanLuminance(dark);
        EXPECT_LT(d, 0.5 * l) << "room " << room << " is hardly darker with the lights out";
        EXPECT_GT(d, 0.02) << "room " << room << " turns black with the lights out";
    }
}

TEST_F(Pictures, CaptionsStayReadableInLitRooms)
{
    // Captions are written at screen (200, 500) in dark purple; the room
    // picture starts at screen row 320.  Check the whole band they cover.
    const Rgb text{76, 48, 64};
    const double textLum = Luminance(text);
    for (const char* path : {"assets/environment_a.png", "assets/environment_b.png"})
    {
        Picture p(path);
        ASSERT_TRUE(p.Loaded()) << path;
        double worst = 1e9;
        for (int sy = 495; sy <= 535; ++sy)
            for (int sx = 200; sx <= 900; ++sx)
            {
                const double l = Luminance(p.At(sx / 2, (sy - 320) / 2));
                worst = std::min(worst, (l + 0.05) / (textLum + 0.05));
            }
        EXPECT_GE(worst, 4.5) << path << ": captions would be hard to read";
    }
}

TEST_F(Pictures, IconsAndSwitchedOnPicturesHaveTheirFrameSizes)
{
    for (const char* path : kIcons)
    {
        Picture p(path);
        ASSERT_TRUE(p.Loaded()) << path;
        EXPECT_EQ(p.ShownW(), 64) << path;
        EXPECT_EQ(p.ShownH(), 64) << path;
    }
    for (const auto& s : kSwitchedOn)
    {
        Picture p(s.path);
        ASSERT_TRUE(p.Loaded()) << s.path;
        EXPECT_EQ(p.ShownW(), s.frameW * s.frames) << s.path;
        EXPECT_EQ(p.ShownH(), s.frameH) << s.path;
    }
    for (const char* path : kSheets)
    {
        Picture p(path);
        ASSERT_TRUE(p.Loaded()) << path;
        EXPECT_EQ(p.ShownH(), 128) << path << ": frames lie in one row of 128";
        EXPECT_GT(p.ShownW(), 0) << path;
        EXPECT_EQ(p.ShownW() % 128, 0) << path << ": not a whole number of 128-wide frames";
    }
}

TEST_F(Pictures, SpritesHaveClearMagentaBackgrounds)
{
    std::vector<std::string> sprites(std::begin(kIcons), std::end(kIcons));
    sprites.insert(sprites.end(), std::begin(kSheets), std::end(kSheets));
    for (const auto& s : kSwitchedOn)
        sprites.push_back(s.path);
    for (const auto& path : sprites)
    {
        Picture p(path);
        ASSERT_TRUE(p.Loaded()) << path;
        int fringe = 0, key = 0;
        for (int y = 0; y < p.H(); ++y)
            for (int x = 0; x < p.W(); ++x)
            {
                const Rgb c = p.At(x, y);
                fringe += IsFringe(c);
                key += IsKey(c);
            }
        EXPECT_EQ(fringe, 0) << path << ": pixels blended with the transparent colour";
        EXPECT_GT(key, 0) << path << ": no transparent background";
        EXPECT_TRUE(IsKey(p.At(0, 0))) << path << ": top-left corner is not transparent";
    }
}

TEST_F(Pictures, LitAndDarkFramesCoverTheSameShape)
{
    // Switching the lights swaps frame 0 for frame 1 in place, so a pixel that
    // is transparent in one frame must be transparent in the other.
    for (const auto& s : kSwitchedOn)
    {
        if (s.frames != 2)
            continue;
        Picture p(s.path);
        ASSERT_TRUE(p.Loaded()) << s.path;
        const int fw = p.W() / 2;
        int mismatched = 0, differing = 0;
        for (int y = 0; y < p.H(); ++y)
            for (int x = 0; x < fw; ++x)
            {
                const Rgb a = p.At(x, y), b = p.At(x + fw, y);
                mismatched += IsKey(a) != IsKey(b);
                differing += a.r != b.r || a.g != b.g || a.b != b.b;
            }
        EXPECT_EQ(mismatched, 0) << s.path;
        EXPECT_GT(differing, 0) << s.path << ": the dark frame equals the lit one";
    }
}

// ---------------------------------------------------------------- animations

// The animations of a list as the game reads them.
std::vector<std::vector<int>> ReadAnimations(const std::string& relative)
{
    std::ifstream in(AssetPath(relative));
    std::vector<std::vector<int>> anims;
    for (const Sprite::Anim& anim : Sprite::ReadAnimations(in))
        anims.push_back(anim.m_Frames);
    return anims;
}

class Animations : public ::testing::Test
{
protected:
    static size_t Distinct(const std::vector<int>& frames)
    {
        return std::set<int>(frames.begin(), frames.end()).size();
    }
};

TEST_F(Animations, ManStandsAndWalksBothWays)
{
    auto anims = ReadAnimations("assets/animations/character_anim.txt");
    ASSERT_GE(anims.size(), 3u);
    EXPECT_GE(Distinct(anims[0]), 2u) << "standing";
    EXPECT_GE(Distinct(anims[1]), 4u) << "walking left";
    EXPECT_GE(Distinct(anims[2]), 4u) << "walking right";
    EXPECT_NE(std::set<int>(anims[1].begin(), anims[1].end()),
              std::set<int>(anims[2].begin(), anims[2].end()))
        << "walking left and right show the same frames";
}

TEST_F(Animations, WomanIdlesAndTalksFacingEitherSide)
{
    auto anims = ReadAnimations("assets/animations/woman_anim.txt");
    ASSERT_GE(anims.size(), 4u);
    for (size_t a = 0; a < 4; ++a)
        EXPECT_FALSE(anims[a].empty()) << "animation " << a;
    EXPECT_GE(Distinct(anims[1]), 2u) << "talking right does not move";
    EXPECT_GE(Distinct(anims[3]), 2u) << "talking left does not move";
    // facing right and facing left are different pictures
    EXPECT_NE(anims[0], anims[2]);
    EXPECT_NE(anims[1], anims[3]);
}

TEST_F(Animations, OverlayShowsTheLitFrameThenTheDarkOne)
{
    auto anims = ReadAnimations("assets/overlay.txt");
    ASSERT_GE(anims.size(), 2u);
    EXPECT_EQ(anims[0], std::vector<int>{0});
    EXPECT_EQ(anims[1], std::vector<int>{1});
}

// ---------------------------------------------------------------- objects

struct Record
{
    float start = 0, end = 0;
    std::string name;
    char room = 0;
};

// The objects the game furnishes the flat with from the object file. Its
// form, and whether each object can be reached, are the content checker's
// to judge.
std::vector<Record> ReadObjects()
{
    CollisionSystem* registry = CollisionSystem::getInstance();
    registry->CleanUp();
    std::ifstream in(AssetPath("assets/Objects.txt"));
    registry->ReadObjectRecords(in);
    std::vector<Record> records;
    for (const BaseObject* object : registry->GetObjects())
        records.push_back({object->m_ColStart, object->m_ColEnd, object->GetName(), object->GetRoomLetter()});
    return records;
}

// The player's collision span is x+50 .. x+76.
constexpr float kSpanLeft = 50.0f, kSpanRight = 76.0f;

const std::map<std::string, char> kRoomOf = {
    {"Outlet1", 'b'}, {"Outlet2", 'b'}, {"Outlet3", 'b'}, {"Outlet4", 'a'},
    {"Tomato", 'a'},  {"Sink", 'a'},    {"Toaster", 'a'}, {"Drink", 'a'},
    {"Clock", 'b'},   {"Lamp", 'b'},    {"Pills", 'b'},   {"LightSwitch1", 'b'},
};

// Screen x range of each object's picture in its room.
const std::map<std::string, std::pair<int, int>> kPictureX = {
    {"Outlet1", {460, 588}}, {"Outlet2", {732, 988}}, {"Outlet3", {526, 654}}, {"Outlet4", {128, 256}},
    {"Sink", {0, 128}},      {"Toaster", {128, 256}}, {"Drink", {310, 438}},   {"Clock", {86, 214}},
    {"Lamp", {460, 588}},    {"Pills", {676, 804}},
};

class ObjectFile : public ::testing::Test
{
protected:
    void SetUp() override { records_ = ReadObjects(); }
    const Record* Find(const std::string& name) const
    {
        for (const auto& r : records_)
            if (r.name == name)
                return &r;
        return nullptr;
    }
    std::vector<Record> records_;
};

TEST_F(ObjectFile, ListsTheFourteenObjectsOnceEachInTheirRooms)
{
    ASSERT_FALSE(records_.empty());
    std::set<std::string> names;
    for (const auto& r : records_)
        EXPECT_TRUE(names.insert(r.name).second) << r.name << " listed twice";
    std::set<std::string> expected = {"Hallway1", "Hallway2"};
    for (const auto& kv : kRoomOf)
        expected.insert(kv.first);
    EXPECT_EQ(names, expected);
    for (const auto& r : records_)
    {
        auto room = kRoomOf.find(r.name);
        if (room != kRoomOf.end())
        {
            EXPECT_EQ(r.room, room->second) << r.name;
        }
    }
}

TEST_F(ObjectFile, IntervalsLieUnderTheObjectsPictures)
{
    for (const auto& r : records_)
    {
        auto pic = kPictureX.find(r.name);
        if (pic == kPictureX.end())
            continue;
        EXPECT_TRUE(r.end >= pic->second.first && r.start < pic->second.second)
            << r.name << " [" << r.start << ", " << r.end << "] is away from its picture";
    }
}

TEST_F(ObjectFile, HallwaysStandAtTheOuterEndsOfTheFlat)
{
    const Record* toB = Find("Hallway1");
    const Record* toA = Find("Hallway2");
    ASSERT_TRUE(toB && toA);
    // Hallway1 at the left end of room a, Hallway2 at the right end of room b,
    // clear of where the man arrives (x 0 in room a, x 900 in room b).
    EXPECT_LT(toB->end, kSpanLeft);
    EXPECT_GT(toA->start, 900.0f + kSpanRight);
}

// ---------------------------------------------------------------- sounds and font

const std::vector<const char*> kEffects = ContentFiles::Paths(ContentFiles::kSound);

class Audio : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        SDL_Init(SDL_INIT_AUDIO);
        opened_ = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) == 0;
    }
    static void TearDownTestSuite()
    {
        if (opened_)
            Mix_CloseAudio();
        SDL_Quit();
    }
    static bool opened_;
};
bool Audio::opened_ = false;

TEST_F(Audio, EffectsAreShortUnclipped22kHz16BitSounds)
{
    ASSERT_TRUE(opened_) << Mix_GetError();
    for (const char* path : kEffects)
    {
        Mix_Chunk* chunk = Mix_LoadWAV(AssetPath(path).c_str());
        EXPECT_NE(chunk, nullptr) << path << ": " << Mix_GetError();
        if (chunk)
            Mix_FreeChunk(chunk);

        SDL_AudioSpec spec;
        Uint8* buf = nullptr;
        Uint32 len = 0;
        ASSERT_NE(SDL_LoadWAV(AssetPath(path).c_str(), &spec, &buf, &len), nullptr) << path;
        EXPECT_EQ(spec.freq, 22050) << path;
        EXPECT_EQ(spec.format, AUDIO_S16LSB) << path;
        const size_t samples = len / 2;
        const double seconds = static_cast<double>(samples) / spec.channels / spec.freq;
        EXPECT_GT(seconds, 0.05) << path;
        EXPECT_LT(seconds, 2.0) << path;
        int peak = 0;
        const Sint16* s = reinterpret_cast<const Sint16*>(buf);
        for (size_t i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(s[i])));
        EXPECT_LT(peak, 32767) << path << " clips";
        EXPECT_GT(peak, 3000) << path << " is nearly silent";
        SDL_FreeWAV(buf);
    }
}

TEST_F(Audio, MusicDecodesAndStaysSmall)
{
    ASSERT_TRUE(opened_) << Mix_GetError();
    const std::string path = AssetPath("assets/sounds/moonlightsonata.mp3");
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    EXPECT_NE(music, nullptr) << Mix_GetError();
    if (music)
        Mix_FreeMusic(music);
    std::ifstream f(path, std::ios::binary | std::ios::ate);
    ASSERT_TRUE(f);
    EXPECT_LE(static_cast<long>(f.tellg()), 1024L * 1024L);
}

TEST(Font, OpensAtCaptionSizeAndRendersACaption)
{
    ASSERT_EQ(TTF_Init(), 0);
    TTF_Font* font = TTF_OpenFont(AssetPath("assets/fonts/arial.ttf").c_str(), 24);
    ASSERT_NE(font, nullptr) << TTF_GetError();
    SDL_Color colour = {76, 48, 64, 0};
    SDL_Surface* text = TTF_RenderText_Solid(font, "What the heck has gotten into you?...", colour);
    ASSERT_NE(text, nullptr);
    EXPECT_GT(text->w, 200);
    EXPECT_LE(text->w, 824) << "a long caption runs off the screen from x 200";
    SDL_FreeSurface(text);
    TTF_CloseFont(font);
    TTF_Quit();
}

} // namespace
