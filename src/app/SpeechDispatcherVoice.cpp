#include "app/SpeechDispatcherVoice.h"

#include "core/Words.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <libspeechd.h>
#include <string>

namespace
{

// A line takes no longer to say than this, however slow the voice: a
// service that never tells a line's end (one without a sound card, say)
// then holds each line this long, not for ever.
std::chrono::milliseconds LongestSaying(const char* line)
{
    return std::chrono::milliseconds(1500 + 120 * static_cast<long>(std::strlen(line)));
}

// How much faster or slower each step of the player's pace is, on
// speech-dispatcher's scale of -100 to 100.
const int kRateStep = 35;

// The voice speech-dispatcher's word goes to: one connection a program.
std::atomic<SpeechDispatcherVoice*> g_pConnected{nullptr};

void LineOverCallback(size_t messageId, size_t clientId, SPDNotificationType state)
{
    (void)clientId;
    (void)state;
    SpeechDispatcherVoice* voice = g_pConnected;
    if (voice != nullptr)
        voice->LineOver(messageId);
}

} // namespace

SpeechDispatcherVoice::SpeechDispatcherVoice() : m_Thread(&SpeechDispatcherVoice::Run, this) {}

SpeechDispatcherVoice::~SpeechDispatcherVoice()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Quit = true;
    }
    m_Changed.notify_all();
    m_Thread.join();
    if (m_pConnection != nullptr)
        spd_close(static_cast<SPDConnection*>(m_pConnection));
    SpeechDispatcherVoice* self = this;
    g_pConnected.compare_exchange_strong(self, nullptr);
}

void SpeechDispatcherVoice::Wake()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Awake = true;
    }
    m_Changed.notify_all();
}

void SpeechDispatcherVoice::Say(const char* line)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        std::strncpy(m_Line, line, kLongestLine - 1);
        m_Line[kLongestLine - 1] = '\0';
        m_HasLine = true;
        m_Speaking = true;
    }
    m_Changed.notify_all();
}

void SpeechDispatcherVoice::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_HasLine = false;
        m_Stop = true;
    }
    m_Changed.notify_all();
}

void SpeechDispatcherVoice::LineOver(size_t messageId)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        if (messageId > m_LastOver)
            m_LastOver = messageId;
    }
    m_Changed.notify_all();
}

bool SpeechDispatcherVoice::Connect()
{
    if (m_pConnection != nullptr || m_Failed)
        return m_pConnection != nullptr;
    char* error = nullptr;
    // The service is started if it is installed and not running yet.
    SPDConnection* connection =
        spd_open2("flatmates", "main", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
    if (connection == nullptr)
    {
        m_Failed = true;
        std::fprintf(
            stderr, "flatmates: %s\n",
            Words::Fill(_("no speech: speech-dispatcher does not answer (%s); playing on without it"),
                        error != nullptr ? error : _("no reason given"))
                .c_str());
        std::free(error);
        return false;
    }
    g_pConnected = this;
    connection->callback_end = LineOverCallback;
    connection->callback_cancel = LineOverCallback;
    spd_set_notification_on(connection, SPD_END);
    spd_set_notification_on(connection, SPD_CANCEL);
    // The voice speaks the language the game is played in ("pt_BR" as
    // "pt-BR").
    std::string language = Words::Language();
    std::replace(language.begin(), language.end(), '_', '-');
    spd_set_language(connection, language.c_str());
    m_pConnection = connection;
    return true;
}

void SpeechDispatcherVoice::Run()
{
    // libspeechd writes to the service's socket as to any file: were the
    // service to go away as a line is handed over, the signal for the broken
    // connection would end the whole game. On this thread (and on the reader
    // libspeechd starts from it) the write only fails, and the line is lost.
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
    std::unique_lock<std::mutex> lock(m_Mutex);
    for (;;)
    {
        m_Changed.wait(lock, [this]
                       { return m_Quit || m_Stop || m_HasLine || (m_Awake && !m_Failed && !m_pConnection); });
        if (m_Quit)
            return;
        const bool stop = m_Stop;
        m_Stop = false;
        char line[kLongestLine];
        const bool hasLine = m_HasLine;
        if (hasLine)
            std::memcpy(line, m_Line, sizeof(line));
        m_HasLine = false;
        lock.unlock();

        const bool connected = Connect();
        int said = -1;
        SPDConnection* connection = static_cast<SPDConnection*>(m_pConnection);
        if (connected && stop)
            spd_cancel(connection);
        if (connected && hasLine && m_Rate != m_RateTold)
        {
            // speech-dispatcher's pace runs from -100 to 100, 0 its own.
            m_RateTold = m_Rate;
            spd_set_voice_rate(connection, (m_RateTold - kUsualRate) * kRateStep);
        }
        if (connected && hasLine)
            said = spd_say(connection, SPD_TEXT, line);

        lock.lock();
        // Until this line is over; word of an earlier one cut off may come
        // after it started.
        if (said >= 0)
            m_Changed.wait_for(lock, LongestSaying(line),
                               [this, said]
                               { return m_LastOver >= static_cast<size_t>(said) || m_Quit || m_Stop; });
        m_Speaking = m_HasLine;
    }
}
