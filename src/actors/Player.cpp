#include "actors/Player.h"

#include "actors/Recorder.h"
#include "audio/SoundManager.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "core/PlayObserver.h"
#include "gfx/Sprite.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/PlayConstants.h"
#include "play/StateTest.h"

namespace
{
// His sprite's animations.
const int kAnimStanding = 0;
const int kAnimWalkLeft = 1;
const int kAnimWalkRight = 2;
} // namespace

Player::Player()
    : m_ColLeft(START_X + kReachLeft), m_ColRight(START_X + kReachRight), m_pCurrObj(nullptr),
      m_pSprite(nullptr), m_pRecorder(nullptr), m_OwnsSprite(false), m_StepChannel(-1), m_X(START_X),
      m_Y(START_Y), m_Speed(kSpeed), m_MoveLeft(false), m_MoveRight(false), m_PrevKeyDown(false)
{
}

Player::Player(const Player& source) : Player()
{
    if (source.m_pSprite != nullptr)
    {
        m_pSprite = new Sprite(*source.m_pSprite);
        m_OwnsSprite = true;
    }
}

Player::~Player()
{
    delete m_pRecorder;
    if (m_OwnsSprite)
        delete m_pSprite;
}

void Player::HandleInput(const SDL_KeyboardEvent& event)
{
    const bool pressed = event.type == SDL_KEYDOWN;
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
    {
        switch (event.keysym.sym)
        {
        case SDLK_LEFT:
            SetAnim(pressed ? kAnimWalkLeft : kAnimStanding);
            m_MoveLeft = pressed;
            break;
        case SDLK_RIGHT:
            SetAnim(pressed ? kAnimWalkRight : kAnimStanding);
            m_MoveRight = pressed;
            break;
        case SDLK_SPACE:
            // A use is a press followed straight by the release: the same
            // release handed on again in later frames finds m_PrevKeyDown
            // already false.
            if (!pressed && m_pCurrObj != nullptr && m_PrevKeyDown)
            {
                m_pCurrObj->HandleCollision();
                if (PlayObserver::Get() != nullptr)
                    PlayObserver::Get()->OnUse(m_pCurrObj, m_pCurrObj->m_On);
            }
            break;
        default:
            break;
        }
    }
    m_PrevKeyDown = pressed;
}

int Player::Update(float dt, LARGE_INTEGER now)
{
    (void)now;
    HandleInput(EventHandler::getInstance()->GetEvent()->key);

    const char room = StateTest::getInstance()->GetRoom();
    bool moving = false;
    bool walled = false;
    // The bounds are tested before the step, so he may end one step past
    // them; the open ends of the flat are where the hallways take over.
    if (m_MoveLeft)
    {
        moving = true;
        if (room != 'b' || m_X >= kRoomBLeftBound)
            m_X -= m_Speed * dt;
        else
            walled = true;
    }
    if (m_MoveRight)
    {
        moving = true;
        if (room != 'a' || m_X <= kRoomARightBound)
            m_X += m_Speed * dt;
        else
            walled = true;
    }
    // Walking into the wall is heard once, as he meets it; the footsteps go
    // on while he presses on.
    if (walled && !m_AtWall)
    {
        SoundManager::getInstance()->PlaySnd(SoundManager::kBump, 0);
        if (PlayObserver::Get() != nullptr)
            PlayObserver::Get()->OnWall(room, room == 'a');
    }
    m_AtWall = walled;

    SoundManager* sound = SoundManager::getInstance();
    if (moving && m_StepChannel == -1)
        m_StepChannel = sound->PlaySnd(SoundManager::kFootsteps, -1);
    if (!moving && m_StepChannel != -1)
    {
        sound->HaltSound(m_StepChannel);
        m_StepChannel = -1;
    }

    if (m_pSprite != nullptr)
        m_pSprite->SetPos(m_X, m_Y);
    m_ColLeft = m_X + kReachLeft;
    m_ColRight = m_X + kReachRight;
    // May change the room and move him through a hallway; his sprite follows
    // on the next frame.
    BaseObject* const before = m_pCurrObj;
    m_pCurrObj = CollisionSystem::getInstance()->CheckCollision(this);
    if (m_pCurrObj != before && PlayObserver::Get() != nullptr)
        PlayObserver::Get()->OnReach(m_pCurrObj);
    if (m_pSprite != nullptr)
        m_pSprite->Update(dt);
    return 1;
}

int Player::Render()
{
    SDL_Surface* screen = GameMain::getInstance()->getSurface();
    if (m_pCurrObj != nullptr && m_pCurrObj->m_Icon != nullptr)
    {
        m_pCurrObj->m_Icon->SetPos(kIconX, kIconY);
        m_pCurrObj->m_Icon->Render(screen);
    }
    if (m_pSprite != nullptr)
        m_pSprite->Render(screen);
    return 1;
}

void Player::SetAnim(int anim)
{
    if (m_pSprite != nullptr)
        m_pSprite->SetCurrAnim(anim);
}

void Player::SetSprite(Sprite* sprite, bool owned)
{
    m_pSprite = sprite;
    m_OwnsSprite = owned;
}

void Player::SetPos(float x, float y)
{
    m_X = x;
    m_Y = y;
}

void Player::ResetPlayback()
{
    if (m_pRecorder != nullptr)
        m_pRecorder->ResetPlayback();
}
