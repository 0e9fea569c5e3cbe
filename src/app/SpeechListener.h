#ifndef FLATMATES_APP_SPEECHLISTENER_H
#define FLATMATES_APP_SPEECHLISTENER_H

// Hears every line the program would say, the moment it happens, whether
// speech is on or not: the browser page's live region, which screen readers
// read, and the tests' speech log.
class SpeechListener
{
public:
    virtual ~SpeechListener() = default;

    // A line was said (reach is true for what came within the man's reach).
    virtual void OnLine(const char* line, bool reach) = 0;
};

#endif
