#ifndef FLATMATES_TESTS_OBJECTS_SOUNDLOG_H
#define FLATMATES_TESTS_OBJECTS_SOUNDLOG_H

#include "audio/SoundManager.h"
#include "audio/SoundObserver.h"

#include <vector>

// Listens to the sound manager while it is alive, so a test can see what a
// use asked to hear.
class SoundLog : public SoundObserver
{
public:
    struct Play
    {
        unsigned int m_Id;
        int m_Loops;
        int m_Channel;
    };

    SoundLog() { SoundManager::getInstance()->SetObserver(this); }
    ~SoundLog() override { SoundManager::getInstance()->SetObserver(nullptr); }

    void OnPlay(unsigned int id, int loops, int channel) override { m_Plays.push_back({id, loops, channel}); }
    void OnHalt(int channel) override { m_Halts.push_back(channel); }
    void OnMusicPaused(bool paused) override { m_Music.push_back(paused); }

    // The ids played, in order.
    std::vector<unsigned int> Ids() const
    {
        std::vector<unsigned int> ids;
        for (const Play& play : m_Plays)
            ids.push_back(play.m_Id);
        return ids;
    }
    void Clear()
    {
        m_Plays.clear();
        m_Halts.clear();
        m_Music.clear();
    }

    std::vector<Play> m_Plays;
    std::vector<int> m_Halts;
    std::vector<bool> m_Music;
};

#endif
