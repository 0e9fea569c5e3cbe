#ifndef FLATMATES_OBJECTS_BASEOBJECT_H
#define FLATMATES_OBJECTS_BASEOBJECT_H

#include <string>

class Sprite;

// A household thing the man can use. The object file places it in a room and
// gives it the stretch of floor from which it is within reach. Every kind of
// object keeps its own sequence of steps for a use; the steps themselves (a
// caption, an icon swap, showing the picture, a sound) live here once.
class BaseObject
{
public:
    // Rooms as the object file gives them.
    enum
    {
        kRoomA = 0,
        kRoomB = 1
    };

    // How long a caption stays unless a use says otherwise.
    static constexpr float kCaptionSeconds = 3.0f;

    // Deletes the icon.
    virtual ~BaseObject();
    BaseObject(const BaseObject&) = delete;
    BaseObject& operator=(const BaseObject&) = delete;

    // Called when the man uses the object: the space bar is released while
    // the object is the one within his reach.
    virtual void HandleCollision() = 0;
    // Called every frame in which the man's reach overlaps the object and the
    // search for the object within reach passes it, in either room.
    virtual void Contact();

    void setColArea(float start, float end);
    const std::string& GetName() const { return m_Name; }
    // What the thing is called aloud ("the toaster"); the factory gives it
    // the name its table keeps beside the kind. Null until then.
    const char* GetSpokenName() const { return m_SpokenName; }
    void SetSpokenName(const char* name) { m_SpokenName = name; }
    // What is said after a use that leaves it on, or off: its state and
    // whatever else the use changed that the thing itself does not show.
    // Null when a use changes nothing to be told (the tomato, a passage).
    const char* GetSpokenState(bool on) const { return on ? m_SaidOn : m_SaidOff; }
    void SetSpokenStates(const char* on, const char* off)
    {
        m_SaidOn = on;
        m_SaidOff = off;
    }
    // The room letter the collision query compares: 'a' or 'b'.
    char GetRoomLetter() const { return m_Room == kRoomA ? 'a' : 'b'; }

    // Times used; the captions are chosen by it.
    int m_UseCount;
    // Switched on.
    bool m_On;
    // Fixed per kind of object; FindObj looks objects up by it.
    int m_Id;
    // Drawn at the top of the screen while the object is within reach; null
    // for the hallways. The object owns it and deletes it with itself.
    Sprite* m_Icon;
    // The object's switched-on look in the room; owned by the play state.
    Sprite* m_OnSprite;
    // kRoomA or kRoomB. Objects the object file gives no room (the hallways)
    // count as room a.
    int m_Room;
    // The stretch of floor, in screen x, from which the object is in reach.
    float m_ColStart;
    float m_ColEnd;

    // The icon the object shows while off (the one it starts with), or null
    // for objects without one.
    const char* GetOffIcon() const { return m_OffIcon; }

protected:
    // offIcon and onIcon are the icon pictures for the two states; either
    // may be null.
    BaseObject(int id, const char* name, const char* offIcon = nullptr, const char* onIcon = nullptr);

    // The steps a use is made of.

    // A spoken line at the foot of the screen, in the flatmate's voice.
    static void ShowCaption(const char* text, float seconds = kCaptionSeconds);
    // Shows the look of the object's state: the on icon and its picture in
    // the room when on, the off icon and no picture when off.
    void ShowLook();
    // Plays a sound effect once (loops extra times, -1 until halted), heard
    // from where the object stands beside the man. Returns the channel.
    int PlaySound(unsigned int id, int loops = 0) const;

private:
    // Loads another picture into the icon.
    void SwapIcon(const char* path);

    std::string m_Name;
    const char* m_OffIcon;
    const char* m_OnIcon;
    const char* m_SpokenName = nullptr;
    const char* m_SaidOn = nullptr;
    const char* m_SaidOff = nullptr;
};

#endif
