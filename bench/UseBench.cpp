// What one use of each household object costs: the steps of the use itself
// (icon reloaded from disk, picture shown or hidden, sound started, room
// pictures swapped by the light switch) and the first draw of what it
// changed (the new icon and, when the use makes one, the caption).

#include "BenchSupport.h"
#include "core/GameMain.h"
#include "gfx/FontRender.h"
#include "gfx/Sprite.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/StateTest.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{

// Enough uses that every object says each of its lines at least once (the
// light switch's last comes at the fiftieth).
const int kUses = 50;
const double kTargetMs = 2.0;

// One use and the first draw of its result, in seconds.
double TimeUse(BaseObject* object, SDL_Surface* screen)
{
    const double start = bench::Now();
    object->HandleCollision();
    // The light switch swaps the room's picture.
    StateTest::getInstance()->GetBackground()->Render(screen);
    if (object->m_Icon != nullptr)
        object->m_Icon->Render(screen);
    FontRender::getInstance()->Render();
    return bench::Now() - start;
}

} // namespace

int main()
{
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const std::string on = std::string(" (") + (driver != nullptr ? driver : "default") + ")";

    bench::StartGame();
    GameMain* game = GameMain::getInstance();
    SDL_Surface* screen = game->getSurface();
    FontRender* captions = FontRender::getInstance();
    LARGE_INTEGER now = 0;
    bench::BusyFrame(++now);

    std::vector<double> withCaption;
    BaseObject* passages[2] = {nullptr, nullptr};
    for (BaseObject* object : CollisionSystem::getInstance()->GetObjects())
    {
        if (object->m_Icon == nullptr)
        {
            passages[passages[0] == nullptr ? 0 : 1] = object;
            continue;
        }
        StateTest::getInstance()->SetRoom(object->GetRoomLetter());
        std::vector<double> uses;
        for (int i = 0; i < kUses; ++i)
        {
            const size_t captionsBefore = captions->GetTexts().size();
            const double seconds = TimeUse(object, screen);
            uses.push_back(seconds);
            if (captions->GetTexts().size() > captionsBefore)
                withCaption.push_back(seconds);
            // The caption's time runs out before the next use.
            game->Render();
            game->GameUpdate(0.0f, ++now);
            captions->Update(1.0e6f);
        }
        const double ms = bench::Median(uses) * 1000.0;
        bench::Report("use, " + object->GetName() + ", median" + on, ms, "ms", "<= 2", ms <= kTargetMs);
    }

    // Walking into a passage moves him into the other room and loads its
    // picture.
    std::vector<double> roomChanges;
    for (int i = 0; i < kUses && passages[1] != nullptr; ++i)
    {
        BaseObject* passage = passages[i % 2];
        const double start = bench::Now();
        passage->Contact();
        StateTest::getInstance()->GetBackground()->Render(screen);
        roomChanges.push_back(bench::Now() - start);
    }
    const double roomMs = bench::Median(roomChanges) * 1000.0;
    bench::Report("passage into the other room, median" + on, roomMs, "ms", "<= 2", roomMs <= kTargetMs);

    const double captionMs = bench::Median(withCaption) * 1000.0;
    bench::Report("use that makes a caption, median" + on, captionMs, "ms", "<= 2", captionMs <= kTargetMs);
    bench::Note("uses that made a caption" + on, static_cast<double>(withCaption.size()), "");
    return 0;
}
