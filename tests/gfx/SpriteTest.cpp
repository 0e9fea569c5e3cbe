#include "gfx/Sprite.h"

#include "GameTest.h"
#include "GfxTestSupport.h"
#include "TestPng.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <SDL_image.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

using namespace gfxtest;

namespace
{

// A sheet of solid frames side by side, each width x height stored pixels.
TestPng SolidSheet(const std::vector<Rgb>& frames, int width, int height)
{
    TestPng png;
    png.m_Width = width * static_cast<int>(frames.size());
    png.m_Height = height;
    for (int y = 0; y < height; ++y)
        for (const Rgb& c : frames)
            for (int x = 0; x < width; ++x)
            {
                for (Uint8 sample : {c.r, c.g, c.b})
                    png.m_Pixels.push_back(sample);
            }
    return png;
}

class SpriteTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        m_pScreen = SDL_SetVideoMode(64, 48, 32, 0);
        ASSERT_NE(nullptr, m_pScreen);
        Fill(m_pScreen, kBackground);
    }
    // Writes png into the scratch folder and loads it into a new sprite.
    std::unique_ptr<Sprite> Load(const TestPng& png, const std::string& name = "sheet.png")
    {
        const std::string path = m_Folder.File(name);
        EXPECT_TRUE(png.Write(path));
        std::unique_ptr<Sprite> sprite(new Sprite());
        sprite->LoadImg(path.c_str());
        return sprite;
    }

    // Red, green and blue frames of 2x2 stored pixels: 4x4 when drawn.
    std::unique_ptr<Sprite> LoadRgbSheet()
    {
        std::unique_ptr<Sprite> sprite = Load(SolidSheet({kRed, kGreen, kBlue}, 2, 2));
        sprite->SetDimensions(4, 4);
        return sprite;
    }

    // Gives the sprite the animations of a description file holding text.
    void LoadAnimations(Sprite& sprite, const std::string& text)
    {
        const std::string path = m_Folder.File("anim.txt");
        std::ofstream(path) << text;
        sprite.LoadAnimation(path.c_str());
    }

    Rgb At(int x, int y) { return PixelAt(m_pScreen, x, y); }

    ScratchFolder m_Folder;
    SDL_Surface* m_pScreen = nullptr;
};

std::vector<Sprite::Anim> Read(const std::string& text)
{
    std::istringstream in(text);
    return Sprite::ReadAnimations(in);
}

} // namespace

TEST(AnimationReaderTest, LineBreaksCarryNoMeaning)
{
    for (const char* text : {"3 0 1 2\n1 3\n", "3 0 1 2 1 3", "3 0 1 2\n1 3", "3\t0 1\n2\n\n1 3  \n"})
    {
        SCOPED_TRACE(text);
        std::vector<Sprite::Anim> anims = Read(text);
        ASSERT_EQ(2u, anims.size());
        EXPECT_EQ((std::vector<int>{0, 1, 2}), anims[0].m_Frames);
        EXPECT_EQ((std::vector<int>{3}), anims[1].m_Frames);
        for (const Sprite::Anim& anim : anims)
        {
            EXPECT_FLOAT_EQ(0.1f, anim.m_Delay);
            EXPECT_EQ(0u, anim.m_CurrFrame);
        }
    }
    EXPECT_TRUE(Read("").empty());
    EXPECT_TRUE(Read(" \n\t\n").empty());
}

TEST(AnimationReaderTest, StopsAtTheFirstFailedReadKeepingCompletedAnimations)
{
    // The list is cut short inside the second animation.
    EXPECT_EQ(1u, Read("2 0 1\n3 4 5").size());
    // A word where a frame number should be.
    EXPECT_EQ(1u, Read("2 0 1\n2 4 x\n1 6").size());
    EXPECT_EQ(1u, Read("2 0 1\nx 1 6").size());
    // A negative count ends the list.
    EXPECT_EQ(1u, Read("1 7\n-1 5 6\n1 8").size());
    // A count of 0 is an animation without frames, which shows frame 0.
    std::vector<Sprite::Anim> anims = Read("0\n1 4");
    ASSERT_EQ(2u, anims.size());
    EXPECT_EQ(0, anims[0].GetFrame());
    EXPECT_EQ(4, anims[1].GetFrame());
}

TEST(AnimationReaderTest, HugeCountInAShortFileCostsOnlyWhatTheFileHolds)
{
    std::vector<Sprite::Anim> anims = Read("1 3\n2000000000 1 2 3");
    ASSERT_EQ(1u, anims.size());
    EXPECT_EQ((std::vector<int>{3}), anims[0].m_Frames);
}

