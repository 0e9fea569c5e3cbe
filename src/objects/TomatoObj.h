#ifndef FLATMATES_OBJECTS_TOMATOOBJ_H
#define FLATMATES_OBJECTS_TOMATOOBJ_H

#include "objects/BaseObject.h"

// A tomato on the shelf; there is nothing to do with it but remark on it.
class TomatoObj : public BaseObject
{
public:
    TomatoObj();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
