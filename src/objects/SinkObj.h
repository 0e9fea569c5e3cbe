#ifndef FLATMATES_OBJECTS_SINKOBJ_H
#define FLATMATES_OBJECTS_SINKOBJ_H

#include "objects/BaseObject.h"

// The kitchen sink: its water runs, and is heard, until it is turned off.
class SinkObj : public BaseObject
{
public:
    SinkObj();

    // Called when the man uses the object.
    void HandleCollision() override;

    // The channel the running water plays on; -1 while none does.
    int GetSoundChannel() const { return m_SoundChannel; }

private:
    int m_SoundChannel;
};

#endif
