#include "objects/HallwayObj2.h"

#include "play/StateTest.h"

HallwayObj2::HallwayObj2() : BaseObject(15, "Hallway2") {}

void HallwayObj2::HandleCollision()
{
    // Nothing to use in a passage; the state is kept but nothing reads it.
    m_On = !m_On;
}

void HallwayObj2::Contact()
{
    // Asking again while already there changes nothing, so this may run
    // every frame the man stands in the passage.
    StateTest::getInstance()->SetRoom('a');
}
