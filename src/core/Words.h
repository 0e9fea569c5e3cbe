#ifndef FLATMATES_CORE_WORDS_H
#define FLATMATES_CORE_WORDS_H

#include <string>
#include <vector>

// The game's words in the player's language: every text the player reads or
// hears is looked up here by its English, the way gettext does, in the
// language's catalogue (a gettext .mo file compiled from po/). A word the
// catalogue lacks, or a game with no catalogue, stays English. The
// catalogue is read whole when the language is chosen, so looking a word up
// later allocates nothing.
class Words
{
public:
    // The catalogue's file name in a language's LC_MESSAGES folder.
    static constexpr const char* kDomain = "flatmates";

    // Reads the catalogue of language ("de", "pt_BR") from the first
    // folder of folders that has one (each a locale folder laid out as
    // <folder>/<language>/LC_MESSAGES/flatmates.mo). "en" and "" are
    // English, which needs none. False, English kept, when none is found
    // or it is no catalogue.
    static bool Use(const std::string& language, const std::vector<std::string>& folders);
    // The language in play: "en", or the one Use read.
    static const std::string& Language() { return m_Language; }

    // The words in play for the English text: its translation, or the text
    // itself.
    static const char* Get(const char* english);

    // The language a player's choices and environment ask for: the command
    // line's, else the settings file's, else the environment's (LANGUAGE's
    // first, LC_ALL, LC_MESSAGES, LANG), as a catalogue name from those in
    // shipped ("de_DE.UTF-8" gives "de", "pt_BR" or plain "pt" "pt_BR");
    // "en" for English, the C locale or an unset environment. A language
    // that ships no catalogue is given as it is ("it_IT"), for Use to try
    // (and fail, where no translator's catalogue is at hand).
    static std::string Choose(const std::string& commandLine, const std::string& settings,
                              const std::vector<std::string>& shipped);

    // A message made from a format already in the player's language (from
    // _()) and its values, as printf makes it; translators may reorder the
    // values with %1$s and the like.
    static std::string Fill(const char* format, ...)
#ifdef __GNUC__
        __attribute__((format(printf, 1, 2)))
#endif
        ;

    // The languages the build has catalogues for, as po/LINGUAS lists them.
    static std::vector<std::string> Shipped();

    // Where catalogues are looked for beside an executable in exeDir: the
    // folder FLATMATES_LOCALE_DIR names (a translator's), an installed
    // game's <prefix>/share/locale, a build tree's own locale folder, and
    // the working directory's (the browser's).
    static std::vector<std::string> Folders(const std::string& exeDir);

private:
    static std::string m_Language;
    static std::vector<char> m_Catalogue;
};

// Marks an English text as one to translate where it is written, and looks
// it up in the player's language.
#define _(english) Words::Get(english)
// Marks an English text to translate later, where it is used.
#define N_(english) english

#endif
