#include "GameTest.h"
#include "GfxTestSupport.h"
#include "core/GameMain.h"
#include "gfx/FontRender.h"
#include "gfx/TextObject.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

using namespace gfxtest;

namespace
{

const char* const kFont = FLATMATES_SOURCE_DIR "/assets/fonts/arial.ttf";
const Rgb kInk = {76, 48, 64};

class CaptionTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        ASSERT_EQ(0, TTF_Init());
        m_pScreen = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 80, 32, 0xff0000, 0xff00, 0xff, 0);
        ASSERT_NE(nullptr, m_pScreen);
        Fill(m_pScreen, kBackground);
    }
    void TearDown() override
    {
        SDL_FreeSurface(m_pScreen);
        GameTest::TearDown();
    }

    // How many pixels of the screen have colour c.
    int Count(Rgb c)
    {
        int count = 0;
        for (int y = 0; y < m_pScreen->h; ++y)
            for (int x = 0; x < m_pScreen->w; ++x)
                count += PixelAt(m_pScreen, x, y) == c;
        return count;
    }

    // Draws the listed captions the way the frame does, onto the test screen.
    void DrawCaptions()
    {
        Fill(m_pScreen, kBackground);
        const FontRender::RenderStuff draw(m_pScreen);
        for (FontRender::Data data : FontRender::getInstance()->GetTexts())
            draw(data);
    }

    SDL_Surface* m_pScreen = nullptr;
};

} // namespace

TEST_F(CaptionTest, TextIsRenderedOnlyAfterItsTextOrColourChanged)
{
    TextObject text(kFont, 24);
    ASSERT_TRUE(text.HasFont());
    text.SetText("Hey!");
    text.SetColor(kInk.r, kInk.g, kInk.b);
    text.SetPos(10.9f, 5.5f);
    EXPECT_TRUE(text.Render(m_pScreen));
    SDL_Surface* rendered = text.GetSurface();
    ASSERT_NE(nullptr, rendered);
    const int inkPixels = Count(kInk);
    EXPECT_GT(inkPixels, 20);

    // Paint the cached text solid: if it is drawn again unchanged, the frame
    // shows a solid block of ink the size of the text.
    SDL_FillRect(rendered, nullptr, 1);
    Fill(m_pScreen, kBackground);
    text.SetPos(-3.7f, 2.0f); // moving does not render anew
    text.Render(m_pScreen);
    EXPECT_EQ(rendered, text.GetSurface());
    EXPECT_EQ(kInk, PixelAt(m_pScreen, 0, 2));
    EXPECT_EQ(kBackground, PixelAt(m_pScreen, 0, 1));
    EXPECT_EQ(kInk, PixelAt(m_pScreen, rendered->w - 4, 2));
    EXPECT_EQ(kBackground, PixelAt(m_pScreen, rendered->w - 3, 2));
    // Truncated toward zero: the block starts at -3, not -4.
    EXPECT_EQ((rendered->w - 3) * rendered->h, Count(kInk));

    Fill(m_pScreen, kBackground);
    text.SetPos(10.0f, 5.0f);
    text.SetColor(0, 0, 200);
    text.Render(m_pScreen);
    EXPECT_EQ(inkPixels, Count(Rgb{0, 0, 200}));
    EXPECT_EQ(0, Count(kInk));

    Fill(m_pScreen, kBackground);
    SDL_FillRect(text.GetSurface(), nullptr, 1);
    text.SetText("Hey! Hey!");
    text.Render(m_pScreen);
    EXPECT_GT(Count(Rgb{0, 0, 200}), inkPixels);
    EXPECT_LT(Count(Rgb{0, 0, 200}), text.GetSurface()->w * text.GetSurface()->h);
}

TEST_F(CaptionTest, NoFontOrNoTextDrawsNothing)
{
    TextObject unset(kFont, 24);
    EXPECT_TRUE(unset.Render(m_pScreen));

    TextObject empty(kFont, 24);
    empty.SetText("");
    EXPECT_TRUE(empty.Render(m_pScreen));
    EXPECT_EQ(nullptr, empty.GetSurface());

    TextObject fontless(FLATMATES_SOURCE_DIR "/assets/fonts/missing.ttf", 24);
    EXPECT_FALSE(fontless.HasFont());
    fontless.SetText("Thats my medication!");
    fontless.SetColor(kInk.r, kInk.g, kInk.b);
    EXPECT_TRUE(fontless.Render(m_pScreen));
    EXPECT_EQ(nullptr, fontless.GetSurface());

    EXPECT_EQ(m_pScreen->w * m_pScreen->h, Count(kBackground));
}

