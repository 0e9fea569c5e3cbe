#ifndef FLATMATES_APP_SPEECHVOICE_H
#define FLATMATES_APP_SPEECHVOICE_H

// Where the program's spoken lines are heard: the desktop's speech service,
// or the browser's speech synthesis. It says one line at a time and never
// makes a frame wait for it.
class SpeechVoice
{
public:
    // The longest line, in bytes with its end, a voice is given: every line
    // the program makes fits whole, the start's with the longest key names
    // among them.
    static const int kLongestLine = 512;
    // How fast a voice speaks, as the settings choose: kSlowest to
    // kFastest, kUsualRate being the voice's own pace.
    static const int kSlowest = 1;
    static const int kUsualRate = 3;
    static const int kFastest = 5;

    virtual ~SpeechVoice() = default;

    // Speech was turned on: the voice gets ready, and one that cannot speak
    // says why once, on stderr.
    virtual void Wake() = 0;
    // Starts saying the line; returns at once.
    virtual void Say(const char* line) = 0;
    // Whether the last line given is still being said.
    virtual bool IsSpeaking() const = 0;
    // Stops what is being said; speech stays on.
    virtual void Stop() = 0;
    // Speech was turned off: stops what is being said, and says nothing more
    // until woken.
    virtual void Rest() { Stop(); }
    // The pace of every line from now on (kSlowest to kFastest).
    virtual void SetRate(int rate) { (void)rate; }
};

#endif
