#ifndef FLATMATES_APP_SPEECH_H
#define FLATMATES_APP_SPEECH_H

#include "app/SpeechVoice.h"
#include "core/PlayObserver.h"

class SpeechListener;

// The game, said aloud, for a player who plays by ear: the thing that comes
// within reach by its name, the room he enters, every caption as it comes
// up, and the program's own lines (pause, sound, the start and the end).
// Each is said once, as it happens. Captions and the program's lines wait
// their turn; a new thing within reach replaces one not yet said, so that
// walking past things never leaves him listening to where he was. Lines are
// kept in place, so that saying them allocates nothing.
class Speech : public PlayObserver
{
public:
    // The longest line kept; a longer caption is cut there.
    static const int kLineLength = SpeechVoice::kLongestLine;
    // Lines waiting their turn at most; past that the oldest goes.
    static const int kWaiting = 8;

    void SetVoice(SpeechVoice* voice) { m_pVoice = voice; }
    void SetListener(SpeechListener* listener) { m_pListener = listener; }

    // Turned off, nothing more is said and what waits is forgotten.
    void SetOn(bool on);
    bool IsOn() const { return m_On; }

    // A line of the program's own; it waits its turn.
    void Say(const char* line);
    // The last line, said at once, cutting off what is being said; waits
    // for it to be said, up to waitMs.
    void Finish(const char* line, unsigned waitMs);

    void OnReach(const BaseObject* object) override;
    void OnPassage(const BaseObject* passage, char room) override;
    void OnCaption(const std::string& text) override;

    // Once a frame: gives the voice the next line when it has finished the
    // last one.
    void Update();
    // Whether Update would give the voice a line now: one waits and the
    // voice is free. A paused game waits for this as for a key.
    bool HasLineDue() const;

    // What a room is called aloud.
    static const char* RoomName(char room);
    // Lines waiting their turn.
    int GetWaiting() const { return m_Count; }

private:
    struct Line
    {
        char m_Text[kLineLength];
        bool m_Reach;
    };

    void Add(const char* text, bool reach);

    SpeechVoice* m_pVoice = nullptr;
    SpeechListener* m_pListener = nullptr;
    bool m_On = false;
    Line m_Lines[kWaiting] = {};
    int m_Count = 0;
};

#endif
