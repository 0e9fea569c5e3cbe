#include "play/StateTest.h"

#include "actors/Player.h"
#include "audio/SoundManager.h"
#include "core/GameMain.h"
#include "core/PlayObserver.h"
#include "gfx/Sprite.h"
#include "play/PlayConstants.h"

#include <algorithm>
#include <cstdio>

StateTest StateTest::m_Instance;

namespace
{
const char* const kCharacterSheet = "assets/animations/character_all.png";
const char* const kCharacterAnims = "assets/animations/character_anim.txt";
const char* const kGirlSheet = "assets/animations/woman_all.png";
const char* const kGirlAnims = "assets/animations/woman_anim.txt";
// Both characters are drawn as 128 by 128 frames.
const int kCharacterFrame = 128;
// Scenery animations: every picture in the room has a lit and a dark look.
const int kAnimLit = 0;
const int kAnimDark = 1;
} // namespace

void StateTest::UpdateSprites::operator()(Sprite* sprite) const
{
    sprite->Update(m_Dt);
}

void StateTest::RenderSprites::operator()(Sprite* sprite) const
{
    sprite->Render(m_pScreen);
}

void StateTest::DeleteSprites::operator()(Sprite* sprite) const
{
    delete sprite;
}

void StateTest::SetDarkSprites::operator()(Sprite* sprite) const
{
    sprite->SetCurrAnim(m_Dark ? kAnimDark : kAnimLit);
}

void StateTest::UpdateClones::operator()(Player* player) const
{
    player->Update(m_Dt, m_Now);
}

void StateTest::RenderClones::operator()(Player* player) const
{
    player->Render();
}

void StateTest::DeleteClones::operator()(Player* player) const
{
    delete player;
}

StateTest* StateTest::getInstance()
{
    return &m_Instance;
}

StateTest::StateTest()
    : m_pPlayer(nullptr), m_bDark(false), m_CurrentRoom(0), m_pBackground(nullptr), m_pGirl(nullptr),
      m_bPlayerOnRight(false), m_fGirlTalkTime(0.0f)
{
}

// The game ends with the state still built; the lists and what they point to
// go with the process.
StateTest::~StateTest() {}

void StateTest::Enter()
{
    m_CurrentRoom = 'a';
    m_bDark = false;

    m_pBackground = new Sprite();
    m_pBackground->LoadImg("assets/environment_a.png");
    m_pBackground->SetPos(0.0, START_Y);

    m_pPlayer = new Player();
    Sprite* character = new Sprite();
    character->LoadImg(kCharacterSheet);
    character->LoadAnimation(kCharacterAnims);
    character->SetPos(START_X, START_Y);
    character->SetDimensions(kCharacterFrame, kCharacterFrame);
    m_pPlayer->SetSprite(character, true);
    m_Clones->push_back(m_pPlayer);

    SoundManager::getInstance()->PlayMusic();

    m_pGirl = new Sprite();
    m_pGirl->LoadImg(kGirlSheet);
    m_pGirl->LoadAnimation(kGirlAnims);
    m_pGirl->SetDimensions(kCharacterFrame, kCharacterFrame);
    m_pGirl->SetPos(kGirlX, START_Y);
    m_pGirl->m_RoomTag = 'b';
    m_Sprites->push_back(m_pGirl);

    m_bPlayerOnRight = true;
    m_fGirlTalkTime = 0.0f;
}

bool StateTest::Update(float dt)
{
    (void)dt;
    return true;
}

bool StateTest::Update(float dt, LARGE_INTEGER now)
{
    m_pBackground->Update(dt);

    // She turns by the side he was on at the last frame, unless talking.
    m_fGirlTalkTime -= dt;
    if (m_fGirlTalkTime < 0.0f)
        m_pGirl->SetCurrAnim(m_bPlayerOnRight ? kGirlIdleRight : kGirlIdleLeft);
    m_bPlayerOnRight = !(m_pPlayer->GetX() < kGirlX);

    std::for_each(m_Sprites->begin(), m_Sprites->end(), UpdateSprites(dt));
    std::for_each(m_Clones->begin(), m_Clones->end(), UpdateClones(dt, now));
    return true;
}

bool StateTest::Render()
{
    SDL_Surface* screen = GameMain::getInstance()->getSurface();
    m_pBackground->Render(screen);
    std::for_each(m_Sprites->begin(), m_Sprites->end(), RenderSprites(screen));
    std::for_each(m_Clones->begin(), m_Clones->end(), RenderClones());
    return true;
}

void StateTest::Exit()
{
    delete m_pBackground;
    m_pBackground = nullptr;

    // The household objects' pictures stay: the objects keep pointing at
    // them, and entering again adds only what Enter builds. The flatmate is
    // Enter's own and goes.
    m_Sprites->remove(m_pGirl);
    delete m_pGirl;
    m_pGirl = nullptr;

    std::for_each(m_Clones->begin(), m_Clones->end(), DeleteClones());
    m_Clones->clear();
    m_pPlayer = nullptr;
}

void StateTest::HandleInput(SDL_KeyboardEvent event)
{
    if (event.type == SDL_KEYDOWN && event.keysym.sym == SDLK_r)
        TimeTravel();
}

void StateTest::AddSprite(Sprite* sprite)
{
    m_Sprites->push_back(sprite);
}

void StateTest::RemoveSprite(Sprite* sprite)
{
    m_Sprites->remove(sprite);
}

void StateTest::SetRoom(char room)
{
    if (room == m_CurrentRoom)
        return;
    m_CurrentRoom = room;
    LoadRoomPicture();
    if (m_pPlayer != nullptr)
        m_pPlayer->SetPos(room == 'a' ? ROOM_A_X : ROOM_B_X, START_Y);
}

void StateTest::SetRoomDark(bool dark)
{
    if (dark == m_bDark)
        return;
    m_bDark = dark;
    LoadRoomPicture();
    std::for_each(m_Sprites->begin(), m_Sprites->end(), SetDarkSprites(dark));
    if (PlayObserver::Get() != nullptr)
        PlayObserver::Get()->OnDark(dark);
}

void StateTest::GirlTalk()
{
    if (m_pGirl != nullptr)
        m_pGirl->SetCurrAnim(m_bPlayerOnRight ? kGirlTalkRight : kGirlTalkLeft);
    m_fGirlTalkTime = kGirlTalkSeconds;
}

void StateTest::TimeTravel() {}

void StateTest::LoadRoomPicture()
{
    // Before the state is entered there is no picture to swap.
    if (m_pBackground == nullptr)
        return;
    char path[64];
    std::snprintf(path, sizeof(path),
                  m_bDark ? "assets/environment_%c_dark.png" : "assets/environment_%c.png", m_CurrentRoom);
    m_pBackground->LoadImg(path);
}
