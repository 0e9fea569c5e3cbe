#include "app/CommandLine.h"

#include "app/Settings.h"
#include "core/Platform.h"
#include "core/Words.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
const char* const kMaxFpsOption = "--max-fps";
const char* const kLanguageOption = "--language";

// The option's value: after '=' in the same word, or the next word. Null,
// and *arg untouched, when the word is another option.
const char* Value(const char* option, int argc, char** argv, int* arg)
{
    const size_t length = std::strlen(option);
    const char* word = argv[*arg];
    if (std::strncmp(word, option, length) != 0 || (word[length] != '=' && word[length] != '\0'))
        return nullptr;
    if (word[length] == '=')
        return word + length + 1;
    return *arg + 1 < argc ? argv[++*arg] : "";
}
} // namespace

bool CommandLine::ReadRate(const char* text, int* rate)
{
    // Three digits at most: no number of frames longer than that is taken,
    // and none can overflow on the way.
    const size_t length = text != nullptr ? std::strlen(text) : 0;
    if (length == 0 || length > 3 || std::strspn(text, "0123456789") != length)
        return false;
    const int value = std::atoi(text);
    if (value < kMinFps || value > kMaxFps)
        return false;
    *rate = value;
    return true;
}

bool CommandLine::Parse(int argc, char** argv)
{
    const size_t maxFpsLength = std::strlen(kMaxFpsOption);
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
        else if (std::strcmp(arg, "--speech") == 0)
            m_Speech = true;
        else if (const char* language = Value(kLanguageOption, argc, argv, &i))
        {
            if (language[0] == '\0')
            {
                m_Error = Words::Fill(_("%s needs a language, such as de or pt_BR"), kLanguageOption);
                return false;
            }
            m_Language = language;
        }
        else if (std::strcmp(arg, kMaxFpsOption) == 0 ||
                 (std::strncmp(arg, kMaxFpsOption, maxFpsLength) == 0 && arg[maxFpsLength] == '='))
        {
            const char* rate = arg[maxFpsLength] == '=' ? arg + maxFpsLength + 1 : nullptr;
            if (rate == nullptr && i + 1 < argc)
                rate = argv[++i];
            if (rate == nullptr)
            {
                m_Error = Words::Fill(_("%s needs a number of frames per second"), kMaxFpsOption);
                return false;
            }
            if (!ReadRate(rate, &m_MaxFps))
            {
                m_Error = Words::Fill(_("%s \"%s\" is not a whole number from %d to %d"), kMaxFpsOption, rate,
                                      kMinFps, kMaxFps);
                return false;
            }
        }
        else
        {
            m_Error = Words::Fill(_("unknown option \"%s\""), arg);
            return false;
        }
    }
    return true;
}

void CommandLine::UseLanguage(const std::string& kept) const
{
    const std::string language = Words::Choose(m_Language, kept, Words::Shipped());
    if (!Words::Use(language, Words::Folders(platform::ExecutableDirectory())))
        std::fprintf(stderr, "flatmates: %s\n",
                     Words::Fill(_("no words in the language \"%s\"; playing in English"),
                                 Settings::Printable(language.substr(0, 40)).c_str())
                         .c_str());
}

int CommandLine::Answer(int argc, char** argv)
{
    // The language first, so that the usage and even a usage error are in
    // it; the settings file is not read for them.
    CommandLine first;
    first.Parse(argc, argv);
    first.UseLanguage("");
    const bool parsed = Parse(argc, argv);
    if (!parsed)
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
    // Made again in the language in play each time it is asked for.
    static std::string usage;
    usage = _("usage: flatmates [OPTION]...");
    usage += "\n";
    usage += _("Walk a man through a flat of two rooms and use what is within his reach.");
    usage += "\n\n";
    usage += _("Options:\n"
               "  --fullscreen      start over the whole screen\n"
               "  --window          start in a 1024x768 window\n"
               "  --speech          speech on for this run, whatever the settings keep\n"
               "  --language CODE   play in that language (de, fr, es, pt_BR, ru, ja; also\n"
               "                    --language=CODE, or language= in the settings file);\n"
               "                    by default the environment's\n"
               "  --max-fps N       draw at most N frames a second (also --max-fps=N, or the\n"
               "                    environment's FLATMATES_MAX_FPS=N); by default as many\n"
               "                    as the machine can\n"
               "  --help            show this help and leave\n"
               "  --version         show the version and leave");
    usage += "\n\n";
    usage += _("Keys:\n"
               "  Left, Right       walk\n"
               "  Space             use the thing within reach (on release)\n"
               "  R                 the time-jump key: reserved, changes nothing yet\n"
               "  F11, Alt+Enter    fullscreen or window\n"
               "  P                 pause and resume; losing the window's focus pauses too\n"
               "  M                 sound off and on, music and effects together\n"
               "  -  =              volume down and up in eight steps (keypad - and + too)\n"
               "  T                 speech on and off: what is within reach, what each use\n"
               "                    did, rooms, walls and captions said aloud\n"
               "  W                 say where he stands and what lies either side\n"
               "  L                 say the last line again; again, the one before\n"
               "  Escape            end the run; so does closing the window");
    usage += "\n\n";
    usage += _("Gamepad (the first one found):\n"
               "  d-pad, left stick walk\n"
               "  first button      use (press and release, like Space)\n"
               "  Start             pause and resume");
    usage += "\n\n";
    usage += _("Fullscreen, sound on or off, the volume and speech are kept in\n"
               "$XDG_CONFIG_HOME/flatmates/settings.ini (~/.config/flatmates/settings.ini\n"
               "when XDG_CONFIG_HOME is not set), written whenever one of them changes.\n"
               "Speech not chosen there follows the desktop's screen reader. There too:\n"
               "stereo=0 centres every sound; speech_rate=1 (slow) to 5 (fast), 3 usual.\n"
               "The keys can be chosen there too, each by its SDL name (key.left=a):\n"
               "key.left, key.right, key.use, key.pause, key.mute, key.volume_down,\n"
               "key.volume_up, key.fullscreen, key.speech, key.where, key.repeat.");
    usage += "\n\n";
    usage += _("A run ends with status 1 (Escape, the window closed, or 300 seconds of play);\n"
               "a usage error ends with status 2.\n");
    return usage.c_str();
}

const char* CommandLine::Version()
{
    return FLATMATES_VERSION;
}
