#include "app/WhereLine.h"

#include "actors/Player.h"
#include "app/Speech.h"
#include "core/Words.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/StateTest.h"

#include <cstdio>

namespace
{

// Things listed on one side at most; a flat has fewer.
const int kListed = 24;
const float kRoomWidth = 1024.0f;
// How far along the room, in fifths, in words; the ends are named apart.
const char* const kAlong[] = {nullptr, N_("left of the middle"), N_("in the middle"),
                              N_("right of the middle"), nullptr};

float Middle(const BaseObject& object)
{
    return (object.m_ColStart + object.m_ColEnd) / 2.0f;
}

const char* Called(const BaseObject& object)
{
    return object.GetSpokenName() != nullptr ? _(object.GetSpokenName()) : object.GetName().c_str();
}

// Appends to the line as far as it fits.
void Append(char* line, size_t size, size_t* used, const char* format, const char* text,
            const char* more = nullptr)
{
    if (*used + 1 >= size)
        return;
    const int wrote = std::snprintf(line + *used, size - *used, format, text, more);
    if (wrote > 0)
        *used += static_cast<size_t>(wrote) < size - *used ? static_cast<size_t>(wrote) : size - *used - 1;
}

// The things on one side of x, nearest first.
int Side(char room, float x, bool left, const BaseObject* within, const BaseObject** found)
{
    int count = 0;
    for (const BaseObject* object : CollisionSystem::getInstance()->GetObjects())
    {
        if (object == within || count == kListed || !WhereLine::IsInRoom(*object, room) ||
            (Middle(*object) < x) != left)
            continue;
        // Nearest first: a few things, sorted as they come.
        int at = count++;
        const float distance = left ? x - Middle(*object) : Middle(*object) - x;
        while (at > 0 && (left ? x - Middle(*found[at - 1]) : Middle(*found[at - 1]) - x) > distance)
        {
            found[at] = found[at - 1];
            --at;
        }
        found[at] = object;
    }
    return count;
}

} // namespace

bool WhereLine::IsInRoom(const BaseObject& object, char room)
{
    if (object.GetOffIcon() != nullptr)
        return object.GetRoomLetter() == room;
    // His reach goes a step past the bounds the rooms stop him at.
    const float step = Player::kReachRight - Player::kReachLeft;
    if (room == 'a')
        return object.m_ColStart <= Player::kRoomARightBound + Player::kReachRight + step;
    return object.m_ColEnd >= Player::kRoomBLeftBound + Player::kReachLeft - step;
}

bool WhereLine::FlatmateOnLeft()
{
    const Player* man = StateTest::getInstance()->GetPlayer();
    return man == nullptr || !(man->GetX() < StateTest::kGirlX);
}

void WhereLine::Make(char* line, size_t size)
{
    line[0] = '\0';
    StateTest* play = StateTest::getInstance();
    const Player* man = play->GetPlayer();
    if (man == nullptr || size == 0)
        return;
    const char room = play->GetRoom();
    const float x = (man->GetColLeft() + man->GetColRight()) / 2.0f;
    int fifth = static_cast<int>(x / (kRoomWidth / 5.0f));
    fifth = fifth < 0 ? 0 : (fifth > 4 ? 4 : fifth);
    size_t used = 0;
    const char* along = kAlong[fifth];
    if (fifth == 0)
        along = room == 'b' ? N_("near the left wall") : N_("near the left end");
    else if (fifth == 4)
        along = room == 'a' ? N_("near the right wall") : N_("near the right end");
    // TRANSLATORS: the room he is in, then how far along it ("near the
    // right wall").
    Append(line, size, &used, _("%s, %s."), Speech::RoomName(room), _(along));

    const BaseObject* within = man->GetCurrObj();
    if (within != nullptr)
        Append(line, size, &used, _(" Within reach: %s."), Called(*within));
    const BaseObject* found[kListed];
    for (const bool left : {true, false})
    {
        const int count = Side(room, x, left, within, found);
        Append(line, size, &used, left ? _(" To your left: %s") : _(" To your right: %s"),
               count == 0 ? _("nothing") : Called(*found[0]));
        for (int i = 1; i < count; ++i)
            // TRANSLATORS: the next thing in a list of things, nearest first.
            Append(line, size, &used, _(", %s"), Called(*found[i]));
        Append(line, size, &used, "%s", _("."));
    }
    if (room == 'b')
        Append(line, size, &used, "%s",
               FlatmateOnLeft() ? _(" Your flatmate is to your left.")
                                : _(" Your flatmate is to your right."));
}