TEST(AnimationReaderTest, LoadAnimationReplacesTheAnimationsAndAMissingFileLeavesNone)
{
    Sprite sprite;
    sprite.LoadAnimation(FLATMATES_SOURCE_DIR "/assets/overlay.txt");
    ASSERT_EQ(2u, sprite.GetAnims().size());
    EXPECT_EQ((std::vector<int>{1}), sprite.GetAnims()[1].m_Frames);
    sprite.SetCurrAnim(1);
    sprite.LoadAnimation(FLATMATES_SOURCE_DIR "/assets/no-such-file.txt");
    EXPECT_TRUE(sprite.GetAnims().empty());
    EXPECT_EQ(1, sprite.GetCurrAnim());
}

TEST(FrameSteppingTest, StepsOnlyWhenMoreThanTheDelayHasGathered)
{
    Sprite sprite;
    sprite.LoadAnimation(FLATMATES_SOURCE_DIR "/assets/overlay.txt");
    sprite.Update(0.1f);
    EXPECT_EQ(0u, sprite.GetAnims()[0].m_CurrFrame);
    sprite.Update(0.01f);
    EXPECT_EQ(1u, sprite.GetAnims()[0].m_CurrFrame);
    EXPECT_NEAR(0.01f, sprite.GetAnimTime(), 1e-5f);
    // Only the current animation moves.
    EXPECT_EQ(0u, sprite.GetAnims()[1].m_CurrFrame);
}

TEST_F(SpriteTest, ALongFrameTakesSeveralStepsAndTheIndexWrapsWhenDrawn)
{
    std::unique_ptr<Sprite> sprite = LoadRgbSheet();
    LoadAnimations(*sprite, "3 0 1 2\n1 2\n");

    sprite->Update(0.35f);
    EXPECT_EQ(3u, sprite->GetAnims()[0].m_CurrFrame);
    EXPECT_EQ(1, sprite->Render(m_pScreen));
    EXPECT_EQ(kRed, At(0, 0));
    EXPECT_EQ(0u, sprite->GetAnims()[0].m_CurrFrame);
    sprite->Update(0.06f); // 0.05 left over + 0.06
    sprite->Render(m_pScreen);
    EXPECT_EQ(kGreen, At(0, 0));
}

TEST_F(SpriteTest, AnInvalidAnimationDrawsFrameZeroAndMakesUpTheTimeLater)
{
    std::unique_ptr<Sprite> sprite = LoadRgbSheet();
    LoadAnimations(*sprite, "1 1\n3 2 1 0\n1 2\n");
    sprite->SetCurrAnim(1);
    sprite->Update(0.15f); // animation 1 now at index 1
    for (int invalid : {5, 3, -1})
    {
        sprite->SetCurrAnim(invalid);
        sprite->Update(0.1f);
        sprite->Render(m_pScreen);
        EXPECT_EQ(kRed, At(0, 0)) << invalid;
    }
    EXPECT_EQ(1u, sprite->GetAnims()[1].m_CurrFrame);
    EXPECT_NEAR(0.35f, sprite->GetAnimTime(), 1e-5f);

    // Back to animation 1 where it was; the 0.35 s gathered meanwhile give
    // three steps: 1 -> 4, drawn as its first frame.
    sprite->SetCurrAnim(1);
    sprite->Update(0.0f);
    EXPECT_EQ(4u, sprite->GetAnims()[1].m_CurrFrame);
    sprite->Render(m_pScreen);
    EXPECT_EQ(kBlue, At(0, 0));
}

TEST_F(SpriteTest, PictureIsDoubledAndSetDimensionsChoosesTheFrame)
{
    std::unique_ptr<Sprite> sprite = Load(SolidSheet({kRed, kGreen, kBlue}, 2, 2));
    ASSERT_NE(nullptr, sprite->GetImage());
    EXPECT_EQ(12, sprite->GetImage()->w);
    EXPECT_EQ(4, sprite->GetImage()->h);
    EXPECT_EQ(12, sprite->GetFrameRect().w);
    EXPECT_EQ(4, sprite->GetFrameRect().h);

    // Until SetDimensions the whole sheet is one frame.
    EXPECT_EQ(1, sprite->Render(m_pScreen));
    EXPECT_EQ(kRed, At(3, 3));
    EXPECT_EQ(kGreen, At(4, 0));
    EXPECT_EQ(kBlue, At(11, 3));
    EXPECT_EQ(kBackground, At(12, 0));
    EXPECT_EQ(kBackground, At(0, 4));

    Fill(m_pScreen, kBackground);
    sprite->SetDimensions(4, 4);
    LoadAnimations(*sprite, "1 2\n");
    sprite->SetPos(8, 8);
    sprite->Render(m_pScreen);
    EXPECT_EQ(kBlue, At(8, 8));
    EXPECT_EQ(kBlue, At(11, 11));
    EXPECT_EQ(kBackground, At(12, 8));
    EXPECT_EQ(kBackground, At(8, 12));
}

