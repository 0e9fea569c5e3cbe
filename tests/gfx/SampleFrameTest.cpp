#include "GfxTestSupport.h"
#include "gfx/Sprite.h"
#include "gfx/TextObject.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace gfxtest;

// A real frame from the game's own pictures and font: the man over a
// coloured floor with a caption across him. Set FLATMATES_SAMPLE_FRAME to a
// .bmp path to keep the picture and look at it.
TEST(SampleFrameTest, TheManAndACaptionShowNoMagenta)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
    ASSERT_EQ(0, TTF_Init());
    SDL_Surface* screen = SDL_SetVideoMode(1024, 768, 32, 0);
    ASSERT_NE(nullptr, screen);
    Fill(screen, kBackground);
    {
        Sprite man;
        man.LoadImg(FLATMATES_SOURCE_DIR "/assets/animations/character_all.png");
        man.LoadAnimation(FLATMATES_SOURCE_DIR "/assets/animations/character_anim.txt");
        man.SetDimensions(128, 128);
        man.SetCurrAnim(1);
        man.Update(0.25f);
        man.SetPos(440.0, 420.0);
        EXPECT_EQ(1, man.Render(screen));

        TextObject caption(FLATMATES_SOURCE_DIR "/assets/fonts/arial.ttf", 24);
        caption.SetText("Hey! I was listening to that!");
        caption.SetPos(330.0f, 500.0f);
        caption.SetColor(255, 240, 200);
        caption.Render(screen);

        int magenta = 0, background = 0;
        for (int y = 0; y < screen->h; ++y)
            for (int x = 0; x < screen->w; ++x)
            {
                const Rgb c = PixelAt(screen, x, y);
                magenta += c == kMagenta;
                background += c == kBackground;
            }
        EXPECT_EQ(0, magenta);
        // The man covers part of his frame only: its corner shows the floor.
        EXPECT_LT(background, screen->w * screen->h);
        EXPECT_EQ(kBackground, PixelAt(screen, 440, 420));

        if (const char* out = std::getenv("FLATMATES_SAMPLE_FRAME"))
        {
            EXPECT_EQ(0, SDL_SaveBMP(screen, out));
        }
    }
    TTF_Quit();
    SDL_Quit();
}
