#ifndef FLATMATES_GFX_TEXTOBJECT_H
#define FLATMATES_GFX_TEXTOBJECT_H

#include <SDL.h>
#include <SDL_ttf.h>
#include <string>

// One line of TrueType text with its own font, colour and place. The text is
// rendered once after each change of text or colour and blitted every frame.
class TextObject
{
public:
    TextObject(const char* fontPath, int pointSize);
    ~TextObject();
    TextObject(const TextObject&) = delete;
    TextObject& operator=(const TextObject&) = delete;

    void SetText(const std::string& text);
    void SetColor(unsigned char r, unsigned char g, unsigned char b);
    // Moves the text; takes effect at the next draw without re-rendering.
    void SetPos(float x, float y);
    // Draws the text onto target; nothing without a font or a text.
    bool Render(SDL_Surface* target);

    const std::string& GetText() const { return m_Text; }
    bool HasFont() const { return m_Font != nullptr; }
    SDL_Color GetColor() const { return m_Color; }
    float GetLeft() const { return m_Left; }
    float GetTop() const { return m_Top; }
    // The rendered text, or null before the first draw after a change.
    SDL_Surface* GetSurface() const { return m_TextSurface; }

private:
    std::string m_Text;
    TTF_Font* m_Font;
    SDL_Surface* m_TextSurface;
    SDL_Color m_Color;
    float m_Left;
    float m_Top;
    bool m_Dirty;
};

#endif
