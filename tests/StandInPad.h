#ifndef FLATMATES_TESTS_STANDINPAD_H
#define FLATMATES_TESTS_STANDINPAD_H

#include "app/PadDevice.h"

// A pad the test holds and plugs in or pulls out (SDL 1.2 has no virtual
// pad); false readings carry what it held, as a careless device's might.
class StandInPad : public PadDevice
{
public:
    bool Read(Reading* reading) override
    {
        *reading = m_Reading;
        return m_There;
    }

    bool m_There = true;
    Reading m_Reading;
};

#endif
