#ifndef FLATMATES_OBJECTS_HALLWAYOBJ2_H
#define FLATMATES_OBJECTS_HALLWAYOBJ2_H

#include "objects/BaseObject.h"

// The passage from room b into room a: walking into it is enough.
class HallwayObj2 : public BaseObject
{
public:
    HallwayObj2();

    // Called when the man uses the passage; it changes nothing.
    void HandleCollision() override;
    // Called every frame the man overlaps the passage: takes him through.
    void Contact() override;
};

#endif
