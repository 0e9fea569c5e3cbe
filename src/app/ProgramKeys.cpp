#include "app/ProgramKeys.h"

#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "app/GamePause.h"
#include "app/ScreenMode.h"
#include "gfx/TextObject.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace
{

const char* const kFont = "assets/fonts/arial.ttf";
const int kPauseLineSize = 32;
const int kNoticeSize = 20;
// A warm yellow that no picture of the flat uses, on a dark box, so the
// notices read over the room, lit or dark.
const unsigned char kTextColour[3] = {255, 228, 120};
const unsigned char kBoxColour[3] = {24, 20, 28};
const int kBoxPadding = 10;
// The pause line stands over the middle of the room.
const float kPauseLineY = 420.0f;
const float kNoticeMargin = 16.0f;

bool IsEnter(SDLKey sym)
{
    return sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
}

// Renders the text now, so its width is known and no frame has to.
float RenderedWidth(TextObject* text)
{
    text->Render(nullptr);
    return text->GetSurface() != nullptr ? static_cast<float>(text->GetSurface()->w) : 0.0f;
}

} // namespace

ProgramKeys* ProgramKeys::m_pInstance = nullptr;

ProgramKeys* ProgramKeys::getInstance()
{
    if (m_pInstance == nullptr)
        m_pInstance = new ProgramKeys();
    return m_pInstance;
}

void ProgramKeys::ResetInstance()
{
    delete m_pInstance;
    m_pInstance = nullptr;
    GamePause::ResetInstance();
}

ProgramKeys::~ProgramKeys()
{
    delete m_pPauseLine;
    delete m_pNotice;
}

void ProgramKeys::LoadSettings(const std::string& path)
{
    m_SettingsPath = path;
    std::string problem;
    if (!m_Settings.Load(path, &problem))
        std::fprintf(stderr, "flatmates: %s\n", problem.c_str());
}

void ProgramKeys::Start()
{
    m_Started = true;
    m_Sound.Set(m_Settings.m_Muted, m_Settings.m_Volume);

    delete m_pPauseLine;
    m_pPauseLine = new TextObject(kFont, kPauseLineSize);
    m_pPauseLine->SetColor(kTextColour[0], kTextColour[1], kTextColour[2]);
    m_pPauseLine->SetText("Paused");
    const float width = RenderedWidth(m_pPauseLine);
    m_pPauseLine->SetPos((GameMain::kScreenWidth - width) / 2.0f, kPauseLineY);
    // Without the font there is no line, and no box for it either.
    if (m_pPauseLine->GetSurface() != nullptr)
    {
        m_PauseBox.x = static_cast<Sint16>(m_pPauseLine->GetLeft() - kBoxPadding);
        m_PauseBox.y = static_cast<Sint16>(kPauseLineY - kBoxPadding / 2);
        m_PauseBox.w = static_cast<Uint16>(width + 2 * kBoxPadding);
        m_PauseBox.h = static_cast<Uint16>(m_pPauseLine->GetSurface()->h + kBoxPadding);
    }

    delete m_pNotice;
    m_pNotice = new TextObject(kFont, kNoticeSize);
    m_pNotice->SetColor(kTextColour[0], kTextColour[1], kTextColour[2]);

    m_Pad.Open();
}

bool ProgramKeys::Take(const SDL_Event& event)
{
    if (event.type == SDL_ACTIVEEVENT)
    {
        TakeFocus(event.active);
        return true;
    }
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
    {
        NoteArrow(event.key);
        if (TakeKey(event.key))
            return true;
    }
    // The man hears nothing while the game stands still.
    if (GamePause::getInstance()->IsPaused())
        return true;
    NoteHanded(event);
    return false;
}

ProgramKeys::Action ProgramKeys::ActionFor(SDLKey sym)
{
    switch (sym)
    {
    case SDLK_F11:
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return kFullscreen;
    case SDLK_p:
        return kPause;
    case SDLK_m:
        return kMute;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        return kVolumeDown;
    case SDLK_EQUALS:
    case SDLK_PLUS:
    case SDLK_KP_PLUS:
        return kVolumeUp;
    default:
        return kNone;
    }
}

bool ProgramKeys::TakeKey(const SDL_KeyboardEvent& key)
{
    const SDLKey sym = key.keysym.sym;
    const Action action = ActionFor(sym);
    if (action == kNone || sym < 0 || sym >= SDLK_LAST)
        return false;
    if (key.type == SDL_KEYUP)
    {
        // Enter is the program's only when pressed with Alt.
        const bool taken = !IsEnter(sym) || m_Down[sym];
        m_Down[sym] = false;
        return taken;
    }
    if (IsEnter(sym) && (key.keysym.mod & KMOD_ALT) == 0)
        return false;
    if (!m_Down[sym])
    {
        m_Down[sym] = true;
        Act(action);
    }
    return true;
}

