#include "objects/BaseObject.h"

#include "actors/Player.h"
#include "audio/SoundManager.h"
#include "core/Words.h"
#include "gfx/FontRender.h"
#include "gfx/Sprite.h"
#include "gfx/TextObject.h"
#include "play/StateTest.h"

namespace
{
// Every caption is spoken the same way: one font, one place, one colour.
const int kCaptionPointSize = 24;
const float kCaptionX = 200.0f;
const float kCaptionY = 500.0f;
const unsigned char kCaptionRed = 76;
const unsigned char kCaptionGreen = 48;
const unsigned char kCaptionBlue = 64;
// How far off, in pixels, a sound is heard wholly on one side.
const float kPanWidth = 256.0f;
} // namespace

BaseObject::BaseObject(int id, const char* name, const char* offIcon, const char* onIcon)
    : m_UseCount(0), m_On(false), m_Id(id), m_Icon(nullptr), m_OnSprite(nullptr), m_Room(kRoomA),
      m_ColStart(0.0f), m_ColEnd(0.0f), m_Name(name), m_OffIcon(offIcon), m_OnIcon(onIcon)
{
}

// The icon is the object's own; its picture in the room is the play state's.
BaseObject::~BaseObject()
{
    delete m_Icon;
}

void BaseObject::Contact() {}

void BaseObject::setColArea(float start, float end)
{
    m_ColStart = start;
    m_ColEnd = end;
}

void BaseObject::ShowCaption(const char* text, float seconds)
{
    TextObject* caption = new TextObject(FontRender::FontFor(), kCaptionPointSize);
    // Every caption is written in English where it is used, and shown in
    // the player's language.
    caption->SetText(_(text));
    caption->SetPos(kCaptionX, kCaptionY);
    caption->SetColor(kCaptionRed, kCaptionGreen, kCaptionBlue);
    FontRender::getInstance()->AddText(caption, seconds, true);
}

void BaseObject::ShowLook()
{
    if (m_OnSprite != nullptr)
    {
        if (m_On)
            m_OnSprite->Show();
        else
            m_OnSprite->Hide();
    }
    SwapIcon(m_On ? m_OnIcon : m_OffIcon);
}

void BaseObject::SwapIcon(const char* path)
{
    if (m_Icon != nullptr && path != nullptr)
        m_Icon->LoadImg(path);
}

int BaseObject::PlaySound(unsigned int id, int loops) const
{
    // Panned by how far the thing's stretch of floor lies from the middle of
    // his reach: a quarter of the screen away is all the way to one side.
    float pan = 0.0f;
    const Player* man = StateTest::getInstance()->GetPlayer();
    if (man != nullptr)
    {
        const float hisMiddle = (man->GetColLeft() + man->GetColRight()) / 2.0f;
        pan = ((m_ColStart + m_ColEnd) / 2.0f - hisMiddle) / kPanWidth;
    }
    return SoundManager::getInstance()->PlaySnd(id, loops, pan);
}
