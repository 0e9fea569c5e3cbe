#ifndef FLATMATES_GFX_TEXTOBJECT_H
#define FLATMATES_GFX_TEXTOBJECT_H

#include <SDL.h>
#include <SDL_ttf.h>
#include <string>
#include <vector>

// A TrueType text in UTF-8 with its own font, colour and place. The text is
// rendered once after each change of text, colour or screen to keep within,
// and blitted every frame. It is one line unless it is kept within a screen
// too narrow for it, where it is broken into as many lines as it needs.
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
    // Keeps the whole text on a screen of width by height: a text that
    // would run off it is drawn margin pixels in from the edge it crosses,
    // and one wider than the screen less both margins is broken into lines
    // of about even width (at spaces, or between the characters of a
    // language written without them). A text that fits is drawn where it
    // was put. A width of 0 lets the text run where it will, as it does
    // unless asked.
    void KeepWithin(int width, int height, int margin);
    // Draws the text onto target; nothing without a font or a text.
    bool Render(SDL_Surface* target);

    const std::string& GetText() const { return m_Text; }
    bool HasFont() const { return m_Font != nullptr; }
    SDL_Color GetColor() const { return m_Color; }
    float GetLeft() const { return m_Left; }
    float GetTop() const { return m_Top; }
    // The rendered text's first line (the whole text unless it was broken),
    // or null before the first draw after a change.
    SDL_Surface* GetSurface() const { return m_Lines.empty() ? nullptr : m_Lines.front(); }
    size_t GetLineCount() const { return m_Lines.size(); }
    // Where the rendered text is drawn and how much of the screen all its
    // lines cover; empty before the first draw after a change.
    SDL_Rect GetBox() const;

private:
    // The lines the text is drawn in, none of them wider than maxWidth
    // where it can be helped (a maxWidth of 0 asks for one line).
    std::vector<std::string> Break(int maxWidth) const;
    // The text's lines for the screen kept within, most even first.
    std::vector<std::string> Lines() const;
    void FreeLines();

    std::string m_Text;
    TTF_Font* m_Font;
    std::vector<SDL_Surface*> m_Lines;
    SDL_Color m_Color;
    float m_Left;
    float m_Top;
    int m_Width;
    int m_Height;
    int m_LineSkip;
    int m_KeepWidth;
    int m_KeepHeight;
    int m_KeepMargin;
    bool m_Dirty;
};

#endif
