#ifndef FLATMATES_OBJECTS_PILLSOBJ_H
#define FLATMATES_OBJECTS_PILLSOBJ_H

#include "objects/BaseObject.h"

// The flatmate's pills.
class PillsObj : public BaseObject
{
public:
    PillsObj();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
