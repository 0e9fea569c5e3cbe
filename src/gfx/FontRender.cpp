#include "gfx/FontRender.h"

#include "core/GameMain.h"
#include "core/PlayObserver.h"
#include "core/Words.h"
#include "gfx/TextObject.h"

#include <algorithm>
#include <cstdio>

FontRender FontRender::m_Instance;

namespace
{
const char* const kLatinFont = "assets/fonts/arial.ttf";
const char* const kJapaneseFont = "assets/fonts/japanese.otf";
} // namespace

const char* FontRender::FontFor()
{
    return FontFor(Words::Language());
}

const char* FontRender::FontFor(const std::string& language)
{
    if (language.compare(0, 2, "ja") != 0 || (language.size() > 2 && language[2] != '_'))
        return kLatinFont;
    // Asked each time a caption is made, in a use, never in a frame: the
    // content folder is the working directory, which tests change.
    std::FILE* font = std::fopen(kJapaneseFont, "rb");
    if (font == nullptr)
        return kLatinFont;
    std::fclose(font);
    return kJapaneseFont;
}

FontRender::Data::Data(TextObject* object, float timeLeft, bool owned)
    : m_Object(object), m_TimeLeft(timeLeft), m_Owned(owned)
{
}

void FontRender::RenderStuff::operator()(Data& data) const
{
    if (data.m_Object != nullptr && m_pScreen != nullptr)
        data.m_Object->Render(m_pScreen);
}

FontRender* FontRender::getInstance()
{
    return &m_Instance;
}

bool FontRender::AddText(TextObject* object, float seconds, bool owned)
{
    if (object == nullptr)
        return false;
    for (const Data& data : *m_Texts)
    {
        if (data.m_Object == object)
            return false;
    }
    object->KeepWithin(GameMain::kScreenWidth, GameMain::kScreenHeight, kMargin);
    m_Texts->push_back(Data(object, seconds, owned));
    if (PlayObserver::Get() != nullptr)
        PlayObserver::Get()->OnCaption(object->GetText());
    return true;
}

void FontRender::Update(float dt)
{
    std::list<Data>::iterator it = m_Texts->begin();
    while (it != m_Texts->end())
    {
        it->m_TimeLeft -= dt;
        // A caption whose time is exactly used up is still shown this frame.
        if (it->m_TimeLeft < 0.0f)
        {
            TextObject* object = it->m_Object;
            const bool owned = it->m_Owned;
            it = m_Texts->erase(it);
            if (owned)
                delete object;
        }
        else
        {
            ++it;
        }
    }
}

void FontRender::Render()
{
    SDL_Surface* screen = GameMain::getInstance()->getSurface();
    if (screen == nullptr)
        return;
    std::for_each(m_Texts->begin(), m_Texts->end(), RenderStuff(screen));
}
