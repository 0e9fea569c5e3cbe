#ifndef FLATMATES_CORE_EVENTHANDLER_H
#define FLATMATES_CORE_EVENTHANDLER_H

#include <SDL.h>

class InputFilter;

// Takes at most one input event per frame and keeps it: a frame without a
// new event hands the last one on again, which is what held keys and the
// space bar's use-on-release rely on. Created on first use, never deleted.
class EventHandler
{
public:
    static EventHandler* getInstance();

    // Polls one event (after the filter had its turn to queue some), ends
    // the run on a close request or an Escape press, lets the filter keep
    // what is not the game's, and hands the current event to the game as a
    // keyboard event.
    void update();
    // The program's filter at the door; null for none.
    void SetFilter(InputFilter* filter) { m_pFilter = filter; }
    InputFilter* GetFilter() const { return m_pFilter; }
    // The current event: the last one polled, zero-filled before the first.
    SDL_Event* GetEvent();
    // Queues a key press or release for a later frame, as the keyboard
    // would, marked as pushed by the program; a full queue loses it, as it
    // would a key.
    static void PushKey(bool pressed, SDLKey sym);
    // Whether a key event was pushed by the program (the pad, the page's
    // touch controls, the arrows handed back after a pause): such keys are
    // the game's own already, where a keyboard's may be ones the player
    // chose.
    static bool IsPushed(const SDL_KeyboardEvent& key);
    // Forgets the current event and the filter, as before the first (for a
    // game started again in one process).
    void Reset();

    EventHandler(const EventHandler&) = delete;
    EventHandler& operator=(const EventHandler&) = delete;

private:
    EventHandler();

    static EventHandler* m_pInstance;

    SDL_Event m_Event;
    InputFilter* m_pFilter = nullptr;
};

#endif
