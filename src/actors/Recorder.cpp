#include "actors/Recorder.h"

Recorder::Recorder() : m_PlayPos(m_Events.end()), m_Elapsed(0), m_RestartPlayback(true) {}

Recorder::~Recorder() = default;

void Recorder::RecordInput(const SDL_KeyboardEvent& event, LARGE_INTEGER interval)
{
    m_Elapsed += interval;
    // A held key arrives again every frame; only the first of a run is kept.
    // The comparison is with the oldest entry, as recordings have always been
    // made, so a played-back recording keeps its rhythm.
    if (!m_Events.empty())
    {
        const SDL_KeyboardEvent& oldest = m_Events.front().first;
        if (event.type == oldest.type && event.keysym.sym == oldest.keysym.sym)
            return;
    }
    m_Events.push_back(Entry(event, m_Elapsed));
    m_Elapsed = 0;
}

Recorder::Entry* Recorder::PlayBack(LARGE_INTEGER interval)
{
    if (m_RestartPlayback)
    {
        m_Elapsed = 0;
        m_RestartPlayback = false;
        m_PlayPos = m_Events.begin();
    }
    m_Elapsed += interval;
    if (m_PlayPos != m_Events.end() && m_Elapsed > m_PlayPos->second)
    {
        m_Elapsed = 0;
        ++m_PlayPos;
    }
    return m_PlayPos == m_Events.end() ? nullptr : &*m_PlayPos;
}

void Recorder::Clear()
{
    m_Events.clear();
    m_PlayPos = m_Events.end();
    m_Elapsed = 0;
    m_RestartPlayback = true;
}

void Recorder::ResetPlayback()
{
    m_Elapsed = 0;
    m_RestartPlayback = true;
}
