#ifndef FLATMATES_OBJECTS_OUTLETOBJ1_H
#define FLATMATES_OBJECTS_OUTLETOBJ1_H

#include "objects/BaseObject.h"

// The wall outlet the lamp is plugged into: pulling the plug also switches
// the lamp's look in the room.
class OutletObj1 : public BaseObject
{
public:
    OutletObj1();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
