#include "gfx/TextObject.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

// The code point of the UTF-8 character at text[at], and where the next one
// starts. A byte that begins no character stands for itself, so a broken
// text still breaks somewhere.
uint32_t Decode(const char* text, size_t size, size_t at, size_t* next)
{
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = lead < 0x80 ? 1 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
    if (at + length > size)
        length = 1;
    uint32_t point = length == 1 ? lead : lead & (0x7f >> length);
    for (size_t i = 1; i < length; ++i)
        point = (point << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3f);
    *next = at + length;
    return point;
}

// Languages written without spaces (Japanese, Chinese) break between any
// two of their characters.
bool Unspaced(uint32_t point)
{
    return (point >= 0x2e80 && point <= 0x9fff) || (point >= 0xf900 && point <= 0xfaff) ||
           (point >= 0xff00 && point <= 0xffef);
}

// Marks a line does not start with (a closing bracket, a full stop, a
// lengthening mark, a small kana) or end with (an opening bracket), as
// Japanese typesetting keeps them.
bool Listed(uint32_t point, const char* list)
{
    const size_t size = std::strlen(list);
    for (size_t at = 0, next = 0; at < size; at = next)
    {
        if (Decode(list, size, at, &next) == point)
            return true;
    }
    return false;
}
const char* const kNoLineStart =
    "、。，．・：；？！）」』】〕ー…～ぁぃぅぇぉっゃゅょァィゥェォッャュョ!),.:;?]}";
const char* const kNoLineEnd = "（「『【〔([{";

bool BreaksBetween(uint32_t before, uint32_t point)
{
    if (point == ' ')
        return true;
    return (Unspaced(before) || Unspaced(point)) && !Listed(point, kNoLineStart) &&
           !Listed(before, kNoLineEnd);
}

// Keeps a stretch of size pixels from at within 0..room, margin in from an
// edge it crossed; one larger than the room shows its start.
int Keep(int at, int size, int room, int margin)
{
    if (at + size > room)
        at = std::max(margin, room - margin - size);
    if (at < 0)
        at = margin;
    return at;
}

} // namespace

TextObject::TextObject(const char* fontPath, int pointSize)
    : m_Font(fontPath != nullptr ? TTF_OpenFont(fontPath, pointSize) : nullptr), m_Color{255, 255, 255, 0},
      m_Left(0.0f), m_Top(0.0f), m_Width(0), m_Height(0), m_LineSkip(0), m_KeepWidth(0), m_KeepHeight(0),
      m_KeepMargin(0), m_Dirty(false)
{
}

TextObject::~TextObject()
{
    if (m_Font != nullptr)
        TTF_CloseFont(m_Font);
    FreeLines();
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

void TextObject::KeepWithin(int width, int height, int margin)
{
    if (width == m_KeepWidth && height == m_KeepHeight && margin == m_KeepMargin)
        return;
    m_KeepWidth = width;
    m_KeepHeight = height;
    m_KeepMargin = margin;
    m_Dirty = true;
}

std::vector<std::string> TextObject::Break(int maxWidth) const
{
    // The width of text[start, end) without the spaces it ends in.
    auto fits = [this, maxWidth](size_t start, size_t end)
    {
        while (end > start && m_Text[end - 1] == ' ')
            --end;
        int width = 0;
        int height = 0;
        return TTF_SizeUTF8(m_Font, m_Text.substr(start, end - start).c_str(), &width, &height) != 0 ||
               width <= maxWidth;
    };
    const size_t size = m_Text.size();
    std::vector<std::string> lines;
    if (maxWidth <= 0 || fits(0, size))
    {
        lines.push_back(m_Text);
        return lines;
    }
    size_t start = 0;
    for (;;)
    {
        while (start < size && m_Text[start] == ' ')
            ++start;
        if (start >= size)
            break;
        // The furthest place the line may end that leaves it narrow enough.
        size_t end = start;
        size_t at = start;
        size_t next = start;
        uint32_t before = 0;
        bool full = false;
        for (; at < size; at = next)
        {
            const uint32_t point = Decode(m_Text.data(), size, at, &next);
            if (at > start && BreaksBetween(before, point))
            {
                if (!fits(start, at))
                {
                    full = true;
                    break;
                }
                end = at;
            }
            before = point;
        }
        if (!full && fits(start, size))
            end = size;
        // A word wider than the line alone is cut where it has to be.
        if (end == start)
        {
            Decode(m_Text.data(), size, start, &end);
            while (end < size)
            {
                Decode(m_Text.data(), size, end, &next);
                if (!fits(start, next))
                    break;
                end = next;
            }
        }
        size_t last = end;
        while (last > start && m_Text[last - 1] == ' ')
            --last;
        lines.push_back(m_Text.substr(start, last - start));
        start = end;
    }
    return lines;
}

std::vector<std::string> TextObject::Lines() const
{
    if (m_KeepWidth <= 0)
        return Break(0);
    const int widest = std::max(1, m_KeepWidth - 2 * m_KeepMargin);
    std::vector<std::string> lines = Break(widest);
    if (lines.size() < 2)
        return lines;
    // As many lines, as narrow as they go: two halves read better than a
    // full line and a few words, and leave the caption nearer its place.
    int low = 1;
    int high = widest;
    while (low < high)
    {
        const int middle = low + (high - low) / 2;
        if (Break(middle).size() <= lines.size())
            high = middle;
        else
            low = middle + 1;
    }
    return high < widest ? Break(high) : lines;
}

void TextObject::FreeLines()
{
    for (SDL_Surface* line : m_Lines)
        SDL_FreeSurface(line);
    m_Lines.clear();
    m_Width = 0;
    m_Height = 0;
}

SDL_Rect TextObject::GetBox() const
{
    SDL_Rect box = {ToScreenCoord(m_Left), ToScreenCoord(m_Top), static_cast<Uint16>(m_Width),
                    static_cast<Uint16>(m_Height)};
    if (m_KeepWidth > 0 && !m_Lines.empty())
    {
        box.x = static_cast<Sint16>(Keep(box.x, m_Width, m_KeepWidth, m_KeepMargin));
        box.y = static_cast<Sint16>(Keep(box.y, m_Height, m_KeepHeight, m_KeepMargin));
    }
    return box;
}

bool TextObject::Render(SDL_Surface* target)
{
    if (m_Dirty)
    {
        FreeLines();
        // Without a font, or with nothing to say, there is nothing to draw.
        if (m_Font != nullptr && !m_Text.empty())
        {
            m_LineSkip = TTF_FontLineSkip(m_Font);
            for (const std::string& line : Lines())
            {
                if (SDL_Surface* rendered = TTF_RenderUTF8_Solid(m_Font, line.c_str(), m_Color))
                {
                    m_Height = m_LineSkip * static_cast<int>(m_Lines.size()) + rendered->h;
                    m_Width = std::max(m_Width, rendered->w);
                    m_Lines.push_back(rendered);
                }
            }
        }
        m_Dirty = false;
    }
    if (m_Lines.empty() || target == nullptr)
        return true;

    const SDL_Rect box = GetBox();
    for (size_t i = 0; i < m_Lines.size(); ++i)
    {
        SDL_Surface* line = m_Lines[i];
        SDL_Rect source = {0, 0, static_cast<Uint16>(line->w), static_cast<Uint16>(line->h)};
        SDL_Rect dest = {box.x, static_cast<Sint16>(box.y + m_LineSkip * static_cast<int>(i)), source.w,
                         source.h};
        SDL_UpperBlit(line, &source, target, &dest);
    }
    return true;
}
