#include "app/ContentDirectory.h"

#include "core/Platform.h"
#include "core/Words.h"

#include <cstdio>

std::vector<std::string> ContentDirectory::Candidates(const std::string& current, const std::string& exeDir)
{
    std::vector<std::string> folders;
    if (!exeDir.empty())
    {
        // An installed game keeps its content apart from its programs:
        // <prefix>/share/flatmates beside <prefix>/bin, or, as Debian lays
        // games out, /usr/share/games/flatmates beside /usr/games. Any
        // assets/ where the player happens to stand is not its content.
        const std::string prefix = (exeDir == "/" ? std::string() : exeDir) + "/..";
        folders.push_back(prefix + "/share/flatmates");
        folders.push_back(prefix + "/share/games/flatmates");
    }
    if (!current.empty())
        folders.push_back(current);
    if (!exeDir.empty())
    {
        folders.push_back(exeDir);
        folders.push_back(exeDir == "/" ? exeDir : exeDir + "/..");
    }
    return folders;
}

std::string ContentDirectory::Find(const std::vector<std::string>& candidates)
{
    for (const std::string& folder : candidates)
    {
        if (platform::IsDirectory(folder + "/assets"))
            return folder;
    }
    return std::string();
}

bool ContentDirectory::Use()
{
    const std::vector<std::string> candidates =
        Candidates(platform::CurrentDirectory(), platform::ExecutableDirectory());
    const std::string found = Find(candidates);
    if (!found.empty() && platform::ChangeDirectory(found))
        return true;

    std::string looked;
    for (const std::string& folder : candidates)
        looked += (looked.empty() ? "" : ", ") + folder;
    std::fprintf(
        stderr, "flatmates: %s\n",
        Words::Fill(_("no assets/ folder found (looked in %s); playing without content"), looked.c_str())
            .c_str());
    return false;
}
