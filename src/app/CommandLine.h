#ifndef FLATMATES_APP_COMMANDLINE_H
#define FLATMATES_APP_COMMANDLINE_H

#include <string>

// What the player asked for when starting the game. Only the options listed
// in the usage are known; anything else is a usage error, so that a typo is
// not silently played over.
class CommandLine
{
public:
    // How the game shows at start.
    enum class Screen
    {
        kKept,       // as the settings say
        kFullscreen, // --fullscreen
        kWindow      // --window
    };

    // What Answer returns when the game is to be played.
    static const int kPlay = -1;
    // The frame caps --max-fps takes, in frames per second.
    static const int kMinFps = 1;
    static const int kMaxFps = 200;

    // Reads argv and answers what needs no game: the usage for --help (exit
    // status 0), the version for --version (0), the usage on stderr for a
    // usage error (2). Returns that status, or kPlay.
    int Answer(int argc, char** argv);

    // Reads argv; false on a usage error, with the reason in GetError. Of
    // options given more than once, and of --fullscreen and --window, the
    // last one counts.
    bool Parse(int argc, char** argv);

    // Reads a frame cap: a whole number from kMinFps to kMaxFps, digits
    // only. False, with *rate untouched, for anything else.
    static bool ReadRate(const char* text, int* rate);

    bool WantsHelp() const { return m_Help; }
    bool WantsVersion() const { return m_Version; }
    Screen GetScreen() const { return m_Screen; }
    // Whether --speech asked for speech on in this run, whatever the
    // settings keep.
    bool WantsSpeech() const { return m_Speech; }
    // The frame cap asked for with --max-fps; 0 when none was.
    int GetMaxFps() const { return m_MaxFps; }
    const std::string& GetError() const { return m_Error; }
    // Whether to start fullscreen, given what the settings keep.
    bool StartFullscreen(bool kept) const;

    // The language --language asked for ("" when none was).
    const std::string& GetLanguage() const { return m_Language; }
    // Plays in the language chosen here, else in the settings' (kept), else
    // the environment's: reads its words. A language with no words that can
    // be read is said in one line on stderr, and play goes on in English.
    void UseLanguage(const std::string& kept) const;

    // The usage: every option and every key, in the language in play.
    static const char* Usage();
    // The game's version, as the build names it.
    static const char* Version();

private:
    bool m_Help = false;
    bool m_Version = false;
    Screen m_Screen = Screen::kKept;
    bool m_Speech = false;
    int m_MaxFps = 0;
    std::string m_Language;
    std::string m_Error;
};

#endif
