#include "app/Speech.h"

#include "app/SpeechListener.h"
#include "app/SpeechVoice.h"
#include "objects/BaseObject.h"

#include <SDL.h>
#include <cstring>

namespace
{
const unsigned kFinishStepMs = 20;
} // namespace

void Speech::SetOn(bool on)
{
    if (on == m_On)
        return;
    m_On = on;
    m_Count = 0;
    if (m_pVoice == nullptr)
        return;
    if (on)
        m_pVoice->Wake();
    else
        m_pVoice->Stop();
}

void Speech::Say(const char* line)
{
    Add(line, false);
}

void Speech::Finish(const char* line, unsigned waitMs)
{
    if (m_pListener != nullptr)
        m_pListener->OnLine(line, false);
    if (!m_On || m_pVoice == nullptr)
        return;
    m_Count = 0;
    m_pVoice->Stop();
    m_pVoice->Say(line);
    for (unsigned waited = 0; waited < waitMs && m_pVoice->IsSpeaking(); waited += kFinishStepMs)
        SDL_Delay(kFinishStepMs);
}

void Speech::OnReach(const BaseObject* object)
{
    // Walking away from a thing is heard as the next thing, or as silence.
    if (object != nullptr)
        Add(object->GetSpokenName() != nullptr ? object->GetSpokenName() : object->GetName().c_str(), true);
}

void Speech::OnPassage(const BaseObject* passage, char room)
{
    if (passage->GetSpokenName() != nullptr)
        Add(passage->GetSpokenName(), true);
    Add(RoomName(room), false);
}

void Speech::OnCaption(const std::string& text)
{
    Add(text.c_str(), false);
}

void Speech::Add(const char* text, bool reach)
{
    if (m_pListener != nullptr)
        m_pListener->OnLine(text, reach);
    if (!m_On)
        return;
    if (reach)
    {
        for (int i = 0; i < m_Count; ++i)
        {
            if (!m_Lines[i].m_Reach)
                continue;
            std::memmove(&m_Lines[i], &m_Lines[i + 1], sizeof(Line) * static_cast<size_t>(m_Count - i - 1));
            --m_Count;
            break;
        }
    }
    if (m_Count == kWaiting)
    {
        std::memmove(&m_Lines[0], &m_Lines[1], sizeof(Line) * (kWaiting - 1));
        --m_Count;
    }
    Line& line = m_Lines[m_Count++];
    std::strncpy(line.m_Text, text, kLineLength - 1);
    line.m_Text[kLineLength - 1] = '\0';
    line.m_Reach = reach;
}

bool Speech::HasLineDue() const
{
    return m_On && m_Count > 0 && m_pVoice != nullptr && !m_pVoice->IsSpeaking();
}

void Speech::Update()
{
    if (!HasLineDue())
        return;
    m_pVoice->Say(m_Lines[0].m_Text);
    std::memmove(&m_Lines[0], &m_Lines[1], sizeof(Line) * static_cast<size_t>(m_Count - 1));
    --m_Count;
}

const char* Speech::RoomName(char room)
{
    return room == 'a' ? "the kitchen" : "the living room";
}
