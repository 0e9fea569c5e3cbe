// Every language's words have their letters in the font the game draws that
// language in, and every caption stays whole on the screen.

#include "GameTest.h"
#include "TestSupport.h"
#include "core/Words.h"
#include "gfx/FontRender.h"
#include "gfx/TextObject.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace
{

struct English
{
    std::string m_Text;
    bool m_Drawn = false;   // by the game (the page uses the browser's fonts)
    bool m_Caption = false; // said by a household thing, at the caption's place
};

// The template's English texts, unescaped, marked by where they are used.
std::vector<English> Template()
{
    std::ifstream pot(FLATMATES_SOURCE_DIR "/po/flatmates.pot");
    std::vector<English> texts;
    English next;
    bool inId = false;
    for (std::string line; std::getline(pot, line);)
    {
        for (size_t at = line.find(' '); line.rfind("#: ", 0) == 0 && at != std::string::npos;
             at = line.find(' ', at + 1))
        {
            next.m_Drawn = next.m_Drawn || line.compare(at + 1, 4, "web/") != 0;
            next.m_Caption = next.m_Caption || line.compare(at + 1, 12, "src/objects/") == 0;
        }
        if (line.rfind("msgid \"", 0) == 0)
            texts.push_back(next), next = English{};
        inId = line.rfind("msgid \"", 0) == 0 || (inId && line.rfind("\"", 0) == 0);
        for (size_t at = line.find('"') + 1; inId && at + 1 < line.size(); ++at)
        {
            const bool escaped = line[at] == '\\' && ++at;
            texts.back().m_Text += escaped && line[at] == 'n' ? '\n' : line[at];
        }
    }
    return texts;
}

class WordsFitTest : public testsupport::GameTest
{
protected:
    void SetUp() override
    {
        testsupport::UseRepositoryContent();
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        ASSERT_EQ(0, TTF_Init());
    }
};

} // namespace

TEST_F(WordsFitTest, EveryLanguageHasItsLettersAndItsCaptionsStayOnTheScreen)
{
    const std::vector<English> texts = Template();
    ASSERT_GT(texts.size(), 50u);
    std::vector<std::string> catalogues = {FLATMATES_LOCALE_DIR};
    std::vector<std::string> languages = Words::Shipped();
    languages.insert(languages.begin(), "en");
#ifdef FLATMATES_PSEUDO_LOCALE_DIR
    catalogues.push_back(FLATMATES_PSEUDO_LOCALE_DIR);
    languages.push_back("qps"); // longer than any language, and accented
#endif
    for (const std::string& language : languages)
    {
        SCOPED_TRACE(language);
        ASSERT_TRUE(Words::Use(language, catalogues));
        const char* fontPath = FontRender::FontFor();
        EXPECT_EQ(language == "ja", std::string(fontPath) == "assets/fonts/japanese.otf");
        TTF_Font* font = TTF_OpenFont(fontPath, 24);
        ASSERT_NE(nullptr, font);
        std::string missing;
        for (const English& english : texts)
        {
            const std::string words = Words::Get(english.m_Text.c_str());
            for (size_t at = 0, next = 0; english.m_Drawn && at < words.size(); at = next)
            {
                // One UTF-8 character; line breaks are only ever printed.
                const unsigned char lead = static_cast<unsigned char>(words[at]);
                const size_t length = lead < 0xc0 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
                uint32_t point = length == 1 ? lead : lead & (0x7f >> length);
                for (next = at + 1; next < at + length && next < words.size(); ++next)
                    point = (point << 6) | (static_cast<unsigned char>(words[next]) & 0x3f);
                char name[16];
                std::snprintf(name, sizeof name, "U+%04X ", static_cast<unsigned>(point));
                if (point >= 0x20 &&
                    (point > 0xffff || !TTF_GlyphIsProvided(font, static_cast<Uint16>(point))))
                    missing += name + ("in \"" + words + "\"\n");
            }
            if (!english.m_Caption)
                continue;
            TextObject caption(fontPath, 24);
            caption.SetText(words);
            caption.SetPos(200.0f, 500.0f);
            ASSERT_TRUE(FontRender::getInstance()->AddText(&caption, 0.0f, false));
            FontRender::getInstance()->Update(1.0f);
            caption.Render(nullptr);
            const SDL_Rect box = caption.GetBox();
            EXPECT_TRUE(box.x >= 0 && box.y >= 0 && box.x + box.w <= GameMain::kScreenWidth &&
                        box.y + box.h <= GameMain::kScreenHeight)
                << words << " is drawn at " << box.x << "," << box.y << " " << box.w << "x" << box.h;
            // English stays exactly where the game has always put it.
            EXPECT_TRUE(language != "en" || (box.x == 200 && box.y == 500 && caption.GetLineCount() == 1))
                << words;
        }
        EXPECT_TRUE(missing.empty()) << fontPath << " lacks letters:\n" << missing;
        TTF_CloseFont(font);
    }
}

TEST_F(WordsFitTest, ACaptionTooLongForItsPlaceMovesLeftThenBreaksIntoEvenLines)
{
    const std::string sentence = "You really have no life do you? ";
    const char* const latin = "assets/fonts/arial.ttf";
    const struct
    {
        std::string m_Text;
        const char* m_Font;
        size_t m_Lines;
        int m_Left; // -1: against the right margin
    } cases[] = {
        {sentence + sentence + "Seriously... stop", latin, 1, -1},
        {sentence + sentence + sentence + sentence, latin, 2, 200},
        {std::string(60, 'W'), latin, 2, 200}, // no space to break at
        {"ちょっと！それ聴いてたのに！ちょっと！それ聴いてたのに！ちょっと！それ聴いてたのに！ちょっと！",
         FontRender::FontFor("ja"), 2, 200},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.m_Text);
        TextObject caption(c.m_Font, 24);
        caption.SetText(c.m_Text);
        caption.SetPos(200.0f, 500.0f);
        caption.KeepWithin(GameMain::kScreenWidth, GameMain::kScreenHeight, FontRender::kMargin);
        caption.Render(nullptr);
        const SDL_Rect box = caption.GetBox();
        EXPECT_EQ(c.m_Lines, caption.GetLineCount());
        EXPECT_EQ(500, box.y);
        EXPECT_EQ(c.m_Left < 0 ? GameMain::kScreenWidth - FontRender::kMargin - box.w : c.m_Left, box.x);
    }
}
