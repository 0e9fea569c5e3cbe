#ifndef FLATMATES_OBJECTS_HALLWAYOBJ1_H
#define FLATMATES_OBJECTS_HALLWAYOBJ1_H

#include "objects/BaseObject.h"

// The passage from room a into room b: walking into it is enough.
class HallwayObj1 : public BaseObject
{
public:
    HallwayObj1();

    // Called when the man uses the passage; it changes nothing.
    void HandleCollision() override;
    // Called every frame the man overlaps the passage: takes him through.
    void Contact() override;
};

#endif
