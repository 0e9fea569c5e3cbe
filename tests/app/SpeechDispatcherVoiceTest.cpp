// The desktop's voice against a stand-in speech-dispatcher on a socket of the
// test's own, where SPEECHD_ADDRESS sends libspeechd.

#include "app/SpeechDispatcherVoice.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
// Answers every command as the service does and keeps the texts, paces and
// cancels it hears; a line goes on until the test ends it or it is cancelled.
struct StandIn
{
    std::recursive_mutex m_Mutex;
    std::vector<std::string> m_Asked;
    int m_Client = -1;
    int m_LastId = 0;

    std::vector<std::string> Asked()
    {
        std::lock_guard<std::recursive_mutex> lock(m_Mutex);
        return m_Asked;
    }
    void Send(const std::string& text) { send(m_Client, text.data(), text.size(), MSG_NOSIGNAL); }
    // Word that the last line is over (702) or cut off (703).
    void Event(const std::string& code, const char* what)
    {
        std::lock_guard<std::recursive_mutex> lock(m_Mutex);
        Send(code + "-" + std::to_string(m_LastId) + "\r\n" + code + "-1\r\n" + code + " " + what + "\r\n");
    }
    void Serve(int listener)
    {
        m_Client = accept(listener, nullptr, nullptr);
        FILE* in = fdopen(dup(m_Client), "r");
        char got[600];
        for (bool text = false; in != nullptr && std::fgets(got, sizeof(got), in) != nullptr;)
        {
            const std::string line(got, std::strcspn(got, "\r\n"));
            std::lock_guard<std::recursive_mutex> lock(m_Mutex);
            if (text && line == ".")
                Send("225-" + std::to_string(++m_LastId) + "\r\n225 OK MESSAGE QUEUED\r\n");
            else if (!text)
                Send(line == "speak" ? "230 OK RECEIVING DATA\r\n" : "200 OK\r\n");
            if ((text && line != ".") || line.rfind("SET SELF RATE", 0) == 0 || line == "CANCEL SELF")
                m_Asked.push_back(line);
            if (line == "CANCEL SELF")
                Event("703", "CANCELED");
            text = (text && line != ".") || line == "speak";
        }
        if (in != nullptr)
            std::fclose(in);
    }
};

template <typename Condition> bool WithinFiveSeconds(Condition condition)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return condition();
}

TEST(SpeechDispatcherVoiceTest, LinesAreHeldTillTheirEndCutOffAndPaced)
{
    char folder[] = "/tmp/flatmates-voice-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof(address.sun_path), "%s/speechd.sock", folder);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    setenv("SPEECHD_ADDRESS", (std::string("unix_socket:") + address.sun_path).c_str(), 1);
    StandIn service;
    std::thread serving(&StandIn::Serve, &service, listener);
    {
        SpeechDispatcherVoice voice;
        auto heard = [&](size_t count)
        { return WithinFiveSeconds([&] { return service.Asked().size() >= count; }); };
        auto quiet = [&] { return WithinFiveSeconds([&] { return !voice.IsSpeaking(); }); };
        voice.Wake();
        voice.Say("the toaster");
        EXPECT_TRUE(heard(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(voice.IsSpeaking()) << "the toaster is still being said";
        service.Event("702", "END");
        EXPECT_TRUE(quiet());
        voice.SetRate(SpeechVoice::kFastest);
        voice.Say("the kettle");
        EXPECT_TRUE(heard(3));
        // A new name cuts off the one being said, and is said itself.
        voice.Stop();
        voice.SetRate(SpeechVoice::kUsualRate);
        voice.Say("the radio");
        EXPECT_TRUE(heard(6));
        EXPECT_TRUE(voice.IsSpeaking()) << "the kettle cut off is not the radio's end";
        voice.Rest();
        EXPECT_TRUE(heard(7));
        EXPECT_TRUE(quiet());
        EXPECT_EQ(service.Asked(),
                  (std::vector<std::string>{"the toaster", "SET SELF RATE 70", "the kettle", "CANCEL SELF",
                                            "SET SELF RATE 0", "the radio", "CANCEL SELF"}));
        // The service stops hearing, then goes, as a line is handed over:
        // the line is lost, not the game.
        shutdown(service.m_Client, SHUT_RD);
        voice.Say("the sink");
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        shutdown(service.m_Client, SHUT_RDWR);
        EXPECT_TRUE(quiet());
    }
    shutdown(listener, SHUT_RDWR);
    serving.join();
    close(service.m_Client);
    close(listener);

    // No service, nor one to start there (a file stands where its folder
    // would be): the player is told once, and no line is held.
    std::fclose(std::fopen((std::string(folder) + "/file").c_str(), "w"));
    setenv("SPEECHD_ADDRESS", (std::string("unix_socket:") + folder + "/file/speechd.sock").c_str(), 1);
    testing::internal::CaptureStderr();
    {
        SpeechDispatcherVoice voice;
        voice.Wake();
        voice.Say("the fridge");
        EXPECT_TRUE(WithinFiveSeconds([&] { return !voice.IsSpeaking(); }));
        voice.Say("the sink");
        EXPECT_TRUE(WithinFiveSeconds([&] { return !voice.IsSpeaking(); }));
    }
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    unsetenv("SPEECHD_ADDRESS");
    std::filesystem::remove_all(folder);
}

} // namespace
