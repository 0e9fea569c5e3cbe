#include "app/FrameCap.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace
{

const char* const kOption = "--max-fps";

// A whole number in the cap's range, or 0.
int ParseRate(const char* text, std::string* error)
{
    if (text == nullptr || *text == '\0')
        return 0;
    char* end = nullptr;
    errno = 0;
    const long rate = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || rate < FrameCap::kMinRate || rate > FrameCap::kMaxRate)
    {
        if (error != nullptr)
            *error = std::string("frame cap \"") + text + "\" is not a whole number from " +
                     std::to_string(FrameCap::kMinRate) + " to " + std::to_string(FrameCap::kMaxRate) +
                     "; running uncapped";
        return 0;
    }
    return static_cast<int>(rate);
}

} // namespace

int FrameCap::RequestedRate(int argc, char** argv, const char* environment, std::string* error)
{
    const size_t optionLength = std::strlen(kOption);
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], kOption) == 0)
        {
            if (i + 1 < argc)
                return ParseRate(argv[i + 1], error);
            if (error != nullptr)
                *error = std::string(kOption) + " needs a number of frames per second; running uncapped";
            return 0;
        }
        if (std::strncmp(argv[i], kOption, optionLength) == 0 && argv[i][optionLength] == '=')
            return ParseRate(argv[i] + optionLength + 1, error);
    }
    return ParseRate(environment, error);
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
