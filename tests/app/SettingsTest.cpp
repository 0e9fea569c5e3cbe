// The player's settings file: read back as written, never trusted when
// damaged, replaced in one step, and never a reason for the game to fail.

#include "app/Settings.h"

#include "TestSupport.h"
#include "core/Platform.h"

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteAll(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str()))
    {
        while (dirent* entry = readdir(dir))
        {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
    }
    return names;
}

ino_t InodeOf(const std::string& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

Settings Changed()
{
    Settings settings;
    settings.m_Fullscreen = true;
    settings.m_Muted = true;
    settings.m_Volume = 3;
    settings.m_Speech = true;
    settings.m_Keys[ProgramKeys::ChoosableNamed("use")].key = "enter";
    return settings;
}

class SettingsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_Folder = testsupport::MakeTempFolder();
        ASSERT_FALSE(m_Folder.empty());
        m_Path = m_Folder + "/flatmates/settings.ini";
    }
    void TearDown() override
    {
        chmod(m_Folder.c_str(), 0700);
        ASSERT_EQ(0, std::system(("rm -rf " + m_Folder).c_str()));
    }

    std::string m_Folder;
    std::string m_Path;
};

// Runs with XDG_CONFIG_HOME and HOME set as given (null unsets), then puts
// them back as they were.
class Environment
{
public:
    Environment(const char* config, const char* home)
        : m_Config(Save("XDG_CONFIG_HOME")), m_Home(Save("HOME"))
    {
        Set("XDG_CONFIG_HOME", config);
        Set("HOME", home);
    }
    ~Environment()
    {
        Set("XDG_CONFIG_HOME", m_Config.first ? m_Config.second.c_str() : nullptr);
        Set("HOME", m_Home.first ? m_Home.second.c_str() : nullptr);
    }

private:
    static std::pair<bool, std::string> Save(const char* name)
    {
        const char* value = std::getenv(name);
        return {value != nullptr, value != nullptr ? value : ""};
    }
    static void Set(const char* name, const char* value)
    {
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

    std::pair<bool, std::string> m_Config;
    std::pair<bool, std::string> m_Home;
};

} // namespace

TEST_F(SettingsTest, TheFileLivesWhereTheDesktopKeepsSettings)
{
    {
        Environment env("/somewhere/config", "/home/player");
        EXPECT_EQ("/somewhere/config/flatmates/settings.ini", Settings::DefaultPath());
    }
    {
        Environment env(nullptr, "/home/player");
        EXPECT_EQ("/home/player/.config/flatmates/settings.ini", Settings::DefaultPath());
    }
    {
        // A relative folder would move with wherever the game was started.
        Environment env("config", "/home/player");
        EXPECT_EQ("/home/player/.config/flatmates/settings.ini", Settings::DefaultPath());
    }
    {
        Environment env(nullptr, nullptr);
        EXPECT_EQ("", Settings::DefaultPath());
        Settings settings;
        std::string problem;
        EXPECT_FALSE(settings.Load(Settings::DefaultPath(), &problem));
        EXPECT_FALSE(problem.empty());
        EXPECT_TRUE(settings == Settings());
        EXPECT_FALSE(settings.Save(Settings::DefaultPath(), &problem));
    }
}

TEST_F(SettingsTest, WhatIsSavedIsReadBackAndTheFolderIsMade)
{
    std::string problem;
    ASSERT_TRUE(Changed().Save(m_Path, &problem)) << problem;
    Settings read;
    ASSERT_TRUE(read.Load(m_Path, &problem)) << problem;
    EXPECT_TRUE(read == Changed());

    // Every value of every setting survives the trip.
    for (int volume = 0; volume <= Settings::kVolumeSteps; ++volume)
    {
        Settings settings;
        settings.m_Volume = volume;
        settings.m_Muted = volume % 2 == 0;
        settings.m_Fullscreen = volume % 3 == 0;
        ASSERT_TRUE(settings.Save(m_Path, &problem)) << problem;
        ASSERT_TRUE(read.Load(m_Path, &problem)) << problem;
        EXPECT_TRUE(read == settings) << volume;
    }
}

TEST_F(SettingsTest, AHandWrittenFileIsRead)
{
    std::string problem;
    ASSERT_TRUE(platform::MakeDirectories(m_Folder + "/flatmates", &problem)) << problem;
    // A byte-order mark, comments, blank lines, spaces, Windows line ends, a
    // section header and a name from a later version are all fine.
    WriteAll(m_Path, "\xEF\xBB\xBFvolume = 2 \r\n; mine\r\n[flatmates]\n\nmute=1\nlanguage=en\n# end\n"
                     "speech=1\nkey.volume_up = [+]\nkey.jump=j\n");
    Settings read;
    ASSERT_TRUE(read.Load(m_Path, &problem)) << problem;
    EXPECT_EQ(2, read.m_Volume);
    EXPECT_TRUE(read.m_Muted);
    EXPECT_FALSE(read.m_Fullscreen);
    EXPECT_TRUE(read.m_Speech);
    // A chosen key keeps its line, for what is said should it be no key.
    const Settings::KeyChoice& up = read.m_Keys[ProgramKeys::ChoosableNamed("volume_up")];
    EXPECT_EQ("[+]", up.key);
    EXPECT_EQ(9, up.line);
    // The later version's choice outlives this one's saving.
    read.m_Volume = 5;
    ASSERT_TRUE(read.Save(m_Path, &problem)) << problem;
    EXPECT_NE(std::string::npos, ReadAll(m_Path).find("\nlanguage=en\nkey.jump=j\n")) << ReadAll(m_Path);
}

