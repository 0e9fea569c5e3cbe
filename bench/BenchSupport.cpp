#include "BenchSupport.h"

#include "actors/Player.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "gfx/FontRender.h"
#include "gfx/Sprite.h"
#include "gfx/TextObject.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/PlayConstants.h"
#include "play/StateTest.h"

#include <SDL_image.h>
#include <SDL_rotozoom.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace bench
{

namespace
{

// The man walks right from here and is put back before the hallway.
const float kWalkFrom = 100.0f;
const float kWalkTo = 850.0f;

// A caption as the objects make them, up for longer than any benchmark.
void AddCaption(const char* line)
{
    TextObject* caption = new TextObject("assets/fonts/arial.ttf", 24);
    caption->SetText(line);
    caption->SetPos(200.0f, 500.0f);
    caption->SetColor(76, 48, 64);
    FontRender::getInstance()->AddText(caption, 1.0e6f, true);
}

} // namespace

void PushKey(Uint8 type, SDLKey sym)
{
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    SDL_PushEvent(&event);
}

void StartGame()
{
    if (chdir(FLATMATES_SOURCE_DIR) != 0)
    {
        std::perror("flatmates bench: " FLATMATES_SOURCE_DIR);
        std::exit(2);
    }
    GameMain::getInstance()->InitGame();
    GameMain::getInstance()->ChangeState(StateTest::getInstance());
}

void SetUpBusyScene()
{
    StateTest* state = StateTest::getInstance();
    state->SetRoom('b');
    for (BaseObject* object : CollisionSystem::getInstance()->GetObjects())
    {
        if (object->m_OnSprite != nullptr)
            object->m_OnSprite->Show();
    }
    AddCaption("Hey! I was listening to that!");
    AddCaption("Thats my medication!");
    state->GetPlayer()->SetPos(kWalkFrom, START_Y);
    PushKey(SDL_KEYDOWN, SDLK_RIGHT);
}

void GameFrame(LARGE_INTEGER now, float dt)
{
    EventHandler::getInstance()->update();
    GameMain::getInstance()->GameUpdate(dt, now);
    GameMain::getInstance()->Render();
}

void BusyFrame(LARGE_INTEGER now)
{
    Player* man = StateTest::getInstance()->GetPlayer();
    if (man->GetX() > kWalkTo)
        man->SetPos(kWalkFrom, START_Y);
    GameFrame(now, kFrameTime);
}

Floor::Floor(SDL_Surface* screen) : m_pScreen(screen), m_pPicture(nullptr)
{
    SDL_Surface* loaded = IMG_Load("assets/environment_b.png");
    SDL_Surface* doubled = loaded != nullptr ? zoomSurface(loaded, 2.0, 2.0, 0) : nullptr;
    if (doubled != nullptr)
    {
        SDL_SetAlpha(doubled, 0, SDL_ALPHA_OPAQUE);
        m_pPicture = SDL_DisplayFormat(doubled);
    }
    SDL_FreeSurface(doubled);
    SDL_FreeSurface(loaded);
    // One SDL hands back the zoomed picture with two spare rows below it.
    if (m_pPicture == nullptr || m_pPicture->w != 1024 || m_pPicture->h < 280)
    {
        std::fprintf(stderr, "flatmates bench: the floor's 1024x280 picture cannot be made\n");
        std::exit(2);
    }
}

Floor::~Floor()
{
    SDL_FreeSurface(m_pPicture);
}

void Floor::Frame()
{
    SDL_Rect top = {0, 0, 1024, 600};
    SDL_FillRect(m_pScreen, &top, 0);
    SDL_Rect picture = {0, 0, 1024, 280};
    SDL_Rect place = {0, 320, 1024, 280};
    SDL_BlitSurface(m_pPicture, &picture, m_pScreen, &place);
    SDL_Flip(m_pScreen);
}

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

void Report(const std::string& name, double value, const char* unit, const std::string& target, bool holds)
{
    std::printf("%-44s %10.3f %-6s target %-12s %s\n", name.c_str(), value, unit, target.c_str(),
                holds ? "holds" : "MISSED");
    std::fflush(stdout);
}

void Note(const std::string& name, double value, const char* unit)
{
    std::printf("%-44s %10.3f %-6s\n", name.c_str(), value, unit);
    std::fflush(stdout);
}

} // namespace bench
