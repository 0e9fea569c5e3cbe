#ifndef FLATMATES_TESTS_SOUNDLOG_H
#define FLATMATES_TESTS_SOUNDLOG_H

#include "audio/SoundManager.h"
#include "audio/SoundObserver.h"

#include <cstdio>
#include <string>
#include <vector>

// Listens to the sound manager while it is alive, so a test can see what the
// game asked to hear: each kind of call on its own, and every call in order
// as a line of text.
class SoundLog : public SoundObserver
{
public:
    struct Play
    {
        unsigned int m_Id;
        std::string m_File;
        int m_Loops;
        int m_Channel;
        float m_Pan;
    };

    SoundLog() { SoundManager::getInstance()->SetObserver(this); }
    ~SoundLog() override { SoundManager::getInstance()->SetObserver(nullptr); }

    void OnPlay(unsigned int id, const char* file, int loops, int channel, float pan) override
    {
        const std::string name = file != nullptr ? file : "(no sound " + std::to_string(id) + ")";
        m_Plays.push_back({id, name, loops, channel, pan});
        char panned[16];
        std::snprintf(panned, sizeof(panned), "%+.2f", pan);
        m_Lines.push_back("play " + name + " loops " + std::to_string(loops) + " channel " +
                          std::to_string(channel) + " pan " + panned);
    }
    void OnHalt(int channel) override
    {
        m_Halts.push_back(channel);
        m_Lines.push_back("halt channel " + std::to_string(channel));
    }
    void OnMusicPlayed(int loops) override
    {
        m_MusicLoops.push_back(loops);
        m_Lines.push_back("music loops " + std::to_string(loops));
    }
    void OnMusicPaused(bool paused) override
    {
        m_Music.push_back(paused);
        m_Lines.push_back(paused ? "music paused" : "music resumed");
    }

    void OnVolume(int volume) override { m_Lines.push_back("volume " + std::to_string(volume)); }
    void OnAllPaused(bool paused) override { m_Lines.push_back(paused ? "all paused" : "all resumed"); }

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
        m_MusicLoops.clear();
        m_Music.clear();
        m_Lines.clear();
    }

    std::vector<Play> m_Plays;
    std::vector<int> m_Halts;
    // The loops of each start of the music.
    std::vector<int> m_MusicLoops;
    // Each pause (true) and resume (false) of the music.
    std::vector<bool> m_Music;
    std::vector<std::string> m_Lines;
};

#endif