void ProgramKeys::Act(Action action)
{
    Settings changed = m_Settings;
    switch (action)
    {
    case kFullscreen:
        changed.m_Fullscreen = ScreenMode::Toggle();
        break;
    case kPause:
        TogglePause();
        return;
    case kMute:
        m_Sound.ToggleMute();
        SoundChanged();
        break;
    case kVolumeDown:
        m_Sound.VolumeDown();
        SoundChanged();
        break;
    case kVolumeUp:
        m_Sound.VolumeUp();
        SoundChanged();
        break;
    case kNone:
        return;
    }
    changed.m_Muted = m_Sound.IsMuted();
    changed.m_Volume = m_Sound.GetVolume();
    Keep(changed);
}

void ProgramKeys::TogglePause()
{
    GamePause* pause = GamePause::getInstance();
    pause->Toggle();
    m_PausedByFocus = false;
    if (!pause->IsPaused())
        HandBackHeldArrows();
}

void ProgramKeys::TakeFocus(const SDL_ActiveEvent& active)
{
    if ((active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) == 0)
        return; // only the pointer came or went
    GamePause* pause = GamePause::getInstance();
    if (active.gain == 0)
    {
        // Keys let go in another window are never reported here.
        std::fill(std::begin(m_Down), std::end(m_Down), false);
        if (!pause->IsPaused())
        {
            pause->Pause();
            m_PausedByFocus = true;
        }
        return;
    }
    // Back in the game: a pause the window's focus made, the focus ends
    // (switching to fullscreen takes the keyboard away for a moment); one
    // the player asked for waits for him.
    if (m_PausedByFocus)
    {
        m_PausedByFocus = false;
        pause->Resume();
        HandBackHeldArrows();
    }
}

void ProgramKeys::SoundChanged()
{
    m_NoticeTimeLeft = kNoticeSeconds;
    if (m_pNotice == nullptr)
        return;
    char text[32];
    m_Sound.Describe(text, sizeof(text));
    m_pNotice->SetText(text);
    m_pNotice->SetPos(GameMain::kScreenWidth - kNoticeMargin - RenderedWidth(m_pNotice), kNoticeMargin);
}

void ProgramKeys::Keep(const Settings& changed)
{
    if (changed == m_Settings)
        return;
    m_Settings = changed;
    // Before start-up nothing is kept: the game runs without a settings
    // file (tests, tools).
    if (!m_Started)
        return;
    std::string problem;
    if (!m_Settings.Save(m_SettingsPath, &problem) && !m_SaveFailed)
    {
        m_SaveFailed = true;
        std::fprintf(stderr, "flatmates: settings not kept: %s\n", problem.c_str());
    }
}

void ProgramKeys::NoteArrow(const SDL_KeyboardEvent& key)
{
    // Every key event passes this door, held back or not, so the arrows'
    // state is known here without asking the keyboard.
    if (key.keysym.sym == SDLK_LEFT)
        m_KeyLeft = key.type == SDL_KEYDOWN;
    else if (key.keysym.sym == SDLK_RIGHT)
        m_KeyRight = key.type == SDL_KEYDOWN;
}

void ProgramKeys::NoteHanded(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return;
    if (event.key.keysym.sym == SDLK_LEFT)
        m_GameLeft = event.type == SDL_KEYDOWN;
    else if (event.key.keysym.sym == SDLK_RIGHT)
        m_GameRight = event.type == SDL_KEYDOWN;
}

void ProgramKeys::HandBackHeldArrows()
{
    // The arrows' presses and releases in the pause were held back; the game
    // learns how they are now, from the keyboard and the pad.
    const PadInput::Keys& pad = m_Pad.GetKeys();
    const bool left = m_KeyLeft || pad.left;
    const bool right = m_KeyRight || pad.right;
    if (left != m_GameLeft)
        EventHandler::PushKey(left, SDLK_LEFT);
    if (right != m_GameRight)
        EventHandler::PushKey(right, SDLK_RIGHT);
}

void ProgramKeys::PollPad()
{
    m_Pad.Poll();
}

void ProgramKeys::Update(float dt)
{
    if (m_NoticeTimeLeft > 0.0f)
        m_NoticeTimeLeft -= dt;
}

void ProgramKeys::Render(SDL_Surface* screen)
{
    if (m_pPauseLine != nullptr && screen != nullptr && GamePause::getInstance()->IsPaused())
    {
        // FillRect clips the rectangle it is given in place; a copy keeps
        // the box whole for the next frame.
        SDL_Rect box = m_PauseBox;
        if (box.w > 0)
            SDL_FillRect(screen, &box,
                         SDL_MapRGB(screen->format, kBoxColour[0], kBoxColour[1], kBoxColour[2]));
        m_pPauseLine->Render(screen);
    }
    if (m_pNotice != nullptr && m_NoticeTimeLeft > 0.0f)
        m_pNotice->Render(screen);
}
