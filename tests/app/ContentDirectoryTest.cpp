#include "app/ContentDirectory.h"

#include "core/Platform.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace
{

std::string MakeTempFolder()
{
    char pattern[] = "/tmp/flatmates-content-XXXXXX";
    const char* made = mkdtemp(pattern);
    return made != nullptr ? made : "";
}

} // namespace

TEST(ContentDirectory, LooksAtTheInstalledContentThenTheWorkingFolderThenBesideTheGameAndAbove)
{
    const std::vector<std::string> folders = ContentDirectory::Candidates("/home/p", "/opt/fm/bin");
    EXPECT_EQ(
        (std::vector<std::string>{"/opt/fm/bin/../share/flatmates", "/opt/fm/bin/../share/games/flatmates",
                                  "/home/p", "/opt/fm/bin", "/opt/fm/bin/.."}),
        folders);

    // A game in the root folder looks in /share, not in "//..".
    EXPECT_EQ("/../share/games/flatmates", ContentDirectory::Candidates("", "/")[1]);

    // Folders that cannot be told are left out rather than searched as "".
    EXPECT_EQ(1u, ContentDirectory::Candidates("/home/p", "").size());
}

TEST(ContentDirectory, FindsTheFirstFolderHoldingAssets)
{
    const std::string root = MakeTempFolder();
    ASSERT_FALSE(root.empty());
    ASSERT_EQ(0, mkdir((root + "/bin").c_str(), 0755));
    ASSERT_EQ(0, mkdir((root + "/elsewhere").c_str(), 0755));
    ASSERT_EQ(0, mkdir((root + "/assets").c_str(), 0755));

    // Started from an unrelated folder, the game finds the content above its
    // own folder.
    const auto folders = ContentDirectory::Candidates(root + "/elsewhere", root + "/bin");
    EXPECT_EQ(root + "/bin/..", ContentDirectory::Find(folders));

    // A working folder that has content wins.
    EXPECT_EQ(root, ContentDirectory::Find({root, root + "/bin"}));
    EXPECT_EQ("", ContentDirectory::Find({root + "/elsewhere", root + "/bin"}));

    std::system(("rm -rf " + root).c_str());
}

TEST(ContentDirectory, FindsTheContentOfAGameInstalledTheDebianWay)
{
    // /usr/games/flatmates plays the content in /usr/share/games/flatmates.
    const std::string root = MakeTempFolder();
    ASSERT_FALSE(root.empty());
    for (const char* folder :
         {"/games", "/share", "/share/games", "/share/games/flatmates", "/share/games/flatmates/assets"})
        ASSERT_EQ(0, mkdir((root + folder).c_str(), 0755));

    EXPECT_EQ(root + "/games/../share/games/flatmates",
              ContentDirectory::Find(ContentDirectory::Candidates("/", root + "/games")));

    std::system(("rm -rf " + root).c_str());
}

TEST(ContentDirectory, MovesIntoTheContentFolderOrSaysWhereItLooked)
{
    const std::string root = MakeTempFolder();
    ASSERT_FALSE(root.empty());
    ASSERT_TRUE(platform::ChangeDirectory(root));

    // The test program's own folders hold no assets/ either.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ContentDirectory::Use());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, said.find("no assets/ folder"));
    EXPECT_NE(std::string::npos, said.find(root));
    EXPECT_EQ(1, std::count(said.begin(), said.end(), '\n'));

    ASSERT_EQ(0, mkdir((root + "/assets").c_str(), 0755));
    ASSERT_TRUE(platform::ChangeDirectory("/"));
    ASSERT_TRUE(platform::ChangeDirectory(root));
    EXPECT_TRUE(ContentDirectory::Use());
    EXPECT_EQ(root, platform::CurrentDirectory());

    std::system(("rm -rf " + root).c_str());
}
