#include "app/CommandLine.h"

#include <cstdio>
#include <cstring>

namespace
{
const char* const kMaxFps = "--max-fps";
} // namespace

bool CommandLine::Parse(int argc, char** argv)
{
    const size_t maxFpsLength = std::strlen(kMaxFps);
    for (int i = 1; i < argc; ++i)
    {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0)
            m_Help = true;
        else if (std::strcmp(arg, "--version") == 0)
            m_Version = true;
        else if (std::strcmp(arg, "--fullscreen") == 0)
            m_Screen = Screen::kFullscreen;
        else if (std::strcmp(arg, "--window") == 0)
            m_Screen = Screen::kWindow;
        else if (std::strcmp(arg, kMaxFps) == 0)
            ++i; // its number is the frame cap's to judge
        else if (std::strncmp(arg, kMaxFps, maxFpsLength) == 0 && arg[maxFpsLength] == '=')
            continue;
        else
        {
            m_Error = std::string("unknown option \"") + arg + "\"";
            return false;
        }
    }
    return true;
}

int CommandLine::Answer(int argc, char** argv)
{
    if (!Parse(argc, argv))
    {
        std::fprintf(stderr, "flatmates: %s\n%s", m_Error.c_str(), Usage());
        return 2;
    }
    if (m_Help)
    {
        std::fputs(Usage(), stdout);
        return 0;
    }
    if (m_Version)
    {
        std::printf("flatmates %s\n", Version());
        return 0;
    }
    return kPlay;
}

bool CommandLine::StartFullscreen(bool kept) const
{
    switch (m_Screen)
    {
    case Screen::kFullscreen:
        return true;
    case Screen::kWindow:
        return false;
    case Screen::kKept:
        break;
    }
    return kept;
}

const char* CommandLine::Usage()
{
    return "usage: flatmates [OPTION]...\n"
           "Walk a man through a flat of two rooms and use what is within his reach.\n"
           "\n"
           "Options:\n"
           "  --fullscreen      start over the whole screen\n"
           "  --window          start in a 1024x768 window\n"
           "  --max-fps N       draw at most N frames a second (also --max-fps=N, or the\n"
           "                    environment's FLATMATES_MAX_FPS=N); by default as many\n"
           "                    as the machine can\n"
           "  --help            show this help and leave\n"
           "  --version         show the version and leave\n"
           "\n"
           "Keys:\n"
           "  Left, Right       walk\n"
           "  Space             use the thing within reach (on release)\n"
           "  R                 the time-jump key: reserved, changes nothing yet\n"
           "  F11, Alt+Enter    fullscreen or window\n"
           "  P                 pause and resume; losing the window's focus pauses too\n"
           "  M                 sound off and on, music and effects together\n"
           "  -  =              volume down and up in eight steps (keypad - and + too)\n"
           "  Escape            end the run; so does closing the window\n"
           "\n"
           "Gamepad (the first one found):\n"
           "  d-pad, left stick walk\n"
           "  first button      use (press and release, like Space)\n"
           "  Start             pause and resume\n"
           "\n"
           "Fullscreen, sound on or off and the volume are kept in\n"
           "$XDG_CONFIG_HOME/flatmates/settings.ini (~/.config/flatmates/settings.ini\n"
           "when XDG_CONFIG_HOME is not set), written whenever one of them changes.\n"
           "\n"
           "A run ends with status 1 (Escape, the window closed, or 300 seconds of play);\n"
           "a usage error ends with status 2.\n";
}

const char* CommandLine::Version()
{
    return FLATMATES_VERSION;
}
