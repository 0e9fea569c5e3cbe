#ifndef FLATMATES_BENCH_BENCHSUPPORT_H
#define FLATMATES_BENCH_BENCHSUPPORT_H

// What the benchmark programs share: the game started as the game starts it,
// the busy scene they measure, the floor every frame has to pay for, and the
// report lines that `make bench` prints.

#include "core/Platform.h"

#include <SDL.h>
#include <string>
#include <vector>

namespace bench
{

// Frame time handed to the game in the benchmarks: a steady 60 frames a
// second, so that every run walks and animates the same way.
constexpr float kFrameTime = 1.0f / 60.0f;

// Moves into the repository (for assets/) and starts the game as its main
// function does: libraries, object file, fonts, sound, window, play state.
void StartGame();

// The busiest ordinary frame: room b, lit, the flatmate, every switched-on
// picture shown, two captions up and the man walking right past the objects.
void SetUpBusyScene();

// Queues a key press or release for the game's next frame.
void PushKey(Uint8 type, SDLKey sym);

// One game frame as the frame loop runs it.
void GameFrame(LARGE_INTEGER now, float dt);
// One frame of the busy scene at the steady frame time. Keeps the man
// walking inside room b: before he reaches the hallway he is put back.
void BusyFrame(LARGE_INTEGER now);

// What any frame here must do and nothing more: clear the top 600 rows, blit
// one 1024x280 picture already in the screen's format, flip.
class Floor
{
public:
    // Makes the picture; the window must already be open.
    explicit Floor(SDL_Surface* screen);
    ~Floor();
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;

    void Frame();

private:
    SDL_Surface* m_pScreen;
    SDL_Surface* m_pPicture;
};

// Seconds of a steady monotonic clock.
double Now();
double Median(std::vector<double> values);

// One figure line: name, value with unit, target and whether it holds.
void Report(const std::string& name, double value, const char* unit, const std::string& target, bool holds);
// A figure without a target.
void Note(const std::string& name, double value, const char* unit);

} // namespace bench

#endif
