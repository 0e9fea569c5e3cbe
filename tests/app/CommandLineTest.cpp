// The command line: the options the usage lists, and nothing else.

#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// Parses the words as a command line after the program's name.
CommandLine Parsed(std::vector<std::string> words, bool* good = nullptr)
{
    words.insert(words.begin(), "flatmates");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);
    CommandLine line;
    const bool parsed = line.Parse(static_cast<int>(words.size()), argv.data());
    if (good != nullptr)
        *good = parsed;
    return line;
}

} // namespace

TEST(CommandLineTest, TheScreenOptionsChooseAndTheLastOneCounts)
{
    EXPECT_FALSE(Parsed({}).StartFullscreen(false));
    EXPECT_TRUE(Parsed({}).StartFullscreen(true)) << "without an option the kept setting counts";
    EXPECT_TRUE(Parsed({"--fullscreen"}).StartFullscreen(false));
    EXPECT_FALSE(Parsed({"--window"}).StartFullscreen(true));
    EXPECT_FALSE(Parsed({"--fullscreen", "--window"}).StartFullscreen(true));
    EXPECT_TRUE(Parsed({"--window", "--fullscreen"}).StartFullscreen(false));
}

TEST(CommandLineTest, TheFrameCapTakesAWholeNumberInItsRangeAndTheLastOneCounts)
{
    const struct
    {
        std::vector<std::string> words;
        int maxFps; // 0: a usage error
    } cases[] = {
        {{"--max-fps", "60", "--fullscreen"}, 60},
        {{"--max-fps=1"}, 1},
        {{"--max-fps", "200"}, 200},
        {{"--max-fps=30", "--max-fps", "45"}, 45},
        {{"--max-fps"}, 0},
        {{"--max-fps="}, 0},
        {{"--max-fps", ""}, 0},
        {{"--max-fps", "--help"}, 0},
        {{"--max-fps", "fast"}, 0},
        {{"--max-fps", "0"}, 0},
        {{"--max-fps=201"}, 0},
        {{"--max-fps", "-5"}, 0},
        {{"--max-fps", " 60"}, 0},
        {{"--max-fps", "99999999999999999999"}, 0},
        {{"--max-fps=60", "--max-fps=1e2"}, 0},
    };
    for (const auto& c : cases)
    {
        bool good = false;
        const CommandLine line = Parsed(c.words, &good);
        EXPECT_EQ(c.maxFps != 0, good) << c.words.back();
        if (good)
            EXPECT_EQ(c.maxFps, line.GetMaxFps()) << c.words.back();
        else
            EXPECT_NE(std::string::npos, line.GetError().find("--max-fps")) << line.GetError();
    }
}

TEST(CommandLineTest, AnythingElseIsAUsageError)
{
    for (const char* word : {"--bogus", "-h", "fullscreen", "--fullscreen=1", "--max-fps-60", "-", "--"})
    {
        bool good = true;
        const CommandLine line = Parsed({"--window", word}, &good);
        EXPECT_FALSE(good) << word;
        EXPECT_NE(std::string::npos, line.GetError().find(word)) << line.GetError();
    }
}

TEST(CommandLineTest, HelpAndVersionAreAskedFor)
{
    EXPECT_TRUE(Parsed({"--help"}).WantsHelp());
    EXPECT_TRUE(Parsed({"--version"}).WantsVersion());
    EXPECT_FALSE(Parsed({"--window"}).WantsHelp());
    EXPECT_TRUE(Parsed({"--speech", "--window"}).WantsSpeech());
    EXPECT_FALSE(Parsed({"--window"}).WantsSpeech());
    // The version is the build's own, in the usual dotted form.
    const std::string version = CommandLine::Version();
    EXPECT_NE(std::string::npos, version.find('.')) << version;
    // The usage names every option and every key the game knows.
    const std::string usage = CommandLine::Usage();
    for (const char* word : {"--fullscreen", "--window", "--max-fps N", "--max-fps=N", "FLATMATES_MAX_FPS",
                             "--help", "--version", "F11", "Alt+Enter", "P ", "M ", "Escape", "Space", "Left",
                             "Start", "settings.ini", "keypad"})
        EXPECT_NE(std::string::npos, usage.find(word)) << word;
    for (const char* word : {"--speech", "T ", "key.left", "key.speech"})
        EXPECT_NE(std::string::npos, usage.find(word)) << word;
}
