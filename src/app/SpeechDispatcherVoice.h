#ifndef FLATMATES_APP_SPEECHDISPATCHERVOICE_H
#define FLATMATES_APP_SPEECHDISPATCHERVOICE_H

#include "app/SpeechVoice.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

// The desktop's voice: speech-dispatcher, the speech service screen readers
// use too. Talking to it can wait on its socket (and on starting it), so a
// thread of its own does, and a frame only leaves the next line there. The
// connection is made the first time speech is turned on; where no service
// answers, that is said once on stderr and lines are dropped.
class SpeechDispatcherVoice : public SpeechVoice
{
public:
    SpeechDispatcherVoice();
    // Stops the thread and closes the connection.
    ~SpeechDispatcherVoice() override;
    SpeechDispatcherVoice(const SpeechDispatcherVoice&) = delete;
    SpeechDispatcherVoice& operator=(const SpeechDispatcherVoice&) = delete;

    void Wake() override;
    void Say(const char* line) override;
    bool IsSpeaking() const override { return m_Speaking; }
    void Stop() override;
    void SetRate(int rate) override { m_Rate = rate; }

    // speech-dispatcher's word, on a thread of its own, that a line was said
    // to its end or cut off.
    void LineOver(size_t messageId);

private:
    void Run();
    bool Connect();

    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    bool m_Quit = false;
    bool m_Awake = false;
    bool m_Stop = false;
    bool m_HasLine = false;
    // The last line speech-dispatcher said was over; its numbers only grow.
    size_t m_LastOver = 0;
    char m_Line[kLongestLine] = {};
    std::atomic<bool> m_Speaking{false};
    // The pace asked for, and the one the service was last told.
    std::atomic<int> m_Rate{kUsualRate};
    int m_RateTold = kUsualRate;
    // speech-dispatcher's SPDConnection, kept out of this header (its own
    // header brings in half of glib).
    void* m_pConnection = nullptr;
    bool m_Failed = false;
    std::thread m_Thread;
};

#endif
