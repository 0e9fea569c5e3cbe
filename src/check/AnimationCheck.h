#ifndef FLATMATES_CHECK_ANIMATIONCHECK_H
#define FLATMATES_CHECK_ANIMATIONCHECK_H

#include <string>
#include <vector>

class CheckReport;
class ObjectFileCheck;

// Checks the three animation lists: that the game reads each to its end,
// that each holds the animations the game shows, and that every frame they
// name is in the pictures they are shown on.
class AnimationCheck
{
public:
    // Runs on the lists under the working directory; objects gives the
    // pictures that show the lit and dark looks.
    void Run(const ObjectFileCheck& objects, CheckReport* report);

private:
    // A picture one list is shown on, with its frame count.
    struct Sheet
    {
        // A character's sheet by its path, an object's look by the object.
        std::string m_Name;
        bool m_Look;
        int m_Frames;
    };
    struct FrameAt
    {
        int m_Frame;
        int m_Line;
    };
    struct Anim
    {
        int m_Line;
        std::vector<FrameAt> m_Frames;
    };

    // Reads a list by the game's rules, reporting where its reading stops.
    // False when the file cannot be opened.
    static bool Read(const char* path, std::vector<Anim>* anims, CheckReport* report);
    static void CheckFrames(const char* path, const std::vector<Anim>& anims,
                            const std::vector<Sheet>& sheets, CheckReport* report);
    // A character's sheet, cut into the game's 128-pixel frames.
    static Sheet CharacterSheet(const char* path);
};

#endif
