#include "objects/HallwayObj1.h"

#include "play/StateTest.h"

HallwayObj1::HallwayObj1() : BaseObject(14, "Hallway1") {}

void HallwayObj1::HandleCollision()
{
    // Nothing to use in a passage; the state is kept but nothing reads it.
    m_On = !m_On;
}

void HallwayObj1::Contact()
{
    // Asking again while already there changes nothing, so this may run
    // every frame the man stands in the passage.
    StateTest::getInstance()->SetRoom('b');
}
