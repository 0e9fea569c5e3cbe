#include "check/RoomWalk.h"

#include "check/CheckReport.h"
#include "check/ObjectFileCheck.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"
#include "play/PlayConstants.h"
#include "play/StateTest.h"

#include <algorithm>
#include <sstream>

namespace
{

bool Touches(const BaseObject* object, float x)
{
    return CollisionSystem::Overlaps(object->m_ColStart, object->m_ColEnd, x + Player::kReachLeft,
                                     x + Player::kReachRight);
}

std::string Number(float value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

// His reach while he stands anywhere from x low to x high.
std::string Reach(float low, float high)
{
    return "x " + Number(low + Player::kReachLeft) + " to " + Number(high + Player::kReachRight);
}

} // namespace

void RoomWalk::Run(const ObjectFileCheck& objects, CheckReport* report)
{
    m_pObjects = &objects;
    m_pReport = report;
    m_Reached.clear();
    m_HallwaysTaken.clear();
    m_LeadsTo.clear();
    // Without objects there is nothing to reach; the object file's own check
    // says why.
    if (objects.GetPlaced().empty())
        return;

    // What he reaches changes only where an end of his reach meets an end of
    // an object's stretch; one place between each two such points, and the
    // points themselves, cover every case.
    std::vector<float> points = {START_X, ROOM_A_X, ROOM_B_X, Player::kRoomARightBound,
                                 Player::kRoomBLeftBound};
    for (const ObjectFileCheck::Placed& placed : objects.GetPlaced())
    {
        for (float end : {placed.m_Object->m_ColStart, placed.m_Object->m_ColEnd})
        {
            points.push_back(end - Player::kReachLeft);
            points.push_back(end - Player::kReachRight);
        }
        m_LeadsTo[placed.m_Object] = LeadsTo(placed.m_Object);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    m_Places = {points.front() - 1.0f, points.back() + 1.0f};
    for (size_t i = 0; i < points.size(); ++i)
    {
        m_Places.push_back(points[i]);
        if (i + 1 < points.size())
            m_Places.push_back((points[i] + points[i + 1]) / 2.0f);
    }
    std::sort(m_Places.begin(), m_Places.end());

    // Room a has no wall on the left and room b none on the right: there the
    // hallways take him on.
    const float far = m_Places.back() + 1.0f;
    const Walked inA = WalkRoom('a', {START_X, ROOM_A_X}, -far, Player::kRoomARightBound);
    const Walked inB = WalkRoom('b', {ROOM_B_X}, Player::kRoomBLeftBound, far);

    for (char room : {'a', 'b'})
    {
        bool entered = false;
        for (const auto& leads : m_LeadsTo)
            entered = entered || leads.second == room;
        if (!entered)
            report->Add(ObjectFileCheck::kPath, std::string("no hallway leads into room ") + room);
    }
    for (const ObjectFileCheck::Placed& placed : objects.GetPlaced())
    {
        BaseObject* object = placed.m_Object;
        const char to = m_LeadsTo.at(object);
        if (to == 0 && m_Reached.count(object) == 0)
        {
            const char room = object->GetRoomLetter();
            report->Add(ObjectFileCheck::kPath, placed.m_Line,
                        Describe(object) + " can never be reached in room " + room + ": " +
                            WhyNotReached(object, room, room == 'a' ? inA : inB));
        }
        else if (to != 0 && m_HallwaysTaken.count(object) == 0)
        {
            const char from = to == 'a' ? 'b' : 'a';
            report->Add(ObjectFileCheck::kPath, placed.m_Line,
                        Describe(object) + " can never be reached from room " + from + ": " +
                            WhyNotReached(object, from, from == 'a' ? inA : inB));
        }
    }
}

RoomWalk::Walked RoomWalk::WalkRoom(char room, const std::vector<float>& starts, float low, float high)
{
    Walked walked;
    for (float start : starts)
    {
        const Stand there = StandAt(room, start);
        if (there.m_Room != room)
        {
            const BaseObject* hallway = HallwayOutAt(room, start);
            const std::string to(1, there.m_Room);
            const std::string what =
                start == START_X
                    ? "where the man starts (" + Reach(start, start) + "): the game opens in room " + to
                    : std::string("where the man arrives in room ") + room + " (" + Reach(start, start) +
                          "): it sends him straight back to room " + to;
            m_pReport->Add(ObjectFileCheck::kPath, m_pObjects->LineOf(hallway),
                           Describe(hallway) + " covers " + what);
            continue;
        }
        // From where he starts, leftwards and then rightwards, until a wall
        // stops him or a hallway takes him on.
        std::pair<float, float> stretch(start, start);
        const long first = std::lower_bound(m_Places.begin(), m_Places.end(), start) - m_Places.begin();
        for (int step : {-1, 1})
        {
            for (long i = step < 0 ? first - 1 : first; i >= 0 && i < long(m_Places.size()); i += step)
            {
                const float place = m_Places[i];
                if (place < low || place > high)
                    break;
                const Stand stand = StandAt(room, place);
                if (stand.m_Room != room)
                {
                    m_HallwaysTaken.insert(HallwayOutAt(room, place));
                    break;
                }
                m_Reached.insert(stand.m_Reach);
                stretch.first = std::min(stretch.first, place);
                stretch.second = std::max(stretch.second, place);
            }
        }
        walked.push_back(stretch);
    }
    return walked;
}

std::string RoomWalk::WhyNotReached(const BaseObject* object, char room, const Walked& walked)
{
    if (walked.empty())
        return std::string("the man cannot walk in room ") + room;
    float lowest = walked.front().first;
    float highest = walked.front().second;
    for (const std::pair<float, float>& stretch : walked)
    {
        lowest = std::min(lowest, stretch.first);
        highest = std::max(highest, stretch.second);
        for (float place : m_Places)
        {
            if (place < stretch.first || place > stretch.second || !Touches(object, place))
                continue;
            const BaseObject* cover = StandAt(room, place).m_Reach;
            if (cover != nullptr && cover != object)
                return Describe(cover) + " on line " + std::to_string(m_pObjects->LineOf(cover)) +
                       " comes first and covers it";
        }
    }
    // Out of his way: past a wall, or past where a hallway takes him on.
    if (std::min(object->m_ColStart, object->m_ColEnd) > highest + Player::kReachRight)
        return "the man reaches no further right than x " + Number(highest + Player::kReachRight) + " there";
    return "the man reaches no further left than x " + Number(lowest + Player::kReachLeft) + " there";
}

RoomWalk::Stand RoomWalk::StandAt(char room, float x)
{
    StateTest* play = StateTest::getInstance();
    play->SetRoom(room);
    m_Man.SetPos(x, START_Y);
    m_Man.Update(0.0f, 0);
    return Stand{play->GetRoom(), m_Man.GetCurrObj()};
}

char RoomWalk::LeadsTo(BaseObject* object)
{
    StateTest* play = StateTest::getInstance();
    for (char room : {'a', 'b'})
    {
        play->SetRoom(room);
        object->Contact();
        if (play->GetRoom() != room)
            return play->GetRoom();
    }
    return 0;
}

const BaseObject* RoomWalk::HallwayOutAt(char room, float x)
{
    for (const ObjectFileCheck::Placed& placed : m_pObjects->GetPlaced())
    {
        const char to = m_LeadsTo.at(placed.m_Object);
        if (to != 0 && to != room && Touches(placed.m_Object, x))
            return placed.m_Object;
    }
    return nullptr;
}

std::string RoomWalk::Describe(const BaseObject* object) const
{
    if (object == nullptr)
        return "a hallway";
    return object->GetName() + " [" + Number(object->m_ColStart) + ", " + Number(object->m_ColEnd) + "]";
}
