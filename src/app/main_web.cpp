// The game's entry in a browser page. The page must get control back after
// every frame to show it and to hand over the keys, so the loop cannot
// block: the browser calls the frame once per display refresh, which also
// paces the frames. The page starts the game (callMain) on the first key
// press, click or tap, when the browser allows sound.
//
// What the page adds to the keyboard comes in through the functions below:
// its touch controls and the browser's gamepad reach the game as the keys
// and pad readings the desktop knows, through the same door, so nothing
// downstream can tell them apart.

#include "app/CommandLine.h"
#include "app/GameLoop.h"
#include "app/Program.h"
#include "app/SpeechListener.h"
#include "app/SpeechVoice.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "core/Words.h"

#include <emscripten.h>

namespace
{

GameLoop g_Loop;

void BrowserFrame()
{
    g_Loop.Frame();
}

// The page's controls, by their number: walk left, walk right, use, pause,
// sound on and off.
const SDLKey kPageKeys[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_SPACE, SDLK_p, SDLK_m};

// The page's voice: the browser's own speech synthesis (Module.speech, in
// the page), one line at a time. While it is on, it alone says the lines:
// the page's live region keeps quiet, so a screen reader's voice does not
// say each line over it. Each line goes with the language it is in, the
// one the game plays in, so that the voice pronounces it in that language
// and the screen reader reads it so.
class PageVoice : public SpeechVoice
{
public:
    void Wake() override { EM_ASM(Module.speech.wake()); }
    void Say(const char* line) override
    {
        EM_ASM({ Module.speech.say(UTF8ToString($0), UTF8ToString($1)); }, line, Words::Language().c_str());
    }
    bool IsSpeaking() const override { return EM_ASM_INT(return Module.speech.speaking() ? 1 : 0) != 0; }
    void Stop() override { EM_ASM(Module.speech.stop()); }
    void Rest() override { EM_ASM(Module.speech.rest()); }
    void SetRate(int rate) override
    {
        EM_ASM({ Module.speech.rate($0); }, rate);
    }
};

// Every line, as it happens, goes to the page, which gives it to its live
// region (screen readers read it) while the page's voice is not saying it.
class PageLiveRegion : public SpeechListener
{
public:
    void OnLine(const char* line, bool reach) override
    {
        (void)reach;
        EM_ASM({ Module.speech.heard(UTF8ToString($0), UTF8ToString($1)); }, line, Words::Language().c_str());
    }
};

PageVoice g_Voice;
PageLiveRegion g_LiveRegion;

} // namespace

extern "C"
{

    // One of the page's controls pressed (1) or let go (0).
    EMSCRIPTEN_KEEPALIVE void flatmates_key(int pressed, int control)
    {
        if (control >= 0 && control < static_cast<int>(sizeof(kPageKeys) / sizeof(kPageKeys[0])))
            EventHandler::PushKey(pressed != 0, kPageKeys[control]);
    }

    // The browser's gamepad as the page reads it once a frame (the standard
    // layout): the d-pad's left and right, the left stick's x from -32768 to
    // 32767, the first button and Start. All zero when it is gone: what it
    // held is let go.
    EMSCRIPTEN_KEEPALIVE void flatmates_pad(int left, int right, int stickX, int use, int start)
    {
        PadInput::Reading reading;
        reading.hat = static_cast<Uint8>((left != 0 ? SDL_HAT_LEFT : 0) | (right != 0 ? SDL_HAT_RIGHT : 0));
        reading.stickX = static_cast<Sint16>(stickX < -32768 ? -32768 : (stickX > 32767 ? 32767 : stickX));
        reading.use = use != 0;
        reading.start = start != 0;
        reading.ms = SDL_GetTicks();
        Program::getInstance()->GetPad().Feed(reading);
    }

    // The page hidden (0) or shown again (1): the game pauses, and its
    // sound with it, at once, as when the desktop window loses its focus;
    // the browser runs no frames while the page is hidden. The controls the
    // page let go of on hiding wait in the queue, so the return waits behind
    // them: they reach the game still paused, as on the desktop, and a use
    // held over the hiding is not made on the way back.
    EMSCRIPTEN_KEEPALIVE void flatmates_shown(int shown)
    {
        SDL_Event event{};
        event.type = SDL_ACTIVEEVENT;
        event.active.type = SDL_ACTIVEEVENT;
        event.active.gain = shown != 0 ? 1 : 0;
        event.active.state = SDL_APPACTIVE;
        if (shown != 0)
            SDL_PushEvent(&event);
        else
            Program::getInstance()->Take(event);
    }

    // Seconds of play so far, for the page's figures.
    EMSCRIPTEN_KEEPALIVE float flatmates_play_time()
    {
        return GameMain::getInstance()->GetElapsedTime();
    }
}

int main(int argc, char* argv[])
{
    CommandLine line;
    const int answered = line.Answer(argc, argv);
    if (answered != CommandLine::kPlay)
        return answered;

    Program::getInstance()->SetVoice(&g_Voice);
    Program::getInstance()->GetSpeech().SetListener(&g_LiveRegion);
    g_Loop.Start(line);
    // The page reads the browser's gamepad itself, in its standard layout,
    // at any time in the visit (browsers announce a pad only after its first
    // press); a pad the page's SDL found at the start is not read twice.
    Program::getInstance()->GetPad().Close();
    // Rate 0: the browser's own pace. The last argument makes this call
    // never return, as the desktop's loop never does.
    emscripten_set_main_loop(BrowserFrame, 0, 1);
}
