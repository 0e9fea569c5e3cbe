#include "app/Program.h"

#include "app/ScreenMode.h"
#include "app/ScreenReader.h"
#include "app/WhereLine.h"
#include "audio/SoundManager.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "core/Words.h"
#include "play/StateTest.h"

#include <cstdio>
#include <cstdlib>

Program* Program::m_pInstance = nullptr;

Program* Program::getInstance()
{
    if (m_pInstance == nullptr)
        m_pInstance = new Program();
    return m_pInstance;
}

void Program::ResetInstance()
{
    delete m_pInstance;
    m_pInstance = nullptr;
}

Program::~Program()
{
    if (PlayObserver::Get() == &m_Speech)
        PlayObserver::Set(nullptr);
    if (EventHandler::getInstance()->GetFilter() == this)
        EventHandler::getInstance()->SetFilter(nullptr);
    if (GameMain::getInstance()->GetOverlay() == &m_Overlay)
        GameMain::getInstance()->SetOverlay(nullptr);
}

void Program::LoadSettings(const std::string& path)
{
    m_Settings.Load(path);
}

void Program::Attach()
{
    EventHandler::getInstance()->SetFilter(this);
    GameMain::getInstance()->SetOverlay(&m_Overlay);
    PlayObserver::Set(&m_Speech);
}

void Program::Start(bool speech)
{
    Attach();
    m_Settings.Start();
    // Keys are chosen by SDL's names for them, known once the video is up.
    for (const std::string& refused : m_Keys.Choose(GetSettings()))
        std::fprintf(stderr, "flatmates: %s\n", refused.c_str());
    m_Sound.Set(GetSettings().m_Muted, GetSettings().m_Volume);
    SoundManager::getInstance()->SetStereo(GetSettings().m_Stereo);
    m_Speech.SetRate(GetSettings().m_SpeechRate);
    m_Overlay.Start();
    m_Pad.Open();
    static bool sayGoodbye = false;
    if (!sayGoodbye)
        sayGoodbye = std::atexit(SayGoodbye) == 0;
    m_Speech.SetOn(speech || GetSettings().m_Speech);
}

void Program::SayStart()
{
    // Only the walking keys are named when they are the arrows; every
    // chosen key by its own name.
    auto key = [this](const char* action) { return m_Keys.KeyName(ProgramKeys::ChoosableNamed(action)); };
    char line[Speech::kLineLength];
    std::snprintf(
        line, sizeof(line),
        // TRANSLATORS: the line said at the start: the room, then the keys
        // as the player chose them (left, right, use, where, repeat, pause,
        // sound off, speech on and off).
        _("Flatmates, in %s. %s and %s walk, %s uses, %s says where you are, %s repeats, %s pauses, "
          "%s turns the sound off, %s speech, escape ends the visit."),
        Speech::RoomName(StateTest::getInstance()->GetRoom()), key("left"), key("right"), key("use"),
        key("where"), key("repeat"), key("pause"), key("mute"), key("speech"));
    m_Speech.Say(line);
}

void Program::SayGoodbye()
{
    // Every end of a run comes through exit; the last line is said before
    // the program goes, for as long as it takes, up to a few seconds.
    if (m_pInstance != nullptr)
        m_pInstance->m_Speech.Finish(_("The visit is over."), 3000);
}

void Program::BeforePoll()
{
    m_Pad.Poll();
}

