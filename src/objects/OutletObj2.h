#ifndef FLATMATES_OBJECTS_OUTLETOBJ2_H
#define FLATMATES_OBJECTS_OUTLETOBJ2_H

#include "objects/BaseObject.h"

// The television's wall outlet.
class OutletObj2 : public BaseObject
{
public:
    OutletObj2();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
