#ifndef FLATMATES_OBJECTS_DRINKOBJ_H
#define FLATMATES_OBJECTS_DRINKOBJ_H

#include "objects/BaseObject.h"

// A juice carton; once drunk from, it stays open.
class DrinkObj : public BaseObject
{
public:
    DrinkObj();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
