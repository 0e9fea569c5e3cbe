// flatmates-check: reads the game's content the way the game does and
// reports every problem found, one a line, as "file:line: problem".

#include "app/ContentDirectory.h"
#include "check/ContentCheck.h"
#include "core/Platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace
{

const char* const kUsage =
    "usage: flatmates-check [FOLDER]\n"
    "Checks FOLDER/assets, the game's content, and reports every problem with its file\n"
    "and line. Without FOLDER, checks the content the game would play with.\n"
    "Exit status: 0 when clean, 1 with problems, 2 on a wrong call.\n";

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0))
    {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc > 2 || (argc == 2 && argv[1][0] == '-'))
    {
        std::fputs(kUsage, stderr);
        return 2;
    }

    const std::string folder =
        argc == 2 ? argv[1]
                  : ContentDirectory::Find(ContentDirectory::Candidates(platform::CurrentDirectory(),
                                                                        platform::ExecutableDirectory()));
    if (folder.empty() || !platform::IsDirectory(folder + "/assets") || !platform::ChangeDirectory(folder))
    {
        std::fprintf(stderr, "flatmates-check: no assets/ folder %s%s\n", folder.empty() ? "found" : "in ",
                     folder.c_str());
        return 1;
    }

    // Content is read without a window or a sound card.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const CheckReport report = ContentCheck::Run();
    report.Print(std::cout);
    std::fprintf(stderr, "flatmates-check: %s/assets: %zu problem%s\n", platform::CurrentDirectory().c_str(),
                 report.GetProblems().size(), report.GetProblems().size() == 1 ? "" : "s");
    return report.IsClean() ? 0 : 1;
}
