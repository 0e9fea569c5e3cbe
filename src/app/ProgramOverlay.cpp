#include "app/ProgramOverlay.h"

#include "core/GameMain.h"
#include "core/Words.h"
#include "gfx/FontRender.h"
#include "gfx/TextObject.h"

namespace
{

const int kPauseLineSize = 32;
const int kNoticeSize = 20;
// A warm yellow that no picture of the flat uses, on a dark box, so the
// lines read over the room, lit or dark.
const unsigned char kTextColour[3] = {255, 228, 120};
const unsigned char kBoxColour[3] = {24, 20, 28};
const int kBoxPadding = 10;
// The pause line stands over the middle of the room.
const float kPauseLineY = 420.0f;
const float kNoticeMargin = 16.0f;

// Renders the text now, so its width is known and no frame has to.
float RenderedWidth(TextObject* text)
{
    text->Render(nullptr);
    return text->GetSurface() != nullptr ? static_cast<float>(text->GetSurface()->w) : 0.0f;
}

} // namespace

ProgramOverlay::~ProgramOverlay()
{
    delete m_pPauseLine;
    delete m_pNotice;
}

void ProgramOverlay::Start()
{
    delete m_pPauseLine;
    m_pPauseLine = new TextObject(FontRender::FontFor(), kPauseLineSize);
    m_pPauseLine->SetColor(kTextColour[0], kTextColour[1], kTextColour[2]);
    m_pPauseLine->SetText(_("Paused"));
    const float width = RenderedWidth(m_pPauseLine);
    m_pPauseLine->SetPos((GameMain::kScreenWidth - width) / 2.0f, kPauseLineY);
    // Without the font there is no line, and no box for it either.
    m_PauseBox = SDL_Rect{0, 0, 0, 0};
    if (m_pPauseLine->GetSurface() != nullptr)
    {
        m_PauseBox.x = static_cast<Sint16>(m_pPauseLine->GetLeft() - kBoxPadding);
        m_PauseBox.y = static_cast<Sint16>(kPauseLineY - kBoxPadding / 2);
        m_PauseBox.w = static_cast<Uint16>(width + 2 * kBoxPadding);
        m_PauseBox.h = static_cast<Uint16>(m_pPauseLine->GetSurface()->h + kBoxPadding);
    }

    delete m_pNotice;
    m_pNotice = new TextObject(FontRender::FontFor(), kNoticeSize);
    m_pNotice->SetColor(kTextColour[0], kTextColour[1], kTextColour[2]);
}

void ProgramOverlay::ShowNotice(const char* text)
{
    m_NoticeTimeLeft = kNoticeSeconds;
    if (m_pNotice == nullptr)
        return;
    m_pNotice->SetText(text);
    m_pNotice->SetPos(GameMain::kScreenWidth - kNoticeMargin - RenderedWidth(m_pNotice), kNoticeMargin);
}

void ProgramOverlay::Update(float dt)
{
    if (m_NoticeTimeLeft > 0.0f)
        m_NoticeTimeLeft -= dt;
}

void ProgramOverlay::Render(SDL_Surface* screen)
{
    if (screen == nullptr)
        return;
    if (m_pPauseLine != nullptr && GameMain::getInstance()->IsPaused())
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
