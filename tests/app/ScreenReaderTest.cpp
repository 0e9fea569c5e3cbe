// The screen reader's question, asked of a stand-in for the desktop's
// accessibility status on a session bus of the test's own.

#include "app/ScreenReader.h"

#include <SDL.h>
#include <atomic>
#include <chrono>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace
{
enum class Says
{
    kNothing,
    kOn,
    kOff,
    kSilence
};
std::atomic<Says> g_Says{Says::kNothing};

// The stand-in answers every question put to it with what g_Says holds.
GDBusMessage* Answer(GDBusConnection* bus, GDBusMessage* question, gboolean incoming, gpointer)
{
    if (!incoming || g_dbus_message_get_message_type(question) != G_DBUS_MESSAGE_TYPE_METHOD_CALL)
        return question;
    if (g_Says != Says::kSilence)
    {
        GDBusMessage* reply = g_dbus_message_new_method_reply(question);
        g_dbus_message_set_body(reply, g_variant_new("(v)", g_variant_new_boolean(g_Says == Says::kOn)));
        g_dbus_connection_send_message(bus, reply, G_DBUS_SEND_MESSAGE_FLAGS_NONE, nullptr, nullptr);
        g_object_unref(reply);
    }
    g_object_unref(question);
    return nullptr;
}

TEST(ScreenReaderTest, OnlyAClearYesTurnsSpeechOn)
{
    // Never the desktop's own bus, where the stand-in would answer for the
    // player's real screen reader.
    GTestDBus* privateBus = g_test_dbus_new(G_TEST_DBUS_NONE);
    g_test_dbus_up(privateBus);
    const std::string bus = g_test_dbus_get_bus_address(privateBus);
    GDBusConnection* standIn = g_dbus_connection_new_for_address_sync(
        bus.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    ASSERT_NE(standIn, nullptr);
    g_dbus_connection_add_filter(standIn, Answer, nullptr, nullptr);
    const struct
    {
        Says says; // kNothing: nobody owns the status's name yet
        const char* address;
        bool on;
    } cases[] = {{Says::kNothing, bus.c_str(), false},
                 {Says::kOn, bus.c_str(), true},
                 {Says::kOff, bus.c_str(), false},
                 {Says::kSilence, bus.c_str(), false},
                 {Says::kOn, "unix:path=/nonexistent/bus", false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(&c - cases);
        g_Says = c.says;
        if (c.says != Says::kNothing)
            g_variant_unref(g_dbus_connection_call_sync(
                standIn, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                "RequestName", g_variant_new("(su)", "org.a11y.Bus", 0u), nullptr, G_DBUS_CALL_FLAGS_NONE, -1,
                nullptr, nullptr));
        g_setenv("DBUS_SESSION_BUS_ADDRESS", c.address, TRUE);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ScreenReader::IsOn(300), c.on);
        // A silent desktop costs the timeout, and no more.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

        // The answer usually comes before the game's window opens; a yes
        // must not be lost for that.
        {
            ScreenReader reader;
            reader.Ask(300);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        } // the answer is in, and pushed on a yes
        int events = 0;
        SDL_Event event;
        while (SDL_PollEvent(&event) == 1)
            events += event.type == SDL_USEREVENT && event.user.code == ScreenReader::kOnEvent;
        EXPECT_EQ(events, c.on ? 1 : 0);
        SDL_Quit();
    }
    g_object_unref(standIn);
    g_test_dbus_down(privateBus);
    g_object_unref(privateBus);
}
} // namespace