TEST_F(SpriteTest, PositionIsTruncatedTowardZero)
{
    // One wide red frame: 16 x 4 when drawn.
    std::unique_ptr<Sprite> sprite = Load(SolidSheet({kRed}, 8, 2));
    sprite->SetPos(-5.7, 20.4);
    sprite->Render(m_pScreen);
    EXPECT_EQ(kRed, At(10, 20)); // -5 + 15
    EXPECT_EQ(kBackground, At(11, 20));
    EXPECT_EQ(kBackground, At(0, 19));
    EXPECT_EQ(kRed, At(0, 23));
    EXPECT_EQ(kBackground, At(0, 24));

    Fill(m_pScreen, kBackground);
    sprite->SetPos(30.9, 40.99);
    sprite->Render(m_pScreen);
    EXPECT_EQ(kBackground, At(29, 40));
    EXPECT_EQ(kRed, At(30, 40));
    EXPECT_EQ(kRed, At(45, 43));
    EXPECT_EQ(kBackground, At(46, 40));
}

TEST_F(SpriteTest, RoomTagsAndHidingDecideWhetherItIsDrawn)
{
    std::unique_ptr<Sprite> tagged = Load(SolidSheet({kRed}, 1, 1));
    std::unique_ptr<Sprite> everywhere = Load(SolidSheet({kGreen}, 1, 1), "green.png");
    tagged->m_RoomTag = 'b';
    everywhere->SetPos(10, 0);

    StateTest::getInstance()->SetRoom('a');
    EXPECT_EQ(1, tagged->Render(m_pScreen));
    EXPECT_EQ(1, everywhere->Render(m_pScreen));
    EXPECT_EQ(kBackground, At(0, 0));
    EXPECT_EQ(kGreen, At(10, 0));

    Fill(m_pScreen, kBackground);
    StateTest::getInstance()->SetRoom('b');
    tagged->Render(m_pScreen);
    everywhere->Render(m_pScreen);
    EXPECT_EQ(kRed, At(0, 0));
    EXPECT_EQ(kGreen, At(10, 0));

    Fill(m_pScreen, kBackground);
    tagged->Hide();
    EXPECT_TRUE(tagged->IsHidden());
    EXPECT_EQ(1, tagged->Render(m_pScreen));
    EXPECT_EQ(kBackground, At(0, 0));
    tagged->Show();
    tagged->Render(m_pScreen);
    EXPECT_EQ(kRed, At(0, 0));
}

TEST_F(SpriteTest, MagentaAndTransparentPixelsAreNotDrawnWhateverTheColourType)
{
    // Each picture is one row: magenta, red, green, then a type-specific
    // pixel, drawn as 2x2 blocks at x = 0, 2, 4, 6.
    TestPng rgb;
    rgb.m_Width = 4;
    rgb.m_Height = 1;
    rgb.m_Pixels = {255, 0, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255};

    // An invisible white pixel; red half-transparent keeps its colour, as
    // nothing is blended.
    TestPng rgba;
    rgba.m_Type = TestPng::kRgba;
    rgba.m_Width = 4;
    rgba.m_Height = 1;
    rgba.m_Pixels = {255, 0, 255, 255, 255, 0, 0, 128, 0, 255, 0, 255, 255, 255, 255, 0};

    // Index 3 is marked fully transparent in the palette.
    TestPng palette;
    palette.m_Type = TestPng::kPalette;
    palette.m_Width = 4;
    palette.m_Height = 1;
    palette.m_Palette = {255, 0, 255, 255, 0, 0, 0, 255, 0, 255, 255, 255};
    palette.m_Pixels = {0, 1, 2, 3};
    TestPng paletteWithAlpha = palette;
    paletteWithAlpha.m_PaletteAlpha = {255, 255, 255, 0};

    struct Case
    {
        const char* name;
        const TestPng* png;
        Rgb last;
    };
    const Case cases[] = {{"rgb", &rgb, kBlue},
                          {"rgba", &rgba, kBackground},
                          {"palette", &palette, Rgb{255, 255, 255}},
                          {"palette-trns", &paletteWithAlpha, kBackground}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Fill(m_pScreen, kBackground);
        std::unique_ptr<Sprite> sprite = Load(*c.png, std::string(c.name) + ".png");
        ASSERT_NE(nullptr, sprite->GetImage());
        EXPECT_EQ(0u, sprite->GetImage()->format->Amask);
        sprite->SetPos(1, 1);
        EXPECT_EQ(1, sprite->Render(m_pScreen));
        for (int y = 1; y <= 2; ++y)
        {
            EXPECT_EQ(kBackground, At(1, y));
            EXPECT_EQ(kBackground, At(2, y));
            EXPECT_EQ(kRed, At(3, y));
            EXPECT_EQ(kRed, At(4, y));
            EXPECT_EQ(kGreen, At(5, y));
            EXPECT_EQ(c.last, At(7, y));
            EXPECT_EQ(c.last, At(8, y));
        }
        EXPECT_EQ(kBackground, At(9, 1));
    }
}

