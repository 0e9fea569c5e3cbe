#ifndef FLATMATES_OBJECTS_CLOCKOBJ_H
#define FLATMATES_OBJECTS_CLOCKOBJ_H

#include "objects/BaseObject.h"

// The wall clock.
class ClockObj : public BaseObject
{
public:
    ClockObj();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
