#ifndef FLATMATES_OBJECTS_TOASTEROBJ_H
#define FLATMATES_OBJECTS_TOASTEROBJ_H

#include "objects/BaseObject.h"

// The toaster, which is already broken.
class ToasterObj : public BaseObject
{
public:
    ToasterObj();

    // Called when the man uses the object.
    void HandleCollision() override;
};

#endif
