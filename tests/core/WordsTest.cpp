// The player's language: which one his choices and his environment ask for,
// and the words read from its catalogue.

#include "core/Words.h"

#include "TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(WordsTest, TheLanguageAskedForIsTheFirstChoiceWithACatalogue)
{
    const std::vector<std::string> shipped = {"de", "fr", "pt_BR", "ja"};
    const struct
    {
        const char* line;
        const char* kept;
        const char* language; // LANGUAGE
        const char* all;      // LC_ALL
        const char* lang;     // LANG
        const char* chosen;
    } cases[] = {
        {"", "", "", "", "", "en"},
        {"", "", "", "", "de_DE.UTF-8", "de"},
        {"", "", "", "de_AT@euro", "fr_FR.UTF-8", "de"},
        {"", "", "it:pt:fr", "", "de_DE.UTF-8", "pt_BR"},
        {"", "", "fr", "C.UTF-8", "de_DE", "en"}, // LANGUAGE counts only past C
        {"", "", "", "", "it_IT.UTF-8", "it_IT"}, // named, to be told it has no words
        {"", "ja", "", "", "de_DE", "ja"},
        {"fr_CA", "ja", "", "", "de_DE", "fr"},
        {"qps", "", "", "", "de_DE", "qps"}, // tried as named
        {"en_GB", "de", "", "", "", "en"},
    };
    for (const auto& c : cases)
    {
        setenv("LANGUAGE", c.language, 1);
        setenv("LC_ALL", c.all, 1);
        setenv("LC_MESSAGES", "", 1);
        setenv("LANG", c.lang, 1);
        EXPECT_EQ(c.chosen, Words::Choose(c.line, c.kept, shipped))
            << c.line << "|" << c.kept << "|" << c.language << "|" << c.all << "|" << c.lang;
    }
}

TEST(WordsTest, ACatalogueGivesItsWordsAndEnglishStandsForTheRest)
{
    const std::string folder = testsupport::MakeTempFolder();
    ASSERT_EQ(0,
              std::system(("mkdir -p " + folder + "/de/LC_MESSAGES " + folder + "/xx/LC_MESSAGES").c_str()));
    std::ofstream(folder + "/de.po") << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                                        "msgid \"Paused\"\nmsgstr \"Pausiert\"\n"
                                        "msgid \"the toaster\"\nmsgstr \"der Toaster\"\n"
                                        "msgid \"Jerk!\"\nmsgstr \"\"\n";
    ASSERT_EQ(0, std::system(
                     ("msgfmt -o " + folder + "/de/LC_MESSAGES/flatmates.mo " + folder + "/de.po").c_str()));
    std::ofstream(folder + "/xx/LC_MESSAGES/flatmates.mo") << "not a catalogue";

    ASSERT_TRUE(Words::Use("de", {folder + "/none", folder}));
    EXPECT_EQ("de", Words::Language());
    EXPECT_STREQ("Pausiert", _("Paused"));
    EXPECT_STREQ("der Toaster", _("the toaster"));
    // Untranslated, unknown and empty texts stay as written.
    EXPECT_STREQ("Jerk!", _("Jerk!"));
    EXPECT_STREQ("Resumed", _("Resumed"));
    EXPECT_STREQ("", _(""));
    // What cannot be read leaves English, and never a path out of the folder.
    for (const char* language : {"xx", "ru", "../de", ".."})
    {
        EXPECT_FALSE(Words::Use(language, {folder})) << language;
        EXPECT_STREQ("Paused", _("Paused")) << language;
        EXPECT_EQ("en", Words::Language());
    }
    std::system(("rm -rf " + folder).c_str());
}
