#include "app/ScreenReader.h"

#include <SDL.h>
#include <chrono>
#include <cstdlib>
#include <gio/gio.h>
#include <string>

namespace
{

// How often the answer looks again whether the window is open yet.
const std::chrono::milliseconds kQueueLook(10);

// The session bus's address as the desktop gives it; else the bus a systemd
// session keeps beside its runtime files. Never D-Bus's autolaunch (what
// g_bus_get would try): the game must not start a bus of its own, or wait on
// one starting, just to ask.
std::string SessionBusAddress()
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr)
        return address;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || runtime[0] == '\0')
        return std::string();
    gchar* path = g_build_filename(runtime, "bus", nullptr);
    std::string found;
    if (g_file_test(path, G_FILE_TEST_EXISTS))
    {
        gchar* escaped = g_dbus_address_escape_value(path);
        found = std::string("unix:path=") + escaped;
        g_free(escaped);
    }
    g_free(path);
    return found;
}

// One question on its way: the connection, then the answer, each arriving in
// the asking thread's own main context.
struct Question
{
    GCancellable* m_pCancel;
    GDBusConnection* m_pConnection = nullptr;
    bool m_Done = false;
    bool m_On = false;
};

void Answered(GObject* source, GAsyncResult* result, gpointer data)
{
    Question* question = static_cast<Question*>(data);
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr);
    if (reply != nullptr)
    {
        GVariant* value = nullptr;
        g_variant_get(reply, "(v)", &value);
        question->m_On = g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
        g_variant_unref(value);
        g_variant_unref(reply);
    }
    question->m_Done = true;
}

void Connected(GObject*, GAsyncResult* result, gpointer data)
{
    Question* question = static_cast<Question*>(data);
    question->m_pConnection = g_dbus_connection_new_for_address_finish(result, nullptr);
    if (question->m_pConnection == nullptr)
    {
        question->m_Done = true;
        return;
    }
    // No auto-start: a screen reader that is on has started the
    // accessibility bus already; where it is not running, nobody is reading
    // the screen, and the game starts nothing to learn that.
    g_dbus_connection_call(
        question->m_pConnection, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Get",
        g_variant_new("(ss)", "org.a11y.Status", "ScreenReaderEnabled"), G_VARIANT_TYPE("(v)"),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, -1, question->m_pCancel, Answered, question);
}

gboolean GiveUp(gpointer cancel)
{
    g_cancellable_cancel(static_cast<GCancellable*>(cancel));
    return G_SOURCE_REMOVE;
}

} // namespace

ScreenReader::~ScreenReader()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Stop = true;
    }
    m_Stopped.notify_all();
    if (m_Thread.joinable())
        m_Thread.join();
}

bool ScreenReader::IsOn(unsigned timeoutMs)
{
    const std::string address = SessionBusAddress();
    if (address.empty())
        return false;

    // A context of this thread's own, so that nothing of the question runs
    // anywhere else, and one deadline for connecting and asking alike: a bus
    // that takes the connection and then says nothing is given up on too.
    GMainContext* context = g_main_context_new();
    g_main_context_push_thread_default(context);
    Question question;
    question.m_pCancel = g_cancellable_new();
    GSource* deadline = g_timeout_source_new(timeoutMs);
    g_source_set_callback(deadline, GiveUp, question.m_pCancel, nullptr);
    g_source_attach(deadline, context);

    g_dbus_connection_new_for_address(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, question.m_pCancel, Connected, &question);
    // A cancelled step still reports, so this ends by the deadline.
    while (!question.m_Done)
        g_main_context_iteration(context, TRUE);

    g_source_destroy(deadline);
    g_source_unref(deadline);
    if (question.m_pConnection != nullptr)
    {
        // A connection of the game's own (not the process's shared one), so
        // closing it leaves nothing open behind the question.
        g_dbus_connection_close_sync(question.m_pConnection, nullptr, nullptr);
        g_object_unref(question.m_pConnection);
    }
    g_object_unref(question.m_pCancel);
    g_main_context_pop_thread_default(context);
    g_main_context_unref(context);
    return question.m_On;
}

void ScreenReader::Ask(unsigned timeoutMs)
{
    if (m_Thread.joinable())
        return;
    m_Thread = std::thread(
        [this, timeoutMs]
        {
            if (IsOn(timeoutMs))
                PushOnEvent();
        });
}

void ScreenReader::PushOnEvent()
{
    SDL_Event event = {};
    event.type = SDL_USEREVENT;
    event.user.code = kOnEvent;
    // The bus usually answers before the game has opened its window, and
    // SDL drops events pushed before its queue is up: the answer waits for
    // the queue (and for room in it). A game done with the reader before its
    // window opened never will open one.
    std::unique_lock<std::mutex> lock(m_Mutex);
    for (;;)
    {
        if (SDL_WasInit(SDL_INIT_VIDEO) != 0 && SDL_PushEvent(&event) == 0)
            return;
        if (m_Stop)
            return;
        m_Stopped.wait_for(lock, kQueueLook);
    }
}
