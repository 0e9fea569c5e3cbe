#ifndef FLATMATES_CHECK_CONTENTFILES_H
#define FLATMATES_CHECK_CONTENTFILES_H

#include <vector>

// Every file under assets/ that the game reads, by the path it opens it by.
class ContentFiles
{
public:
    enum Kind
    {
        kRoomPicture,   // a room, lit or dark
        kSheet,         // a character's frames side by side
        kIcon,          // an object's icon, off or on
        kObjectPicture, // an object's switched-on look in its room
        kObjectFile,    // the object records
        kAnimations,    // an animation list
        kFont,
        kSound,
        kMusic
    };

    struct File
    {
        const char* m_Path;
        Kind m_Kind;
    };

    static const std::vector<File>& All();
    // The paths of one kind, in the order of All.
    static std::vector<const char*> Paths(Kind kind);
    static bool IsPicture(Kind kind) { return kind <= kObjectPicture; }
};

#endif
