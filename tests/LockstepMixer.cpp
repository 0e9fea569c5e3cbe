#include "LockstepMixer.h"

#include <cmath>
#include <cstring>
#include <dlfcn.h>

namespace
{

// The device taken over: the mixer's own callback, which the test calls,
// and the format it mixes in.
struct Takeover
{
    bool m_Armed = false;
    bool m_Open = false;
    void (*m_Mix)(void*, Uint8*, int) = nullptr;
    void* m_UserData = nullptr;
    int m_Frequency = 0;
    int m_BytesPerSample = 0;
};

Takeover g_Takeover;

// What SDL's audio thread calls instead of the mixer: silence.
void Silence(void* userdata, Uint8* stream, int length)
{
    (void)userdata;
    std::memset(stream, 0, static_cast<size_t>(length));
}

} // namespace

// The mixer opens its device through here: this program's definition comes
// before SDL's own, which it then calls with the mixer swapped for silence.
extern "C" int SDL_OpenAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained)
{
    using OpenAudio = int (*)(SDL_AudioSpec*, SDL_AudioSpec*);
    static const OpenAudio sdlOpenAudio = reinterpret_cast<OpenAudio>(dlsym(RTLD_NEXT, "SDL_OpenAudio"));
    if (!g_Takeover.m_Armed || g_Takeover.m_Open)
        return sdlOpenAudio(desired, obtained);

    SDL_AudioSpec silent = *desired;
    silent.callback = Silence;
    silent.userdata = nullptr;
    SDL_AudioSpec got{};
    const int result = sdlOpenAudio(&silent, &got);
    if (result != 0)
        return result;
    if (obtained != nullptr)
    {
        *obtained = got;
        obtained->callback = desired->callback;
        obtained->userdata = desired->userdata;
    }
    g_Takeover.m_Open = true;
    g_Takeover.m_Mix = desired->callback;
    g_Takeover.m_UserData = desired->userdata;
    g_Takeover.m_Frequency = got.freq;
    g_Takeover.m_BytesPerSample = got.channels * ((got.format & 0xff) / 8);
    return 0;
}

LockstepMixer::LockstepMixer()
{
    g_Takeover = Takeover();
    g_Takeover.m_Armed = true;
}

LockstepMixer::~LockstepMixer()
{
    g_Takeover = Takeover();
}

bool LockstepMixer::Holds() const
{
    return g_Takeover.m_Open && g_Takeover.m_Mix != nullptr && g_Takeover.m_BytesPerSample > 0;
}

void LockstepMixer::Advance(double seconds)
{
    if (!Holds())
        return;
    m_OwedSamples += seconds * g_Takeover.m_Frequency;
    const double whole = std::floor(m_OwedSamples);
    m_OwedSamples -= whole;
    const size_t bytes = static_cast<size_t>(whole) * static_cast<size_t>(g_Takeover.m_BytesPerSample);
    if (bytes == 0)
        return;
    m_Buffer.resize(bytes);
    SDL_LockAudio();
    g_Takeover.m_Mix(g_Takeover.m_UserData, m_Buffer.data(), static_cast<int>(bytes));
    SDL_UnlockAudio();
}