TEST_F(CaptionTest, ACaptionIsShownWhileItsTimeIsNotBelowZero)
{
    TextObject text(kFont, 24);
    text.SetText("Hey! I was listening to that!");
    text.SetColor(kInk.r, kInk.g, kInk.b);
    FontRender* captions = FontRender::getInstance();
    ASSERT_TRUE(captions->AddText(&text, 3.0f, false));

    // 3.0 s at 1.0 s frames: drawn after three frames (2, 1 and exactly 0
    // left), gone in the fourth.
    for (float left : {2.0f, 1.0f, 0.0f})
    {
        captions->Update(1.0f);
        ASSERT_EQ(1u, captions->GetTexts().size());
        EXPECT_EQ(left, captions->GetTexts().front().m_TimeLeft);
        DrawCaptions();
        EXPECT_GT(Count(kInk), 20) << left;
    }
    captions->Update(1.0f);
    EXPECT_TRUE(captions->GetTexts().empty());

    // Not owned, so still the caller's to use.
    EXPECT_EQ("Hey! I was listening to that!", text.GetText());
    Fill(m_pScreen, kBackground);
    text.Render(m_pScreen);
    EXPECT_GT(Count(kInk), 20);
}

TEST_F(CaptionTest, TheListRefusesNullAndACaptionAlreadyListed)
{
    FontRender* captions = FontRender::getInstance();
    TextObject first(kFont, 24);
    TextObject second(kFont, 24);
    EXPECT_FALSE(captions->AddText(nullptr, 3.0f, true));
    EXPECT_TRUE(captions->AddText(&first, 3.0f, false));
    EXPECT_FALSE(captions->AddText(&first, 1.0f, true));
    EXPECT_TRUE(captions->AddText(&second, 1.0f, false));
    ASSERT_EQ(2u, captions->GetTexts().size());
    EXPECT_EQ(&first, captions->GetTexts().front().m_Object);
    EXPECT_FALSE(captions->GetTexts().front().m_Owned);

    // Without a screen (no window yet) the captions are not drawn at all.
    captions->Render();
    captions->Update(2.0f);
    ASSERT_EQ(1u, captions->GetTexts().size());
    EXPECT_EQ(&first, captions->GetTexts().front().m_Object);
    captions->Update(1.5f);
    EXPECT_TRUE(captions->GetTexts().empty());
}

TEST_F(CaptionTest, CaptionsPileUpTheLaterOverTheEarlier)
{
    // Drawn by the list itself, onto the game's screen.
    GameMain::getInstance()->InitGame();
    SDL_Surface* screen = GameMain::getInstance()->getSurface();
    ASSERT_NE(nullptr, screen);
    const Rgb red = {200, 0, 0}, green = {0, 200, 0}, blue = {0, 0, 200};
    TextObject longer(kFont, 24), first(kFont, 24), second(kFont, 24);
    longer.SetText("Hey! I was listening to that!");
    longer.SetColor(blue.r, blue.g, blue.b);
    first.SetText("Hey!");
    first.SetColor(red.r, red.g, red.b);
    second.SetText("Hey!");
    second.SetColor(green.r, green.g, green.b);
    FontRender* captions = FontRender::getInstance();
    ASSERT_TRUE(captions->AddText(&longer, 3.0f, false));
    ASSERT_TRUE(captions->AddText(&first, 3.0f, false));
    ASSERT_TRUE(captions->AddText(&second, 3.0f, false));
    EXPECT_EQ(3u, captions->GetTexts().size());

    // The same words in the same place: the later caption covers the
    // earlier one wholly, and the longer one shows beyond them both.
    Fill(screen, kBackground);
    captions->Render();
    int reds = 0, greens = 0, blues = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 400; ++x)
        {
            const Rgb c = PixelAt(screen, x, y);
            reds += c == red;
            greens += c == green;
            blues += c == blue;
        }
    EXPECT_EQ(0, reds);
    EXPECT_GT(greens, 20);
    EXPECT_GT(blues, 20);
}

TEST_F(CaptionTest, CaptionsExpiringTogetherAllGoAndTheRestStillCountDown)
{
    TextObject a(nullptr, 24), b(nullptr, 24), c(nullptr, 24), d(nullptr, 24), e(nullptr, 24);
    FontRender* captions = FontRender::getInstance();
    for (TextObject* text : {&a, &b})
        ASSERT_TRUE(captions->AddText(text, 1.0f, false));
    ASSERT_TRUE(captions->AddText(&c, 5.0f, false));
    ASSERT_TRUE(captions->AddText(&d, 1.0f, false));
    ASSERT_TRUE(captions->AddText(&e, 4.0f, false));

    captions->Update(2.0f);
    ASSERT_EQ(2u, captions->GetTexts().size());
    EXPECT_EQ(&c, captions->GetTexts().front().m_Object);
    EXPECT_EQ(3.0f, captions->GetTexts().front().m_TimeLeft);
    EXPECT_EQ(&e, captions->GetTexts().back().m_Object);
    EXPECT_EQ(2.0f, captions->GetTexts().back().m_TimeLeft);
}
