// A minute of play at the game's own pace, as a restless player would play
// it: he walks to every object of the flat in turn and uses it, over and
// over, through both rooms, with the captions, icons and room pictures that
// brings. Then the peak resident memory of the whole session.

#include "BenchSupport.h"
#include "actors/Player.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/PlayConstants.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace
{

const double kSessionSeconds = 60.0;
const double kTargetMb = 64.0;
// Frames of walking between two uses.
const int kWalkFrames = 20;

// Steps of the script, one per frame.
enum Step
{
    kGoToObject,
    kPressSpace,
    kReleaseSpace,
    kStartWalking,
    kWalking,
    kStopWalking
};

} // namespace

int main()
{
    bench::StartGame();
    std::vector<BaseObject*> usable;
    for (BaseObject* object : CollisionSystem::getInstance()->GetObjects())
    {
        if (object->m_Icon != nullptr)
            usable.push_back(object);
    }

    StateTest* state = StateTest::getInstance();
    size_t next = 0;
    int step = kGoToObject;
    int walked = 0;
    long frames = 0;
    long uses = 0;
    LARGE_INTEGER now = 0;
    const double start = bench::Now();
    double previous = start;
    while (previous - start < kSessionSeconds)
    {
        switch (step)
        {
        case kGoToObject:
        {
            // Put where the object is just within his reach.
            BaseObject* object = usable[next++ % usable.size()];
            state->SetRoom(object->GetRoomLetter());
            state->GetPlayer()->SetPos(object->m_ColStart - Player::kReachLeft + 1.0f, START_Y);
            step = kPressSpace;
            break;
        }
        case kPressSpace:
            bench::PushKey(SDL_KEYDOWN, SDLK_SPACE);
            step = kReleaseSpace;
            break;
        case kReleaseSpace:
            bench::PushKey(SDL_KEYUP, SDLK_SPACE);
            ++uses;
            step = kStartWalking;
            break;
        case kStartWalking:
            bench::PushKey(SDL_KEYDOWN, next % 2 == 0 ? SDLK_LEFT : SDLK_RIGHT);
            walked = 0;
            step = kWalking;
            break;
        case kWalking:
            if (++walked == kWalkFrames)
                step = kStopWalking;
            break;
        case kStopWalking:
            bench::PushKey(SDL_KEYUP, next % 2 == 0 ? SDLK_LEFT : SDLK_RIGHT);
            step = kGoToObject;
            break;
        }
        // The game's own frame time, as its loop measures it.
        const double current = bench::Now();
        const float dt = static_cast<float>(current - previous);
        previous = current;
        bench::GameFrame(++now, dt);
        ++frames;
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double peakMb = usage.ru_maxrss / 1024.0;
    bench::Note("session: frames played", static_cast<double>(frames), "");
    bench::Note("session: objects used", static_cast<double>(uses), "");
    bench::Report("peak RSS of a 60 s session", peakMb, "MB", "<= 64", peakMb <= kTargetMb);
    return 0;
}
