#ifndef FLATMATES_CORE_PLAYOBSERVER_H
#define FLATMATES_CORE_PLAYOBSERVER_H

#include <string>

class BaseObject;

// Told what the game shows as it happens, for whoever says it another way
// (the program's speech, a test's log). The game plays the same with none.
class PlayObserver
{
public:
    virtual ~PlayObserver() = default;

    // What is within the man's reach changed; null when nothing is.
    virtual void OnReach(const BaseObject* object) = 0;
    // A passage carried him into the room ('a' or 'b').
    virtual void OnPassage(const BaseObject* passage, char room) = 0;
    // A caption came up with this text, whoever says it.
    virtual void OnCaption(const std::string& text) = 0;
    // The man used the object; on is its state after the use.
    virtual void OnUse(const BaseObject* object, bool on) = 0;
    // The flat went dark (true) or was lit again (false).
    virtual void OnDark(bool dark) = 0;
    // He walked into the end of the room ('a' or 'b'): its right wall or its
    // left.
    virtual void OnWall(char room, bool right) = 0;

    // The one observer, or null.
    static PlayObserver* Get() { return m_pObserver; }
    static void Set(PlayObserver* observer) { m_pObserver = observer; }

private:
    static PlayObserver* m_pObserver;
};

#endif