// What a stored pixel should look like on the screen: its colour, or the
// background where it is magenta or fully transparent.
Rgb Expected(SDL_Surface* stored, int x, int y)
{
    const Uint8* p =
        static_cast<const Uint8*>(stored->pixels) + y * stored->pitch + x * stored->format->BytesPerPixel;
    Uint32 pixel = 0;
    for (int i = stored->format->BytesPerPixel - 1; i >= 0; --i)
        pixel = (pixel << 8) | p[i];
    Rgb c;
    Uint8 a = 0;
    SDL_GetRGBA(pixel, stored->format, &c.r, &c.g, &c.b, &a);
    const bool clear = stored->format->Amask != 0 && a == 0;
    return clear || c == kMagenta ? kBackground : c;
}

TEST_F(SpriteTest, EveryContentPictureIsDrawnAsItsStoredPixelsDoubled)
{
    // The whole game's content, drawn through the loader and compared pixel
    // by pixel with the file as SDL_image reads it.
    std::vector<std::string> paths;
    for (const char* folder : {"/assets", "/assets/animations"})
        for (const auto& entry :
             std::filesystem::directory_iterator(FLATMATES_SOURCE_DIR + std::string(folder)))
            if (entry.path().extension() == ".png")
                paths.push_back(entry.path().string());
    ASSERT_GT(paths.size(), 30u);

    for (const std::string& path : paths)
    {
        SCOPED_TRACE(path);
        SDL_Surface* stored = IMG_Load(path.c_str());
        ASSERT_NE(nullptr, stored);
        Sprite sprite;
        sprite.LoadImg(path.c_str());
        ASSERT_NE(nullptr, sprite.GetImage());
        SDL_Surface* drawn =
            SDL_CreateRGBSurface(SDL_SWSURFACE, stored->w * 2, stored->h * 2, 32, m_pScreen->format->Rmask,
                                 m_pScreen->format->Gmask, m_pScreen->format->Bmask, 0);
        Fill(drawn, kBackground);
        EXPECT_EQ(1, sprite.Render(drawn));

        SDL_LockSurface(stored);
        int wrong = 0;
        for (int y = 0; y < drawn->h; ++y)
            for (int x = 0; x < drawn->w; ++x)
                wrong += PixelAt(drawn, x, y) == Expected(stored, x / 2, y / 2) ? 0 : 1;
        SDL_UnlockSurface(stored);
        EXPECT_EQ(0, wrong);
        SDL_FreeSurface(drawn);
        SDL_FreeSurface(stored);
    }
}

TEST_F(SpriteTest, ACopySharesThePictureAndLeavesItToTheSource)
{
    std::unique_ptr<Sprite> source = LoadRgbSheet();
    source->SetPos(20, 20);
    source->m_RoomTag = 'b';
    source->Hide();
    source->SetCurrAnim(2);
    source->LoadAnimation(FLATMATES_SOURCE_DIR "/assets/overlay.txt");
    source->Update(0.05f);

    std::unique_ptr<Sprite> copy(new Sprite(*source));
    EXPECT_EQ(source->GetImage(), copy->GetImage());
    EXPECT_TRUE(copy->SharesImage());
    EXPECT_FALSE(source->SharesImage());
    EXPECT_EQ(0.0, copy->m_PosX);
    EXPECT_EQ(0.0, copy->m_PosY);
    EXPECT_EQ(0, copy->m_RoomTag);
    EXPECT_FALSE(copy->IsHidden());
    EXPECT_EQ(0.0f, copy->GetAnimTime());
    EXPECT_EQ(2, copy->GetCurrAnim());
    EXPECT_EQ(2u, copy->GetAnims().size());
    EXPECT_EQ(4, copy->GetFrameRect().w);

    // The copy may load a picture of its own without touching the source's.
    copy->LoadImg(m_Folder.File("missing.png").c_str());
    EXPECT_EQ(nullptr, copy->GetImage());
    copy.reset();

    source->Show();
    source->m_RoomTag = 0;
    source->SetCurrAnim(7);
    EXPECT_EQ(1, source->Render(m_pScreen));
    EXPECT_EQ(kRed, At(20, 20));
}

