#ifndef FLATMATES_APP_SPEECH_H
#define FLATMATES_APP_SPEECH_H

#include "app/SpeechVoice.h"
#include "core/PlayObserver.h"

class SpeechListener;

// The game, said aloud, for a player who plays by ear: the thing within
// reach by its name, what each use did, the room he walks into, the wall he
// walks into, every caption as it comes up, and the program's own lines
// (pause, sound, the start and the end). A name is worth hearing only while
// its thing is in reach: it goes ahead of the lines waiting their turn, cuts
// off a name being said, and is dropped when its thing leaves reach. What a
// use did goes ahead too. Captions and the program's lines wait their turn.
// The last lines are kept to be heard again. Lines are kept in place, so
// that saying them allocates nothing.
class Speech : public PlayObserver
{
public:
    // The longest line kept; a longer caption is cut there.
    static const int kLineLength = SpeechVoice::kLongestLine;
    // Lines waiting their turn at most; past that the oldest goes.
    static const int kWaiting = 8;
    // Lines kept to be said again.
    static const int kKept = 10;

    void SetVoice(SpeechVoice* voice) { m_pVoice = voice; }
    void SetListener(SpeechListener* listener) { m_pListener = listener; }

    // Turned off, nothing more is said and what waits is forgotten.
    void SetOn(bool on);
    bool IsOn() const { return m_On; }
    // The voice's pace, SpeechVoice::kSlowest to kFastest.
    void SetRate(int rate);

    // A line of the program's own; it waits its turn.
    void Say(const char* line);
    // A line the player asked for: said at once, cutting off whatever is
    // being said; news of what he did or where he is cuts it off in turn.
    void Answer(const char* line);
    // The last line said again; asked again straight after, the one before
    // it, back to the tenth.
    void Repeat();
    // The last line, said at once, cutting off what is being said; waits
    // for it to be said, up to waitMs.
    void Finish(const char* line, unsigned waitMs);

    void OnReach(const BaseObject* object) override;
    void OnPassage(const BaseObject* passage, char room) override;
    void OnCaption(const std::string& text) override;
    void OnUse(const BaseObject* object, bool on) override;
    void OnDark(bool dark) override;
    void OnWall(char room, bool right) override;

    // Once a frame: gives the voice the next line when it has finished the
    // last one, and tells a change of the lights no use told.
    void Update();
    // Whether Update would give the voice a line now: one waits and the
    // voice is free. A paused game waits for this as for a key.
    bool HasLineDue() const;

    // What a room is called aloud.
    static const char* RoomName(char room);
    // Lines waiting their turn.
    int GetWaiting() const { return m_Count; }

private:
    // How soon a line must be heard, soonest first.
    enum class Kind
    {
        kNow,  // what a use did, the room entered
        kName, // the thing within reach, the wall met
        kTurn  // captions and the program's lines
    };

    struct Line
    {
        char m_Text[kLineLength];
        Kind m_Kind;
    };

    void Add(const char* text, Kind kind);
    // Drops the waiting name, if one waits.
    void DropName();
    // Gives the voice the first waiting line.
    void SayFirst();
    // The line was heard: it is the one a repeat says first.
    void Keep(const char* text);

    SpeechVoice* m_pVoice = nullptr;
    SpeechListener* m_pListener = nullptr;
    bool m_On = false;
    Line m_Lines[kWaiting] = {};
    int m_Count = 0;
    // What the line the voice was last given is.
    Kind m_Saying = Kind::kTurn;
    // A change of the lights waiting to be told with the use that made it:
    // 0 none, 1 dark, 2 lit.
    int m_Lights = 0;
    // The lines said last, m_Kept[m_Newest] the newest, and how far back
    // the next repeat goes.
    char m_Kept[kKept][kLineLength] = {};
    int m_KeptCount = 0;
    int m_Newest = 0;
    int m_Back = 0;
};

#endif
