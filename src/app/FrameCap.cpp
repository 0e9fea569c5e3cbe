#include "app/FrameCap.h"

#include "app/CommandLine.h"
#include "core/Words.h"

static_assert(CommandLine::kMinFps >= FPS_LOWER_LIMIT && CommandLine::kMaxFps <= FPS_UPPER_LIMIT,
              "every cap the command line takes is one the frame-rate manager keeps");

int FrameCap::RequestedRate(int commandLineRate, const char* environment, std::string* error)
{
    if (commandLineRate > 0)
        return commandLineRate;
    int rate = 0;
    if (environment == nullptr || *environment == '\0' || CommandLine::ReadRate(environment, &rate))
        return rate;
    if (error != nullptr)
        *error =
            Words::Fill(_("FLATMATES_MAX_FPS \"%s\" is not a whole number from %d to %d; running uncapped"),
                        environment, CommandLine::kMinFps, CommandLine::kMaxFps);
    return 0;
}

FrameCap::FrameCap(int rate) : m_Rate(rate), m_Manager()
{
    if (m_Rate > 0)
    {
        SDL_initFramerate(&m_Manager);
        SDL_setFramerate(&m_Manager, static_cast<Uint32>(m_Rate));
    }
}

void FrameCap::Wait()
{
    if (m_Rate > 0)
        SDL_framerateDelay(&m_Manager);
}
