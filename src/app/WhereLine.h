#ifndef FLATMATES_APP_WHERELINE_H
#define FLATMATES_APP_WHERELINE_H

#include <cstddef>

class BaseObject;

// Where the man stands, in words, for a player who cannot see the room: the
// room, how far along it, the thing within reach, the things to his left and
// to his right, nearest first, and in the living room which side his
// flatmate is on. Read from the play state and the collision registry as
// they are now; made in the caller's buffer, allocating nothing.
class WhereLine
{
public:
    // The line, cut to fit size.
    static void Make(char* line, size_t size);
    // Whether the flatmate stands to his left.
    static bool FlatmateOnLeft();
    // Whether the object can be reached from the room ('a' or 'b'): a thing
    // by the room the object file gives it, a passage (which has none) by
    // whether its stretch of floor lies where he can walk in that room.
    static bool IsInRoom(const BaseObject& object, char room);
};

#endif
