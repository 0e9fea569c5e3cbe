// The frame path must not touch the heap: this program counts every global
// operator new, and watches operator delete to see owned captions go.

#include "GameTest.h"
#include "TestSupport.h"
#include "app/GameLoop.h"
#include "app/Program.h"
#include "app/SpeechVoice.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "gfx/FontRender.h"
#include "gfx/Sprite.h"
#include "gfx/TextObject.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace
{

long g_NewCalls = 0;
const void* g_pWatched = nullptr;
bool g_WatchedDeleted = false;

void* CountedAlloc(std::size_t size)
{
    ++g_NewCalls;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void WatchedFree(void* p)
{
    if (p != nullptr && p == g_pWatched)
        g_WatchedDeleted = true;
    std::free(p);
}

} // namespace

void* operator new(std::size_t size)
{
    return CountedAlloc(size);
}
void* operator new[](std::size_t size)
{
    return CountedAlloc(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++g_NewCalls;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    ++g_NewCalls;
    return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* p) noexcept
{
    WatchedFree(p);
}
void operator delete[](void* p) noexcept
{
    WatchedFree(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    WatchedFree(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    WatchedFree(p);
}

namespace
{

const char* const kFont = FLATMATES_SOURCE_DIR "/assets/fonts/arial.ttf";

TextObject* NewCaption(const char* line)
{
    TextObject* text = new TextObject(kFont, 24);
    text->SetText(line);
    text->SetPos(200.0f, 500.0f);
    text->SetColor(76, 48, 64);
    return text;
}

class FramePathTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        ASSERT_EQ(0, TTF_Init());
        m_pScreen = SDL_SetVideoMode(1024, 768, 32, 0);
        ASSERT_NE(nullptr, m_pScreen);
    }
    // One frame of the media layer: sprites stepped and drawn, captions
    // counted down and drawn.
    void Frame(float dt)
    {
        for (Sprite& sprite : m_Sprites)
            sprite.Update(dt);
        FontRender::getInstance()->Update(dt);
        for (Sprite& sprite : m_Sprites)
            sprite.Render(m_pScreen);
        FontRender::getInstance()->Render();
        FontRender::RenderStuff draw(m_pScreen);
        for (FontRender::Data data : FontRender::getInstance()->GetTexts())
            draw(data);
    }

    SDL_Surface* m_pScreen = nullptr;
    std::vector<Sprite> m_Sprites;
};

} // namespace

TEST_F(FramePathTest, AThousandFramesAllocateNothingAfterTheFirst)
{
    StateTest::getInstance()->SetRoom('b');
    m_Sprites.resize(4);
    m_Sprites[0].LoadImg(FLATMATES_SOURCE_DIR "/assets/environment_b.png");
    m_Sprites[1].LoadImg(FLATMATES_SOURCE_DIR "/assets/animations/character_all.png");
    m_Sprites[1].LoadAnimation(FLATMATES_SOURCE_DIR "/assets/animations/character_anim.txt");
    m_Sprites[1].SetDimensions(128, 128);
    m_Sprites[1].SetCurrAnim(2);
    m_Sprites[1].SetPos(400.5, 320.0);
    m_Sprites[2].LoadImg(FLATMATES_SOURCE_DIR "/assets/animations/woman_all.png");
    m_Sprites[2].LoadAnimation(FLATMATES_SOURCE_DIR "/assets/animations/woman_anim.txt");
    m_Sprites[2].SetDimensions(128, 128);
    m_Sprites[2].m_RoomTag = 'b';
    m_Sprites[3].LoadImg(FLATMATES_SOURCE_DIR "/assets/lamp_on.png");
    m_Sprites[3].m_RoomTag = 'a';
    ASSERT_NE(nullptr, m_Sprites[1].GetImage());

    TextObject kept(kFont, 24);
    kept.SetText("Thats my medication!");
    ASSERT_TRUE(FontRender::getInstance()->AddText(NewCaption("Hey! I was listening to that!"), 30.0f, true));
    ASSERT_TRUE(FontRender::getInstance()->AddText(&kept, 1000.0f, false));
    ASSERT_TRUE(FontRender::getInstance()->AddText(NewCaption("Mmm, toast."), 3.0f, true));

    Frame(0.016f);
    g_NewCalls = 0;
    for (int i = 0; i < 1000; ++i)
        Frame(0.016f);
    EXPECT_EQ(0, g_NewCalls);
    // The short caption ran out on the way; the long ones are still up.
    EXPECT_EQ(2u, FontRender::getInstance()->GetTexts().size());
    EXPECT_GT(m_Sprites[1].GetAnims()[2].m_CurrFrame + m_Sprites[2].GetAnims()[0].m_CurrFrame, 0u);
}

TEST_F(FramePathTest, AnOwnedCaptionIsDeletedWhenItExpiresAndAnotherIsNot)
{
    TextObject* owned = NewCaption("Hey!");
    TextObject notOwned(kFont, 24);
    FontRender* captions = FontRender::getInstance();
    captions->AddText(owned, 1.0f, true);
    captions->AddText(&notOwned, 1.0f, false);

    g_pWatched = owned;
    captions->Update(1.0f);
    EXPECT_FALSE(g_WatchedDeleted);
    captions->Update(0.5f);
    EXPECT_TRUE(g_WatchedDeleted);
    EXPECT_TRUE(captions->GetTexts().empty());

    g_pWatched = &notOwned;
    g_WatchedDeleted = false;
    captions->AddText(&notOwned, 0.0f, false);
    captions->Update(0.1f);
    EXPECT_TRUE(captions->GetTexts().empty());
    EXPECT_FALSE(g_WatchedDeleted);
    g_pWatched = nullptr;
}

TEST_F(FramePathTest, PausedFramesWithTheProgramsNoticesAndLinesAllocateNothing)
{
    // Says each line in a frame, keeping nothing.
    class QuickVoice : public SpeechVoice
    {
    public:
        void Wake() override {}
        void Say(const char* line) override { m_Said += line != nullptr ? 1 : 0; }
        bool IsSpeaking() const override { return false; }
        void Stop() override {}
        int m_Said = 0;
    } voice;
    testsupport::UseRepositoryContent();
    GameMain* game = GameMain::getInstance();
    SDL_Surface* oldScreen = game->getSurface();
    game->SetSurface(m_pScreen);
    Program* program = Program::getInstance();
    program->SetVoice(&voice);
    program->Start(true);
    // The pause and a sound change come in as keys; their texts are made
    // then, not in the frames that show them.
    ASSERT_TRUE(testsupport::PushKey(SDL_KEYDOWN, SDLK_p));
    ASSERT_TRUE(testsupport::PushKey(SDL_KEYUP, SDLK_p));
    ASSERT_TRUE(testsupport::PushKey(SDL_KEYDOWN, SDLK_MINUS));
    ASSERT_TRUE(testsupport::PushKey(SDL_KEYUP, SDLK_MINUS));
    for (int frame = 0; frame < 4; ++frame)
    {
        GameLoop::Step(0.016f, 0);
    }
    ASSERT_TRUE(program->IsPaused());
    ASSERT_GT(program->GetOverlay().GetNoticeTimeLeft(), 0.0f);
    ASSERT_NE(nullptr, program->GetOverlay().GetPauseLine()->GetSurface());
    ASSERT_NE(nullptr, program->GetOverlay().GetNotice()->GetSurface());

    g_NewCalls = 0;
    const int said = voice.m_Said;
    for (int i = 0; i < 1000; ++i)
    {
        // Where he stands, and the last lines again, asked for now and then.
        if (i % 100 == 0)
        {
            for (const SDLKey key : {SDLK_w, SDLK_l})
            {
                testsupport::PushKey(SDL_KEYDOWN, key);
                testsupport::PushKey(SDL_KEYUP, key);
            }
        }
        GameLoop::Step(0.016f, 0);
    }
    EXPECT_EQ(0, g_NewCalls);
    EXPECT_EQ(said + 20, voice.m_Said);
    EXPECT_LE(program->GetOverlay().GetNoticeTimeLeft(), 0.0f) << "the notice went on the way";

    Program::ResetInstance();
    game->SetSurface(oldScreen);
}
