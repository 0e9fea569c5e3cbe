#ifndef FLATMATES_APP_HELDARROWS_H
#define FLATMATES_APP_HELDARROWS_H

#include <SDL.h>

// The arrows as the player holds them and as the game was last told. While
// paused the game hears nothing, so an arrow let go or pressed then is
// handed over on resuming, from what the door saw of the keyboard and what
// the pad holds.
class HeldArrows
{
public:
    // Every key event that reaches the door, held back or not.
    void NoteKey(const SDL_KeyboardEvent& key);
    // Every event the game is handed.
    void NoteHanded(const SDL_Event& event);
    // Queues what changed since the game was last told: releases first, so
    // the game never sees both arrows held.
    void HandBack(bool padLeft, bool padRight) const;

private:
    bool m_KeyLeft = false;
    bool m_KeyRight = false;
    bool m_GameLeft = false;
    bool m_GameRight = false;
};

#endif
