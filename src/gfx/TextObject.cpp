#include "gfx/TextObject.h"

namespace
{

// Caption places go into the 16-bit fields of SDL_Rect.
Sint16 ToScreenCoord(float value)
{
    if (!(value > -32768.0f))
        return -32768;
    if (value > 32767.0f)
        return 32767;
    return static_cast<Sint16>(value); // truncates toward zero
}

} // namespace

TextObject::TextObject(const char* fontPath, int pointSize)
    : m_Font(fontPath != nullptr ? TTF_OpenFont(fontPath, pointSize) : nullptr),
      m_TextSurface(nullptr), m_Color{255, 255, 255, 0}, m_Left(0.0f), m_Top(0.0f), m_Dirty(false)
{
}

TextObject::~TextObject()
{
    if (m_Font != nullptr)
        TTF_CloseFont(m_Font);
    if (m_TextSurface != nullptr)
        SDL_FreeSurface(m_TextSurface);
}

void TextObject::SetText(const std::string& text)
{
    m_Text = text;
    m_Dirty = true;
}

void TextObject::SetColor(unsigned char r, unsigned char g, unsigned char b)
{
    m_Color.r = r;
    m_Color.g = g;
    m_Color.b = b;
    m_Dirty = true;
}

void TextObject::SetPos(float x, float y)
{
    m_Left = x;
    m_Top = y;
}

bool TextObject::Render(SDL_Surface* target)
{
    if (m_Dirty)
    {
        if (m_TextSurface != nullptr)
            SDL_FreeSurface(m_TextSurface);
        m_TextSurface = nullptr;
        // Without a font, or with nothing to say, there is nothing to draw.
        if (m_Font != nullptr && !m_Text.empty())
            m_TextSurface = TTF_RenderText_Solid(m_Font, m_Text.c_str(), m_Color);
        m_Dirty = false;
    }
    if (m_TextSurface == nullptr || target == nullptr)
        return true;

    SDL_Rect source = {0, 0, static_cast<Uint16>(m_TextSurface->w), static_cast<Uint16>(m_TextSurface->h)};
    SDL_Rect dest = {ToScreenCoord(m_Left), ToScreenCoord(m_Top), source.w, source.h};
    SDL_UpperBlit(m_TextSurface, &source, target, &dest);
    return true;
}
