#ifndef FLATMATES_OBJECTS_OUTLETOBJ4_H
#define FLATMATES_OBJECTS_OUTLETOBJ4_H

#include "objects/BaseObject.h"

// The toaster's wall outlet.
class OutletObj4 : public BaseObject
{
public:
    OutletObj4();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
