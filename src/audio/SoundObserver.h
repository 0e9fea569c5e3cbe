#ifndef FLATMATES_AUDIO_SOUNDOBSERVER_H
#define FLATMATES_AUDIO_SOUNDOBSERVER_H

// Hears what the sound manager is asked to do. The game sets none; tools and
// tests watch the household objects' sounds through it.
class SoundObserver
{
public:
    virtual ~SoundObserver() = default;
    // A sound was asked for: its id, the file its table entry was loaded
    // from (null for an id outside the table), the loops asked for, the
    // channel the manager returned and the pan it was heard with (-1 left,
    // 0 centred, 1 right).
    virtual void OnPlay(unsigned int id, const char* file, int loops, int channel, float pan) = 0;
    // A channel was halted.
    virtual void OnHalt(int channel) = 0;
    // The music was started with this many loops (-1: for ever).
    virtual void OnMusicPlayed(int loops) = 0;
    // The music was paused (true) or resumed (false).
    virtual void OnMusicPaused(bool paused) = 0;
    // The volume of the music and every channel was set (0 to 128).
    virtual void OnVolume(int volume) { (void)volume; }
    // Everything that sounds was paused (true) or resumed (false) with the
    // game.
    virtual void OnAllPaused(bool paused) { (void)paused; }
};

#endif
