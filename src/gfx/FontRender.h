#ifndef FLATMATES_GFX_FONTRENDER_H
#define FLATMATES_GFX_FONTRENDER_H

#include "core/KeptToExit.h"

#include <SDL.h>
#include <list>

class TextObject;

// The captions on screen: each is drawn every frame over the scene until its
// time has run out, then taken off the list (and deleted when owned).
class FontRender
{
public:
    // One caption on the list.
    struct Data
    {
        Data(TextObject* object, float timeLeft, bool owned);

        TextObject* m_Object;
        float m_TimeLeft;
        bool m_Owned;
    };

    // Draws one caption onto the screen.
    class RenderStuff
    {
    public:
        explicit RenderStuff(SDL_Surface* screen) : m_pScreen(screen) {}
        void operator()(Data& data) const;

    private:
        SDL_Surface* m_pScreen;
    };

    static FontRender* getInstance();

    // Lists a caption for seconds; owned captions are deleted when they
    // expire. Null and a caption already listed are refused (false): a
    // second entry would delete it twice.
    bool AddText(TextObject* object, float seconds, bool owned);
    // Counts every caption down by the frame time; removes those below zero.
    void Update(float dt);
    // Draws every caption in list order onto the game's screen.
    void Render();

    const std::list<Data>& GetTexts() const { return *m_Texts; }

    FontRender(const FontRender&) = delete;
    FontRender& operator=(const FontRender&) = delete;

private:
    FontRender() = default;
    ~FontRender() = default;

    static FontRender m_Instance;

    // Captions still shown when the game ends are not deleted: they stay
    // owned, not lost, until the process is gone.
    KeptToExit<std::list<Data>> m_Texts;
};

#endif
