#ifndef FLATMATES_GFX_FONTRENDER_H
#define FLATMATES_GFX_FONTRENDER_H

#include "core/KeptToExit.h"

#include <SDL.h>
#include <list>
#include <string>

class TextObject;

// The captions on screen: each is drawn every frame over the scene until its
// time has run out, then taken off the list (and deleted when owned). A
// caption is kept wholly on the screen, however long its words are in the
// player's language.
class FontRender
{
public:
    // How far in from the screen's edge a caption too long for its place is
    // moved.
    static constexpr int kMargin = 16;
    // The font the captions and the program's lines are drawn in for the
    // language in play: Japanese has one of its own in the content (cut to
    // the characters of its words); every other language reads in
    // Liberation Sans, which has Latin, Greek and Cyrillic.
    static const char* FontFor();
    // The same for the language named ("en", "ja", "pt_BR"). Where the
    // content lacks the language's font, Liberation Sans: English words
    // still read, and the others show in boxes rather than not at all.
    static const char* FontFor(const std::string& language);

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

    // Lists a caption for seconds, kept within the game's screen; owned
    // captions are deleted when they expire. Null and a caption already
    // listed are refused (false): a second entry would delete it twice.
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
