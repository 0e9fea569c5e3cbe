#ifndef FLATMATES_OBJECTS_LIGHTSWITCHOBJ1_H
#define FLATMATES_OBJECTS_LIGHTSWITCHOBJ1_H

#include "objects/BaseObject.h"

// The light switch: on means the rooms are dark.
class LightSwitchObj1 : public BaseObject
{
public:
    LightSwitchObj1();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
