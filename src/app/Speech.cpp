#include "app/Speech.h"

#include "app/SpeechListener.h"
#include "app/SpeechVoice.h"
#include "app/WhereLine.h"
#include "core/Words.h"
#include "objects/BaseObject.h"

#include <SDL.h>
#include <cstdio>
#include <cstring>

namespace
{
const unsigned kFinishStepMs = 20;
const int kLightsDark = 1;
const int kLightsLit = 2;
const char* const kDarkLine = N_("the lights go out in the flat");
const char* const kLitLine = N_("the lights come on in the flat");
// The walls, by room and side; only the kitchen's right and the living
// room's left stop him.
const char* const kWalls[2][2] = {{N_("the kitchen's left wall"), N_("the kitchen's right wall")},
                                  {N_("the living room's left wall"), N_("the living room's right wall")}};

void CopyLine(char* to, const char* from)
{
    std::strncpy(to, from, Speech::kLineLength - 1);
    to[Speech::kLineLength - 1] = '\0';
}
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
        m_pVoice->Rest();
}

void Speech::SetRate(int rate)
{
    if (m_pVoice != nullptr)
        m_pVoice->SetRate(rate);
}

void Speech::Say(const char* line)
{
    Add(line, Kind::kTurn);
}

void Speech::Answer(const char* line)
{
    Keep(line);
    if (m_pListener != nullptr)
        m_pListener->OnLine(line, false);
    if (!m_On || m_pVoice == nullptr)
        return;
    m_pVoice->Stop();
    m_pVoice->Say(line);
    // What he asked for gives way to news, as a name does.
    m_Saying = Kind::kName;
}

void Speech::Repeat()
{
    if (m_KeptCount == 0)
        return;
    const int back = m_Back < m_KeptCount ? m_Back : m_KeptCount - 1;
    const char* line = m_Kept[(m_Newest - back + kKept) % kKept];
    if (m_pListener != nullptr)
        m_pListener->OnLine(line, false);
    m_Back = back + 1;
    if (!m_On || m_pVoice == nullptr)
        return;
    m_pVoice->Stop();
    m_pVoice->Say(line);
    m_Saying = Kind::kName;
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
    // The passages are heard as the room they lead into; walking away from a
    // thing leaves its name unsaid.
    if (object == nullptr || object->GetOffIcon() == nullptr)
    {
        DropName();
        return;
    }
    Add(object->GetSpokenName() != nullptr ? _(object->GetSpokenName()) : object->GetName().c_str(),
        Kind::kName);
}

void Speech::OnPassage(const BaseObject* passage, char room)
{
    (void)passage;
    DropName();
    if (room != 'b')
        Add(_("into the kitchen"), Kind::kNow);
    else if (WhereLine::FlatmateOnLeft())
        Add(_("into the living room, your flatmate to your left"), Kind::kNow);
    else
        Add(_("into the living room, your flatmate to your right"), Kind::kNow);
}

void Speech::OnCaption(const std::string& text)
{
    Add(text.c_str(), Kind::kTurn);
}

void Speech::OnUse(const BaseObject* object, bool on)
{
    const char* state = object->GetSpokenState(on) != nullptr ? _(object->GetSpokenState(on)) : nullptr;
    const char* lights =
        m_Lights == kLightsDark ? _(kDarkLine) : (m_Lights == kLightsLit ? _(kLitLine) : nullptr);
    m_Lights = 0;
    if (state == nullptr && lights == nullptr)
        return;
    char line[kLineLength];
    if (state != nullptr && lights != nullptr)
        // TRANSLATORS: a thing's new state after a use ("on"), then what
        // that did to the flat's lights.
        std::snprintf(line, sizeof(line), _("%s, %s"), state, lights);
    else
        std::snprintf(line, sizeof(line), "%s", state != nullptr ? state : lights);
    Add(line, Kind::kNow);
}

void Speech::OnDark(bool dark)
{
    // Told with the use that made it, which comes straight after.
    m_Lights = dark ? kLightsDark : kLightsLit;
}

void Speech::OnWall(char room, bool right)
{
    Add(_(kWalls[room == 'a' ? 0 : 1][right ? 1 : 0]), Kind::kName);
}

void Speech::Add(const char* text, Kind kind)
{
    if (m_pListener != nullptr)
        m_pListener->OnLine(text, kind == Kind::kName);
    if (!m_On || m_pVoice == nullptr)
    {
        // Heard by the listener alone, as it is made.
        Keep(text);
        return;
    }
    if (kind == Kind::kName)
        DropName();
    if (m_Count == kWaiting)
    {
        std::memmove(&m_Lines[0], &m_Lines[1], sizeof(Line) * (kWaiting - 1));
        --m_Count;
    }
    // Lines that must be heard soon go ahead of those that wait their turn.
    int at = m_Count;
    while (at > 0 && m_Lines[at - 1].m_Kind > kind)
        --at;
    std::memmove(&m_Lines[at + 1], &m_Lines[at], sizeof(Line) * static_cast<size_t>(m_Count - at));
    ++m_Count;
    CopyLine(m_Lines[at].m_Text, text);
    m_Lines[at].m_Kind = kind;
    // A name being said is worth nothing once there is news of where he is.
    if (kind != Kind::kTurn && m_Saying == Kind::kName && m_pVoice != nullptr && m_pVoice->IsSpeaking())
    {
        m_pVoice->Stop();
        SayFirst();
    }
}

void Speech::DropName()
{
    for (int i = 0; i < m_Count; ++i)
    {
        if (m_Lines[i].m_Kind != Kind::kName)
            continue;
        std::memmove(&m_Lines[i], &m_Lines[i + 1], sizeof(Line) * static_cast<size_t>(m_Count - i - 1));
        --m_Count;
        return;
    }
}

void Speech::Keep(const char* text)
{
    m_Back = 0;
    m_Newest = (m_Newest + 1) % kKept;
    CopyLine(m_Kept[m_Newest], text);
    if (m_KeptCount < kKept)
        ++m_KeptCount;
}

bool Speech::HasLineDue() const
{
    return m_On && m_Count > 0 && m_pVoice != nullptr && !m_pVoice->IsSpeaking();
}

void Speech::SayFirst()
{
    Keep(m_Lines[0].m_Text);
    m_pVoice->Say(m_Lines[0].m_Text);
    m_Saying = m_Lines[0].m_Kind;
    std::memmove(&m_Lines[0], &m_Lines[1], sizeof(Line) * static_cast<size_t>(m_Count - 1));
    --m_Count;
}

void Speech::Update()
{
    if (m_Lights != 0)
    {
        // The lights changed by no use: told on their own.
        const char* lights = _(m_Lights == kLightsDark ? kDarkLine : kLitLine);
        m_Lights = 0;
        Add(lights, Kind::kNow);
    }
    if (HasLineDue())
        SayFirst();
}

const char* Speech::RoomName(char room)
{
    return room == 'a' ? _("the kitchen") : _("the living room");
}
