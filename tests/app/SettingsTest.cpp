// The player's settings file: read back as written, never trusted when
// damaged, replaced in one step, and never a reason for the game to fail.

#include "app/Settings.h"

#include "TestSupport.h"
#include "app/SettingsKeeper.h"
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
    settings.m_SpeechChosen = true;
    settings.m_Stereo = false;
    settings.m_SpeechRate = 5;
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
        std::vector<std::string> problems;
        EXPECT_FALSE(settings.Load(Settings::DefaultPath(), &problems));
        EXPECT_EQ(1u, problems.size());
        EXPECT_TRUE(settings == Settings());
        std::string problem;
        EXPECT_FALSE(settings.Save(Settings::DefaultPath(), &problem));
    }
}

TEST_F(SettingsTest, WhatIsSavedIsReadBackAndTheFolderIsMade)
{
    std::string problem;
    ASSERT_TRUE(Changed().Save(m_Path, &problem)) << problem;
    Settings read;
    std::vector<std::string> problems;
    ASSERT_TRUE(read.Load(m_Path, &problems));
    EXPECT_EQ(std::vector<std::string>{}, problems);
    EXPECT_TRUE(read == Changed());

    // Every value of every setting survives the trip.
    for (int volume = 0; volume <= Settings::kVolumeSteps; ++volume)
    {
        Settings settings;
        settings.m_Volume = volume;
        settings.m_Muted = volume % 2 == 0;
        settings.m_Fullscreen = volume % 3 == 0;
        settings.m_SpeechRate = 1 + volume % 5;
        ASSERT_TRUE(settings.Save(m_Path, &problem)) << problem;
        ASSERT_TRUE(read.Load(m_Path, &problems));
        EXPECT_TRUE(read == settings) << volume;
    }
}

TEST_F(SettingsTest, AHandWrittenFileIsReadAndKeptAsWritten)
{
    std::string problem;
    ASSERT_TRUE(platform::MakeDirectories(m_Folder + "/flatmates", &problem)) << problem;
    // A byte-order mark, comments, blank lines, spaces, Windows line ends, a
    // section header and names from a later version are all fine.
    const std::string written =
        "\xEF\xBB\xBFvolume = 2 \r\n; mine\r\n[flatmates]\n\nmute=1\nlanguage=en\n# end\n"
        "speech=1\nkey.volume_up = [+]\nkey.jump=j\n";
    WriteAll(m_Path, written);
    Settings read;
    std::vector<std::string> problems;
    ASSERT_TRUE(read.Load(m_Path, &problems));
    EXPECT_EQ(std::vector<std::string>{}, problems);
    EXPECT_EQ(2, read.m_Volume);
    EXPECT_TRUE(read.m_Muted);
    EXPECT_FALSE(read.m_Fullscreen);
    EXPECT_TRUE(read.m_Speech);
    // A chosen key keeps its line, for what is said should it be no key.
    const Settings::KeyChoice& up = read.m_Keys[ProgramKeys::ChoosableNamed("volume_up")];
    EXPECT_EQ("[+]", up.key);
    EXPECT_EQ(9, up.line);
    // Nothing changed, nothing rewritten; a change is made where it stands,
    // in the file's own line ends, and a new setting goes at the end.
    EXPECT_EQ(written, read.Format());
    read.m_Volume = 5;
    read.m_Fullscreen = true;
    ASSERT_TRUE(read.Save(m_Path, &problem)) << problem;
    EXPECT_EQ("\xEF\xBB\xBFvolume=5\r\n; mine\r\n[flatmates]\n\nmute=1\nlanguage=en\n# end\n"
              "speech=1\nkey.volume_up = [+]\nkey.jump=j\nfullscreen=1\r\n",
              ReadAll(m_Path));
}

