// The game's entry in a browser page. The page must get control back after
// every frame to show it and to hand over the keys, so the loop cannot
// block: the browser calls the frame once per display refresh, which also
// paces the frames. The page starts the game (callMain) on the first key
// press or click, when the browser allows sound.

#include "app/CommandLine.h"
#include "app/GameLoop.h"

#include <emscripten.h>

namespace
{

GameLoop g_Loop;

void BrowserFrame()
{
    g_Loop.Frame();
}

} // namespace

int main(int argc, char* argv[])
{
    CommandLine line;
    const int answered = line.Answer(argc, argv);
    if (answered != CommandLine::kPlay)
        return answered;

    g_Loop.Start(line);
    // Rate 0: the browser's own pace. The last argument makes this call
    // never return, as the desktop's loop never does.
    emscripten_set_main_loop(BrowserFrame, 0, 1);
}
