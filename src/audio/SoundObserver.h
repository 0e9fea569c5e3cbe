#ifndef FLATMATES_AUDIO_SOUNDOBSERVER_H
#define FLATMATES_AUDIO_SOUNDOBSERVER_H

// Hears what the sound manager is asked to do. The game sets none; tools and
// tests watch the household objects' sounds through it.
class SoundObserver
{
public:
    virtual ~SoundObserver() = default;
    // A sound was asked for; channel is what the manager returned.
    virtual void OnPlay(unsigned int id, int loops, int channel) = 0;
    // A channel was halted.
    virtual void OnHalt(int channel) = 0;
    // The music was paused (true) or resumed (false).
    virtual void OnMusicPaused(bool paused) = 0;
};

#endif
