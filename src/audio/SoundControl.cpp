#include "audio/SoundControl.h"

#include "audio/SoundManager.h"
#include "core/Words.h"

#include <SDL_mixer.h>
#include <cstdio>

SoundControl::SoundControl(int steps) : m_Steps(steps > 0 ? steps : 1), m_Volume(m_Steps) {}

void SoundControl::Set(bool muted, int volume)
{
    m_Muted = muted;
    m_Volume = volume < 0 ? 0 : (volume > m_Steps ? m_Steps : volume);
    Apply();
}

void SoundControl::ToggleMute()
{
    m_Muted = !m_Muted;
    Apply();
}

void SoundControl::VolumeUp()
{
    m_Muted = false;
    if (m_Volume < m_Steps)
        ++m_Volume;
    Apply();
}

void SoundControl::VolumeDown()
{
    m_Muted = false;
    if (m_Volume > 0)
        --m_Volume;
    Apply();
}

void SoundControl::Apply() const
{
    SoundManager::getInstance()->SetVolume(MixerVolume());
}

int SoundControl::MixerVolume() const
{
    return m_Muted ? 0 : m_Volume * MIX_MAX_VOLUME / m_Steps;
}

void SoundControl::Describe(char* text, int size, bool aloud) const
{
    if (m_Muted)
        std::snprintf(text, static_cast<size_t>(size), "%s", _("Sound off"));
    else
        std::snprintf(text, static_cast<size_t>(size), aloud ? _("Volume %d of %d") : _("Volume %d/%d"),
                      m_Volume, m_Steps);
}
