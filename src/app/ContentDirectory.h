#ifndef FLATMATES_APP_CONTENTDIRECTORY_H
#define FLATMATES_APP_CONTENTDIRECTORY_H

#include <string>
#include <vector>

// The game names every picture, sound and text file by a path relative to
// the working directory ("assets/..."). So that it plays however it is
// started, start-up first moves into the folder that holds assets/.
class ContentDirectory
{
public:
    // Folders to look in, in order: the installed content beside the
    // executable (<prefix>/share/flatmates for <prefix>/bin/flatmates, then
    // <prefix>/share/games/flatmates for <prefix>/games/flatmates), so that
    // an installed game plays its own content wherever it is started; then,
    // for a game run from a build tree, the working directory, the
    // executable's folder and that folder's parent.
    static std::vector<std::string> Candidates(const std::string& current, const std::string& exeDir);

    // The first candidate that holds an assets/ folder, or "" for none.
    static std::string Find(const std::vector<std::string>& candidates);

    // Finds the content and makes its folder the working directory. When no
    // candidate holds it, one line on stderr says where the game looked and
    // the game goes on without content. Returns true when found.
    static bool Use();
};

#endif
