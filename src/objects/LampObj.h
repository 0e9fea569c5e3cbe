#ifndef FLATMATES_OBJECTS_LAMPOBJ_H
#define FLATMATES_OBJECTS_LAMPOBJ_H

#include "objects/BaseObject.h"

// The standard lamp; its wall outlet (OutletObj1) also shows and hides its
// light.
class LampObj : public BaseObject
{
public:
    LampObj();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
