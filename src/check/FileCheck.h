#ifndef FLATMATES_CHECK_FILECHECK_H
#define FLATMATES_CHECK_FILECHECK_H

class CheckReport;

// Opens every content file with the library the game reads it with:
// pictures through the sprite loader, sounds and music through the mixer,
// the font through the font library. Reports the missing and the unreadable.
class FileCheck
{
public:
    // Checks the files under the working directory. The mixer must be open
    // for the sounds to be checked; audioOpen says whether it is.
    void Run(bool audioOpen, CheckReport* report);

private:
    // Why the game would get no picture from the file, or "" when it would.
    static const char* PictureProblem(const char* path);
};

#endif
