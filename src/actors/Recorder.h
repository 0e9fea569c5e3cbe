#ifndef FLATMATES_ACTORS_RECORDER_H
#define FLATMATES_ACTORS_RECORDER_H

#include "core/Platform.h"

#include <SDL.h>
#include <list>
#include <utility>

// Keeps keyboard events with the counter ticks that passed before each, and
// hands them back later in the same rhythm. Used for recording or for
// playback, one at a time: both share one tick accumulator.
class Recorder
{
public:
    // An event and the ticks that passed before it.
    typedef std::pair<SDL_KeyboardEvent, LARGE_INTEGER> Entry;

    Recorder();
    ~Recorder();

    // Adds interval ticks; stores the event unless it repeats the oldest
    // entry's type and key, in which case the ticks wait for the next one.
    void RecordInput(const SDL_KeyboardEvent& event, LARGE_INTEGER interval);
    // Adds interval ticks and returns the entry that is due, at most one step
    // on per call; null once playback has passed the last entry.
    Entry* PlayBack(LARGE_INTEGER interval);
    // Forgets every entry; the next playback starts afresh.
    void Clear();
    // Keeps the entries; the next playback starts at the first.
    void ResetPlayback();

    const std::list<Entry>& GetEvents() const { return m_Events; }
    LARGE_INTEGER GetElapsed() const { return m_Elapsed; }

private:
    std::list<Entry> m_Events;
    std::list<Entry>::iterator m_PlayPos;
    LARGE_INTEGER m_Elapsed;
    bool m_RestartPlayback;
};

#endif
