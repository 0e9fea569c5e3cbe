#include "objects/SinkObj.h"

#include "audio/SoundManager.h"
#include "core/Words.h"

namespace
{
// The channel value that means "no water sound playing".
const int kNoChannel = -1;
} // namespace

SinkObj::SinkObj()
    : BaseObject(6, "Sink", "assets/icon_sink01.png", "assets/icon_sink01_on.png"), m_SoundChannel(kNoChannel)
{
}

void SinkObj::HandleCollision()
{
    ++m_UseCount;
    if (m_UseCount == 1)
        ShowCaption(N_("That thing does nothing but pour rust out."));
    if (m_UseCount == 10)
        ShowCaption(N_("You're gonna flood the damn sink!"));
    m_On = !m_On;
    ShowLook();
    if (m_On)
    {
        // The water runs until the tap is turned off again.
        m_SoundChannel = PlaySound(SoundManager::kSink, -1);
    }
    else if (m_SoundChannel != kNoChannel)
    {
        // Only stop the water's own channel: halting "no channel" would
        // silence every sound in the flat, the footsteps included.
        SoundManager::getInstance()->HaltSound(m_SoundChannel);
        m_SoundChannel = kNoChannel;
    }
}