TEST_F(SpriteTest, ACopyKeepsTheCurrentFrameOfEachAnimation)
{
    std::unique_ptr<Sprite> source = LoadRgbSheet();
    LoadAnimations(*source, "3 0 1 2\n3 2 1 0\n");
    source->Update(0.15f); // animation 0 at index 1
    source->SetCurrAnim(1);
    source->Update(0.22f); // animation 1 at index 2

    Sprite copy(*source);
    ASSERT_EQ(2u, copy.GetAnims().size());
    EXPECT_EQ(1u, copy.GetAnims()[0].m_CurrFrame);
    EXPECT_EQ(2u, copy.GetAnims()[1].m_CurrFrame);
    copy.SetPos(0, 0);
    copy.Render(m_pScreen);
    EXPECT_EQ(kRed, At(0, 0));
    copy.SetCurrAnim(0);
    copy.Render(m_pScreen);
    EXPECT_EQ(kGreen, At(0, 0));
}

TEST_F(SpriteTest, ANewPictureKeepsPlaceAndAnimationsAndTakesItsOwnSize)
{
    std::unique_ptr<Sprite> sprite = LoadRgbSheet();
    LoadAnimations(*sprite, "3 0 1 2\n");
    sprite->SetPos(8, 4);
    sprite->Update(0.15f); // at index 1: green

    const std::string other = m_Folder.File("other.png");
    ASSERT_TRUE(SolidSheet({kBlue, kGreen, kRed, kBlue}, 3, 2).Write(other));
    sprite->LoadImg(other.c_str());
    EXPECT_EQ(8.0, sprite->m_PosX);
    EXPECT_EQ(4.0, sprite->m_PosY);
    ASSERT_EQ(1u, sprite->GetAnims().size());
    EXPECT_EQ(1u, sprite->GetAnims()[0].m_CurrFrame);
    // The frame is the whole new picture again until dimensions are set.
    EXPECT_EQ(0, sprite->GetFrameRect().x);
    EXPECT_EQ(0, sprite->GetFrameRect().y);
    EXPECT_EQ(24, sprite->GetFrameRect().w);
    EXPECT_EQ(4, sprite->GetFrameRect().h);

    sprite->SetDimensions(6, 4);
    sprite->Render(m_pScreen);
    EXPECT_EQ(kGreen, At(8, 4));
    EXPECT_EQ(kGreen, At(13, 7));
    EXPECT_EQ(kBackground, At(14, 4));
}

TEST_F(SpriteTest, ABadPictureLeavesNoPictureAndDrawsNothing)
{
    const std::string garbage = m_Folder.File("garbage.png");
    std::ofstream(garbage) << "not a picture";
    // Doubled, 4097 stored pixels pass the largest side allowed; 4096 do not.
    TestPng wide = SolidSheet({kRed}, 4097, 1);
    TestPng widest = SolidSheet({kRed}, 4096, 1);
    TestPng tall = SolidSheet({kRed}, 1, 4097);
    ASSERT_TRUE(wide.Write(m_Folder.File("wide.png")));
    ASSERT_TRUE(widest.Write(m_Folder.File("widest.png")));
    ASSERT_TRUE(tall.Write(m_Folder.File("tall.png")));

    for (const std::string& path : {m_Folder.File("missing.png"), garbage, m_Folder.File("wide.png"),
                                    m_Folder.File("tall.png"), std::string()})
    {
        SCOPED_TRACE(path);
        std::unique_ptr<Sprite> sprite = LoadRgbSheet();
        ASSERT_NE(nullptr, sprite->GetImage());
        sprite->LoadImg(path.empty() ? nullptr : path.c_str());
        EXPECT_EQ(nullptr, sprite->GetImage());
        EXPECT_EQ(0, sprite->Render(m_pScreen));
        EXPECT_EQ(1, sprite->Update(0.2f));
    }
    EXPECT_EQ(kBackground, At(0, 0));

    Sprite sprite;
    sprite.LoadImg(m_Folder.File("widest.png").c_str());
    ASSERT_NE(nullptr, sprite.GetImage());
    EXPECT_EQ(Sprite::kMaxImageSide, sprite.GetImage()->w);
}