TEST_F(SettingsTest, AMissingOrDamagedFileGivesTheDefaultsAndSaysWhere)
{
    // No file is a first start: nothing to say.
    std::string problem;
    Settings read = Changed();
    EXPECT_TRUE(read.Load(m_Path, &problem));
    EXPECT_EQ("", problem);
    EXPECT_TRUE(read == Changed()) << "a load finding nothing leaves what was there";

    ASSERT_TRUE(platform::MakeDirectories(m_Folder + "/flatmates", &problem)) << problem;
    const std::string damaged[] = {
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), // garbage
        "volume=9\n",                                     // past the steps
        "volume=-1\n",
        "volume=\n",
        "volume=4x\n",
        "volume=99999999999999999999\n",
        "mute=yes\n",
        "fullscreen=2\n",
        "speech=on\n",
        "fullscreen\n",
        "fullscreen=1\nvolume=3\nthis is not a setting\n",
        std::string(5000, '#'),                  // longer than any settings file
        "\x1b]0;owned\x07\x1b[2Jfullscreen=2\n", // escape sequences to the terminal
    };
    for (const std::string& text : damaged)
    {
        WriteAll(m_Path, text);
        Settings settings;
        problem.clear();
        EXPECT_FALSE(settings.Load(m_Path, &problem)) << text;
        EXPECT_FALSE(problem.empty()) << text;
        for (const unsigned char c : problem)
            EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "one line of plain text: " << problem;
        EXPECT_TRUE(settings == Settings()) << "defaults for a damaged file: " << text;
    }
}

TEST_F(SettingsTest, OnlyASmallRegularFileIsRead)
{
    // Whatever lies at the path, reading it neither hangs nor takes more
    // than a settings file's worth of memory.
    std::string problem;
    ASSERT_TRUE(platform::MakeDirectories(m_Folder + "/flatmates", &problem)) << problem;
    const struct
    {
        const char* what;
        std::string make;
    } cases[] = {
        {"a named pipe", "mkfifo " + m_Path},
        {"the endless device", "ln -s /dev/zero " + m_Path},
        {"a file of 300 MB", "truncate -s 300M " + m_Path},
    };
    for (const auto& c : cases)
    {
        ASSERT_EQ(0, std::system(("rm -f " + m_Path + " && " + c.make).c_str())) << c.what;
        Settings settings;
        problem.clear();
        EXPECT_FALSE(settings.Load(m_Path, &problem)) << c.what;
        EXPECT_NE(std::string::npos, problem.find(m_Path)) << problem;
    }
}

TEST_F(SettingsTest, AFolderWhereTheFileShouldBeIsReportedNotFatal)
{
    std::string problem;
    ASSERT_TRUE(platform::MakeDirectories(m_Path, &problem)) << problem;
    Settings settings;
    EXPECT_FALSE(settings.Load(m_Path, &problem));
    EXPECT_NE(std::string::npos, problem.find("folder")) << problem;
    EXPECT_FALSE(Changed().Save(m_Path, &problem));
    EXPECT_TRUE(platform::IsDirectory(m_Path));
    // No temporary is left beside it.
    EXPECT_EQ(std::vector<std::string>{"settings.ini"}, FolderEntries(m_Folder + "/flatmates"));
}

TEST_F(SettingsTest, AnUnwritableFolderIsReportedAndTheOldFileStays)
{
    std::string problem;
    // Below a plain file no folder can be made, whoever runs the test.
    WriteAll(m_Folder + "/plain", "x");
    EXPECT_FALSE(Changed().Save(m_Folder + "/plain/flatmates/settings.ini", &problem));
    EXPECT_NE(std::string::npos, problem.find("plain")) << problem;

    if (geteuid() == 0)
        return; // the superuser writes into any folder
    ASSERT_TRUE(Settings().Save(m_Path, &problem)) << problem;
    const std::string before = ReadAll(m_Path);
    ASSERT_EQ(0, chmod((m_Folder + "/flatmates").c_str(), 0500));
    EXPECT_FALSE(Changed().Save(m_Path, &problem));
    EXPECT_FALSE(problem.empty());
    ASSERT_EQ(0, chmod((m_Folder + "/flatmates").c_str(), 0700));
    EXPECT_EQ(before, ReadAll(m_Path));
    EXPECT_EQ(std::vector<std::string>{"settings.ini"}, FolderEntries(m_Folder + "/flatmates"));
}

TEST_F(SettingsTest, SavingReplacesTheFileInOneStep)
{
    std::string problem;
    ASSERT_TRUE(Settings().Save(m_Path, &problem)) << problem;
    const std::string before = ReadAll(m_Path);
    // A reader holding the old file keeps seeing it whole: the new one is a
    // new file renamed over the name, not the old one rewritten in place.
    const std::string held = m_Folder + "/held";
    ASSERT_EQ(0, link(m_Path.c_str(), held.c_str()));
    const ino_t oldInode = InodeOf(m_Path);

    ASSERT_TRUE(Changed().Save(m_Path, &problem)) << problem;
    EXPECT_NE(oldInode, InodeOf(m_Path));
    EXPECT_EQ(before, ReadAll(held));
    EXPECT_EQ(Changed().Format(), ReadAll(m_Path));
    EXPECT_EQ(std::vector<std::string>{"settings.ini"}, FolderEntries(m_Folder + "/flatmates"));
}
