#ifndef FLATMATES_CHECK_ROOMWALK_H
#define FLATMATES_CHECK_ROOMWALK_H

#include "actors/Player.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class BaseObject;
class CheckReport;
class ObjectFileCheck;

// Walks the man through both rooms, standing him on every stretch of floor
// where what he can reach changes and asking the game's own collision query
// what he reaches there, as a player would find it out. Reports the objects
// he can never reach, and the hallways he cannot reach or that send him
// straight back.
class RoomWalk
{
public:
    // Walks the flat that objects furnished (and registered).
    void Run(const ObjectFileCheck& objects, CheckReport* report);

private:
    // Where standing at x in a room leaves him: the room after the query (a
    // hallway may have taken him on) and the object within his reach.
    struct Stand
    {
        char m_Room;
        BaseObject* m_Reach;
    };
    // The stretches of x, lowest first, that he walks in one room.
    typedef std::vector<std::pair<float, float>> Walked;

    Stand StandAt(char room, float x);
    // The room an object's touch takes him to, or 0 for none.
    char LeadsTo(BaseObject* object);
    // The first hallway out of room that he touches at x, or null.
    const BaseObject* HallwayOutAt(char room, float x);
    // Walks one room from each of its starts; notes what he reaches.
    Walked WalkRoom(char room, const std::vector<float>& starts, float low, float high);
    // Why object is not reached in a room: what covers it, or where he walks.
    std::string WhyNotReached(const BaseObject* object, char room, const Walked& walked);
    std::string Describe(const BaseObject* object) const;

    const ObjectFileCheck* m_pObjects = nullptr;
    CheckReport* m_pReport = nullptr;
    Player m_Man;
    // Every place worth standing on, lowest first.
    std::vector<float> m_Places;
    std::map<const BaseObject*, char> m_LeadsTo;
    std::set<const BaseObject*> m_Reached;
    std::set<const BaseObject*> m_HallwaysTaken;
};

#endif
