#include "audio/SoundManager.h"

#include "audio/SoundObserver.h"

namespace
{

// The sound table: index is the id the game plays it by.
const char* const kSoundPaths[SoundManager::kSoundCount] = {
    "assets/sounds/footsteps.wav", "assets/sounds/clock.wav",  "assets/sounds/drink.wav",
    "assets/sounds/lamp.wav",      "assets/sounds/pills.wav",  "assets/sounds/sink.wav",
    "assets/sounds/tv_off.wav",    "assets/sounds/unplug.wav", "assets/sounds/toaster.wav",
    "assets/sounds/bump.wav",
};

// The mixer's full loudness on one side.
const float kFullSide = 255.0f;

const char* const kMusicPath = "assets/sounds/moonlightsonata.mp3";

} // namespace

SoundManager* SoundManager::m_pInstance = nullptr;

SoundManager* SoundManager::getInstance()
{
    if (m_pInstance == nullptr)
        m_pInstance = new SoundManager();
    return m_pInstance;
}

void SoundManager::Init()
{
    m_DeviceOpen = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) == 0;
    m_pMusic = Mix_LoadMUS(kMusicPath);
    m_Sounds.assign(kSoundCount, tSoundEffect{nullptr, 0, std::string()});
    for (int id = 0; id < kSoundCount; ++id)
        AddSound(id, kSoundPaths[id]);
}

void SoundManager::AddSound(int id, const char* path)
{
    if (id < 0 || static_cast<size_t>(id) >= m_Sounds.size())
        return;
    // A missing file gives no stream; the loader is not handed a null one.
    SDL_RWops* file = path != nullptr ? SDL_RWFromFile(path, "rb") : nullptr;
    Mix_Chunk* chunk = file != nullptr ? Mix_LoadWAV_RW(file, 1) : nullptr;
    if (m_Sounds[id].chunk != nullptr)
        Mix_FreeChunk(m_Sounds[id].chunk);
    m_Sounds[id].chunk = chunk;
    m_Sounds[id].id = id;
    m_Sounds[id].file = path != nullptr ? path : "";
}

void SoundManager::Quit()
{
    if (m_DeviceOpen)
    {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
    for (tSoundEffect& sound : m_Sounds)
    {
        if (sound.chunk != nullptr)
            Mix_FreeChunk(sound.chunk);
    }
    m_Sounds.clear();
    if (m_pMusic != nullptr)
        Mix_FreeMusic(m_pMusic);
    m_pMusic = nullptr;
    if (m_DeviceOpen)
        Mix_CloseAudio();
    m_DeviceOpen = false;
    m_MusicPausedBefore = false;
}

const char* SoundManager::GetSoundFile(unsigned int id) const
{
    return id < m_Sounds.size() ? m_Sounds[id].file.c_str() : nullptr;
}

void SoundManager::PlayMusic()
{
    if (m_pMusic != nullptr)
        Mix_PlayMusic(m_pMusic, kMusicLoops);
    if (m_pObserver != nullptr)
        m_pObserver->OnMusicPlayed(kMusicLoops);
}

void SoundManager::PauseMusic()
{
    Mix_PauseMusic();
    if (m_pObserver != nullptr)
        m_pObserver->OnMusicPaused(true);
}

void SoundManager::ResumeMusic()
{
    Mix_ResumeMusic();
    if (m_pObserver != nullptr)
        m_pObserver->OnMusicPaused(false);
}

int SoundManager::PlaySnd(unsigned int id, int loops, float pan)
{
    int channel = -1;
    if (id < m_Sounds.size() && m_Sounds[id].chunk != nullptr)
        channel = Mix_PlayChannelTimed(-1, m_Sounds[id].chunk, loops, -1);
    if (!m_Stereo || pan != pan)
        pan = 0.0f;
    pan = pan < -1.0f ? -1.0f : (pan > 1.0f ? 1.0f : pan);
    if (channel >= 0)
    {
        // A channel keeps its panning from one sound to the next, so every
        // sound sets its own, centred included. The far side is turned
        // down, the near one kept whole.
        const float left = pan > 0.0f ? kFullSide * (1.0f - pan) : kFullSide;
        const float right = pan < 0.0f ? kFullSide * (1.0f + pan) : kFullSide;
        Mix_SetPanning(channel, static_cast<Uint8>(left + 0.5f), static_cast<Uint8>(right + 0.5f));
    }
    if (m_pObserver != nullptr)
        m_pObserver->OnPlay(id, GetSoundFile(id), loops, channel, pan);
    return channel;
}

void SoundManager::HaltSound(int channel)
{
    // The mixer indexes its channel table with any other negative number,
    // and, once closed, indexes a table it has freed.
    if (m_DeviceOpen && channel >= -1)
        Mix_HaltChannel(channel);
    if (m_pObserver != nullptr)
        m_pObserver->OnHalt(channel);
}

void SoundManager::SetVolume(int volume)
{
    // The mixer divides by its channel count when given -1, and has none
    // until the device is open.
    if (m_DeviceOpen)
    {
        Mix_VolumeMusic(volume);
        Mix_Volume(-1, volume);
    }
    if (m_pObserver != nullptr)
        m_pObserver->OnVolume(volume);
}

void SoundManager::PauseAll()
{
    if (m_DeviceOpen)
    {
        m_MusicPausedBefore = Mix_PausedMusic() != 0;
        Mix_PauseMusic();
        Mix_Pause(-1);
    }
    if (m_pObserver != nullptr)
        m_pObserver->OnAllPaused(true);
}

void SoundManager::ResumeAll()
{
    if (m_DeviceOpen)
    {
        Mix_Resume(-1);
        if (!m_MusicPausedBefore)
            Mix_ResumeMusic();
    }
    if (m_pObserver != nullptr)
        m_pObserver->OnAllPaused(false);
}
