#ifndef FLATMATES_OBJECTS_OUTLETOBJ3_H
#define FLATMATES_OBJECTS_OUTLETOBJ3_H

#include "objects/BaseObject.h"

// The phonograph's wall outlet: unplugging it stops the music.
class OutletObj3 : public BaseObject
{
public:
    OutletObj3();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
