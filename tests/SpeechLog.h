#ifndef FLATMATES_TESTS_SPEECHLOG_H
#define FLATMATES_TESTS_SPEECHLOG_H

#include "app/Program.h"
#include "app/SpeechListener.h"
#include "core/PlayObserver.h"

#include <string>
#include <vector>

// Hears every line the program's speech says, the moment it is said, as the
// sound log hears the mixer: it plugs the speech into the game as its
// observer. A fixture member, so the fixture's tear-down (which deletes the
// program) comes first.
class SpeechLog : public SpeechListener
{
public:
    SpeechLog()
    {
        Speech& speech = Program::getInstance()->GetSpeech();
        speech.SetListener(this);
        PlayObserver::Set(&speech);
    }

    // A line as "the toaster" or, for what came within reach, "reach the
    // toaster".
    void OnLine(const char* line, bool reach) override
    {
        m_Lines.push_back(std::string(reach ? "reach " : "") + line);
    }

    std::vector<std::string> m_Lines;
};

#endif