TEST_F(SettingsTest, ADamagedFileIsUsedAsFarAsItCanAndEveryLineThePlayerWroteStays)
{
    std::string problem;
    ASSERT_TRUE(platform::MakeDirectories(m_Folder + "/flatmates", &problem)) << problem;
    // Each file is read, the sound turned off in play, and the file looked
    // at again: only the mute line may have changed. Lines said are the
    // lines on stderr at start, by number.
    const struct
    {
        std::string file;
        const char* said; // the numbers of the lines said
        const char* read; // fullscreen, volume, the left and right keys
        std::string after;
    } cases[] = {
        {"key.left=a\nkey.right=d\nlanguage=en\nvolume=10\n", " 4", "0 8 a d",
         "key.left=a\nkey.right=d\nlanguage=en\nvolume=10\nmute=1\n"},
        {"mute=yes\nvolume=2\n", " 1", "0 2  ", "mute=1\nvolume=2\n"},
        // Without '=' a line is no setting, and stays as it was written.
        {"language\r\n[sound]\r\nmute = 0 \r\n; me\r\nfullscreen=2\r\n", " 1 2 5", "0 8  ",
         "language\r\n[sound]\r\nmute=1\r\n; me\r\nfullscreen=2\r\n"},
        {"fullscreen=1\nvolume=99999999999999999999\nvolume=-1\nvolume=\nvolume=4x\nspeech=on\nspeech_rate="
         "6\n"
         "stereo=\n",
         " 2 3 4 5 6 7 8", "1 8  ",
         "fullscreen=1\nvolume=99999999999999999999\nvolume=-1\nvolume=\nvolume=4x\nspeech=on\nspeech_rate="
         "6\n"
         "stereo=\nmute=1\n"},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), " 1 2 3", "0 8  ",
         std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\nmute=1\r\n", 25)},
        {"\x1b]0;owned\x07\x1b[2Jfullscreen=2", " 1", "0 8  ",
         "\x1b]0;owned\x07\x1b[2Jfullscreen=2\nmute=1\n"},
        {"", "", "0 8  ", "mute=1\n"},
    };
    for (const auto& c : cases)
    {
        WriteAll(m_Path, c.file);
        SettingsKeeper keeper;
        testing::internal::CaptureStderr();
        keeper.Load(m_Path);
        const std::string said = testing::internal::GetCapturedStderr();
        std::string numbers;
        for (std::istringstream lines(said); std::getline(lines, problem);)
        {
            EXPECT_EQ(0u, problem.find("flatmates: " + m_Path + ": line ")) << problem;
            numbers +=
                " " + problem.substr(problem.find(" line ") + 6,
                                     problem.find(" is not a setting (\"") - problem.find(" line ") - 6);
        }
        EXPECT_EQ(c.said, numbers) << said;
        for (const unsigned char letter : said)
            EXPECT_TRUE(letter == '\n' || (letter >= 0x20 && letter < 0x7f)) << "plain text: " << said;
        const Settings& read = keeper.Get();
        EXPECT_EQ(c.read, std::to_string(read.m_Fullscreen) + " " + std::to_string(read.m_Volume) + " " +
                              read.m_Keys[0].key + " " + read.m_Keys[1].key)
            << c.file;

        keeper.Start();
        Settings changed = keeper.Get();
        changed.m_Muted = !changed.m_Muted;
        keeper.Keep(changed);
        EXPECT_EQ(c.after, ReadAll(m_Path)) << c.file;
    }
}

TEST_F(SettingsTest, OnlyASmallRegularFileIsReadAndOneNotReadIsNeverWrittenOver)
{
    // Whatever lies at the path, reading it neither hangs nor takes more
    // than a settings file's worth of memory; and since what it holds is
    // not known, changes in play are not saved over it, which is said once.
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
        {"a file just too long", "head -c 4097 /dev/zero > " + m_Path},
    };
    for (const auto& c : cases)
    {
        ASSERT_EQ(0, std::system(("rm -f " + m_Path + " && " + c.make).c_str())) << c.what;
        const ino_t before = InodeOf(m_Path);
        SettingsKeeper keeper;
        testing::internal::CaptureStderr();
        keeper.Load(m_Path);
        keeper.Start();
        for (const int volume : {3, 4})
        {
            Settings changed = keeper.Get();
            changed.m_Volume = volume;
            keeper.Keep(changed);
        }
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(1, std::count(said.begin(), said.end(), '\n')) << said;
        EXPECT_NE(std::string::npos, said.find(m_Path + " is")) << said;
        EXPECT_EQ(4, keeper.Get().m_Volume) << "play goes on with the change";
        EXPECT_EQ(before, InodeOf(m_Path)) << c.what << " was written over";
    }
}

TEST_F(SettingsTest, AFolderWhereTheFileShouldBeIsReportedNotFatal)
{
    std::string problem;
    ASSERT_TRUE(platform::MakeDirectories(m_Path, &problem)) << problem;
    Settings settings;
    std::vector<std::string> problems;
    EXPECT_FALSE(settings.Load(m_Path, &problems));
    ASSERT_EQ(1u, problems.size());
    EXPECT_NE(std::string::npos, problems[0].find("folder")) << problems[0];
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

    // Settings kept elsewhere and linked in, through a link to a link: the
    // links stay, the file at the end is replaced.
    const std::string link = m_Folder + "/link.ini";
    ASSERT_EQ(0, rename(m_Path.c_str(), held.c_str()));
    ASSERT_EQ(0, symlink("held", link.c_str()));
    ASSERT_EQ(0, symlink(link.c_str(), m_Path.c_str()));
    ASSERT_TRUE(Settings().Save(m_Path, &problem)) << problem;
    char target[256] = {};
    EXPECT_LT(0, readlink(m_Path.c_str(), target, sizeof(target) - 1)) << "still a link";
    EXPECT_EQ(Settings().Format(), ReadAll(held));
}
