#ifndef FLATMATES_AUDIO_SOUNDMANAGER_H
#define FLATMATES_AUDIO_SOUNDMANAGER_H

#include <SDL_mixer.h>
#include <string>
#include <vector>

class SoundObserver;

// One entry of the sound table.
struct tSoundEffect
{
    Mix_Chunk* chunk;
    int id;
    // The file the chunk was loaded from, as the table names it.
    std::string file;
};

// The game's audio: the music that loops for the whole run and the table of
// sound effects, addressed by id. An effect may be panned towards where its
// thing stands, so a player by ear hears which way it is. Created on first
// use, never deleted.
class SoundManager
{
public:
    // Sound ids.
    enum
    {
        kFootsteps = 0,
        kClock = 1,
        kDrink = 2,
        kLamp = 3,
        kPills = 4,
        kSink = 5,
        kTvOff = 6,
        kUnplug = 7,
        kToaster = 8,
        kBump = 9,
        kSoundCount = 10
    };

    static SoundManager* getInstance();

    // The music loops for the whole run.
    static const int kMusicLoops = -1;

    // Opens the audio device and loads the music and the sound table.
    void Init();
    // Stops every sound, frees the music and the sound table and closes the
    // device Init opened: the manager is as it was before Init. The game
    // never needs it (the device goes with the process); tools and tests
    // that start the game again in one process do.
    void Quit();
    // Loads one sound file into table entry id (which must be in the table).
    void AddSound(int id, const char* path);
    // Starts the music, looping for ever.
    void PlayMusic();
    void PauseMusic();
    void ResumeMusic();
    // Plays a sound on the first free channel, loops extra times (-1 until
    // halted), panned from -1 (all left) through 0 (centred) to 1 (all
    // right) while stereo is on. Returns the channel, or -1 for an id outside
    // the table, a sound that did not load, or no free channel.
    int PlaySnd(unsigned int id, int loops, float pan = 0.0f);
    // Off, every sound is centred whatever pan it is played with.
    void SetStereo(bool stereo) { m_Stereo = stereo; }
    // Stops one channel; -1 would stop every channel.
    void HaltSound(int channel);

    // Sets the volume of the music and of every channel, 0 (silent) to
    // MIX_MAX_VOLUME. Does nothing to the mixer while no device is open.
    void SetVolume(int volume);
    // Pauses the music and every channel where they are, as the game
    // pauses; ResumeAll goes on from there. Music that was paused before
    // (an unplugged record player) stays paused.
    void PauseAll();
    void ResumeAll();

    // Lets a tool or test watch the calls above; null stops watching.
    void SetObserver(SoundObserver* observer) { m_pObserver = observer; }
    size_t GetSoundCount() const { return m_Sounds.size(); }
    // The file the sound table names for id, or null outside the table.
    const char* GetSoundFile(unsigned int id) const;
    Mix_Music* GetMusic() const { return m_pMusic; }

    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

private:
    SoundManager() = default;

    static SoundManager* m_pInstance;

    Mix_Music* m_pMusic = nullptr;
    std::vector<tSoundEffect> m_Sounds;
    bool m_DeviceOpen = false;
    SoundObserver* m_pObserver = nullptr;
    bool m_MusicPausedBefore = false;
    bool m_Stereo = true;
};

#endif