bool Program::Take(SDL_Event& event)
{
    // A key the player chose becomes the one the game knows for its action,
    // so nothing past this point can tell it from the default key. Keys the
    // program pushed itself are the game's own already.
    if ((event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) && !EventHandler::IsPushed(event.key))
        event.key.keysym.sym = m_Keys.AsDefault(event.key.keysym.sym);

    if (event.type == SDL_ACTIVEEVENT)
    {
        TakeFocus(event.active);
        return true;
    }
    if (event.type == SDL_USEREVENT && event.user.code == ScreenReader::kOnEvent)
    {
        // The player's screen reader is on: he plays by ear, unless his
        // settings say otherwise.
        if (!GetSettings().m_SpeechChosen && !m_Speech.IsOn())
        {
            m_Speech.SetOn(true);
            SayStart();
        }
        return true;
    }
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
    {
        // Every key passes here, held back or not, so the arrows are known
        // without asking the keyboard (which the browser's SDL cannot).
        m_Arrows.NoteKey(event.key);
        const ProgramKeys::Action action = m_Keys.Decide(event.key);
        if (action != ProgramKeys::Action::kGame)
        {
            Act(action);
            return true;
        }
    }
    // The man hears nothing while the game stands still.
    if (m_Pause.IsPaused())
        return true;
    m_Arrows.NoteHanded(event);
    return false;
}

void Program::Update(float dt)
{
    m_Overlay.Update(dt);
    m_Speech.Update();
}

void Program::Act(ProgramKeys::Action action)
{
    bool fullscreen = GetSettings().m_Fullscreen;
    switch (action)
    {
    case ProgramKeys::Action::kGame:
    case ProgramKeys::Action::kNothing:
        return;
    case ProgramKeys::Action::kPause:
        if (m_Pause.Toggle())
            HandBackArrows();
        m_Speech.Say(m_Pause.IsPaused() ? _("Paused") : _("Resumed"));
        return;
    case ProgramKeys::Action::kFullscreen:
        fullscreen = ScreenMode::Toggle();
        break;
    case ProgramKeys::Action::kMute:
        m_Sound.ToggleMute();
        SoundChanged();
        break;
    case ProgramKeys::Action::kVolumeDown:
        m_Sound.VolumeDown();
        SoundChanged();
        break;
    case ProgramKeys::Action::kVolumeUp:
        m_Sound.VolumeUp();
        SoundChanged();
        break;
    case ProgramKeys::Action::kSpeech:
        ToggleSpeech();
        return;
    case ProgramKeys::Action::kWhere:
        WhereLine::Make(m_WhereLine, sizeof(m_WhereLine));
        m_Speech.Answer(m_WhereLine);
        return;
    case ProgramKeys::Action::kRepeat:
        m_Speech.Repeat();
        return;
    }
    // Kept only once something changed: the settings' copy allocates.
    Settings changed = GetSettings();
    changed.m_Fullscreen = fullscreen;
    changed.m_Muted = m_Sound.IsMuted();
    changed.m_Volume = m_Sound.GetVolume();
    m_Settings.Keep(changed);
}

void Program::TakeFocus(const SDL_ActiveEvent& active)
{
    if ((active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) == 0)
        return; // only the pointer came or went
    if (active.gain == 0)
    {
        m_Keys.LetGoAll();
        m_Pause.FocusLost();
        return;
    }
    // Back in the game: a pause the window's focus made, the focus ends
    // (switching to fullscreen takes the keyboard away for a moment); one
    // the player asked for waits for him.
    if (m_Pause.FocusBack())
        HandBackArrows();
}

void Program::ToggleSpeech()
{
    m_Speech.SetOn(!m_Speech.IsOn());
    // Turned off, only the page's live region hears that.
    m_Speech.Say(m_Speech.IsOn() ? _("Speech on") : _("Speech off"));
    Settings changed = GetSettings();
    changed.m_Speech = m_Speech.IsOn();
    changed.m_SpeechChosen = true;
    m_Settings.Keep(changed);
}

void Program::SoundChanged()
{
    char text[32];
    m_Sound.Describe(text, sizeof(text));
    m_Overlay.ShowNotice(text);
    m_Sound.Describe(text, sizeof(text), true);
    m_Speech.Say(text);
}

void Program::HandBackArrows()
{
    const PadInput::Keys& pad = m_Pad.GetKeys();
    m_Arrows.HandBack(pad.left, pad.right);
}
