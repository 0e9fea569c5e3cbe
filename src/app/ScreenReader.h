#ifndef FLATMATES_APP_SCREENREADER_H
#define FLATMATES_APP_SCREENREADER_H

#include <condition_variable>
#include <mutex>
#include <thread>

// Whether the desktop's screen reader (Orca, say) is on, as the desktop
// announces it on its accessibility bus: a blind player then hears the game
// from the start without first finding the speech key. The question goes
// over the session bus, which may be missing, slow or silent, so it is asked
// on a thread of its own and the game starts meanwhile; only a clear yes
// counts.
class ScreenReader
{
public:
    // The SDL_USEREVENT's code that says the screen reader is on.
    static const int kOnEvent = 0x5352; // "SR"

    ScreenReader() = default;
    // Waits for the question still out, at most its timeout; gives up
    // waiting for the window.
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // Asks the session bus and waits for the answer, at most timeoutMs. No
    // bus, nobody answering, an error or a late answer are all a no.
    static bool IsOn(unsigned timeoutMs);
    // Asks once, on a thread of its own; on a yes pushes one SDL_USEREVENT
    // with kOnEvent as soon as SDL's event queue is there (the answer may
    // come before the window opens).
    void Ask(unsigned timeoutMs = 500);

private:
    void PushOnEvent();

    std::mutex m_Mutex;
    std::condition_variable m_Stopped;
    bool m_Stop = false;
    std::thread m_Thread;
};

#endif
