#ifndef FLATMATES_OBJECTS_COLLISIONSYSTEM_H
#define FLATMATES_OBJECTS_COLLISIONSYSTEM_H

#include "core/KeptToExit.h"

#include <istream>
#include <string>
#include <vector>

class BaseObject;
class Player;

// Every household object of the flat, in the order of the object file. It
// answers which object a player stands at, and which object has an id.
class CollisionSystem
{
public:
    // Records read from an object file at most; the rest of the file is
    // ignored. A flat has a dozen or so objects, but every record loads its
    // pictures, so a runaway file of a hundred thousand records would take
    // gigabytes and most of a minute before the game could start.
    static const int kMaxObjectRecords = 1000;

    static CollisionSystem* getInstance();

    // Adds an object; the registry owns it from then on.
    void RegisterColObj(BaseObject* object);
    // The first registered object with this id, or null.
    BaseObject* FindObj(int id);
    // The first registered object of the current room whose stretch overlaps
    // the player's reach, or null. Every overlapping object passed on the way
    // is touched (Contact) first, which is how hallways change the room.
    BaseObject* CheckCollision(Player* player);
    // The reach test of the query: the stretch left..right meets the object's
    // stretch start..end. Ends count; a stretch given the wrong way round is
    // taken as it is.
    static bool Overlaps(float start, float end, float left, float right);
    // Deletes every object and empties the registry.
    void CleanUp();

    // Reads "assets/Objects.txt" and builds every object in it.
    void InitCollisionObjects();
    // Reads object records from a stream and builds each, up to
    // kMaxObjectRecords (the object file's reader, shared with the content
    // tools).
    void ReadObjectRecords(std::istream& in);
    // Builds, places and registers the object of one record; "Door" and
    // unknown names build nothing.
    void FakeFactory(float start, float end, std::string name, std::string room);

    const std::vector<BaseObject*>& GetObjects() const { return *m_Objects; }

    CollisionSystem(const CollisionSystem&) = delete;
    CollisionSystem& operator=(const CollisionSystem&) = delete;

private:
    CollisionSystem() = default;
    ~CollisionSystem() = default;

    static CollisionSystem m_Instance;

    // The game ends through exit with the objects still registered and
    // nothing is deleted: they stay owned, not lost, until the process is
    // gone.
    KeptToExit<std::vector<BaseObject*>> m_Objects;
};

#endif
