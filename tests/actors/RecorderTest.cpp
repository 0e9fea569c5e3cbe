#include "actors/Recorder.h"

#include <gtest/gtest.h>

namespace
{

SDL_KeyboardEvent Key(Uint8 type, SDLKey sym)
{
    SDL_KeyboardEvent key{};
    key.type = type;
    key.keysym.sym = sym;
    return key;
}

// Records left-down at 10, left-down again at 5, left-up at 3.
void RecordTwoEntries(Recorder& recorder)
{
    recorder.RecordInput(Key(SDL_KEYDOWN, SDLK_LEFT), 10);
    recorder.RecordInput(Key(SDL_KEYDOWN, SDLK_LEFT), 5);
    recorder.RecordInput(Key(SDL_KEYUP, SDLK_LEFT), 3);
}

} // namespace

TEST(Recorder, RepeatsOfTheOldestEntryAreFoldedIntoTheNextInterval)
{
    Recorder recorder;
    RecordTwoEntries(recorder);
    ASSERT_EQ(2u, recorder.GetEvents().size());
    EXPECT_EQ(10, recorder.GetEvents().front().second);
    EXPECT_EQ(8, recorder.GetEvents().back().second);
    EXPECT_EQ(0, recorder.GetElapsed());

    // Compared with the oldest entry (a key-down), a second key-up differs.
    recorder.RecordInput(Key(SDL_KEYUP, SDLK_LEFT), 2);
    ASSERT_EQ(3u, recorder.GetEvents().size());
    EXPECT_EQ(2, recorder.GetEvents().back().second);

    // A key-down of the oldest entry's key is a repeat: its ticks wait.
    recorder.RecordInput(Key(SDL_KEYDOWN, SDLK_LEFT), 7);
    EXPECT_EQ(3u, recorder.GetEvents().size());
    EXPECT_EQ(7, recorder.GetElapsed());
    recorder.RecordInput(Key(SDL_KEYDOWN, SDLK_RIGHT), 1);
    EXPECT_EQ(8, recorder.GetEvents().back().second);
}

TEST(Recorder, PlaysEachEntryForItsOwnIntervalThenEnds)
{
    Recorder recorder;
    RecordTwoEntries(recorder);

    const SDLKey expected[] = {SDLK_LEFT, SDLK_LEFT, SDLK_LEFT, SDLK_LEFT, SDLK_LEFT};
    const Uint8 types[] = {SDL_KEYDOWN, SDL_KEYDOWN, SDL_KEYUP, SDL_KEYUP, SDL_KEYUP};
    for (int call = 0; call < 5; ++call)
    {
        Recorder::Entry* entry = recorder.PlayBack(4);
        ASSERT_NE(nullptr, entry) << "call " << call + 1;
        EXPECT_EQ(expected[call], entry->first.keysym.sym);
        EXPECT_EQ(types[call], entry->first.type) << "call " << call + 1;
    }
    EXPECT_EQ(nullptr, recorder.PlayBack(4));
    EXPECT_EQ(nullptr, recorder.PlayBack(400));

    // Reset starts again at the first entry with a fresh count.
    recorder.ResetPlayback();
    EXPECT_EQ(SDL_KEYDOWN, recorder.PlayBack(4)->first.type);
}

TEST(Recorder, ALongCallPassesAtMostOneEntryAndDropsTheOvershoot)
{
    Recorder recorder;
    RecordTwoEntries(recorder);
    // 100 ticks pass the first entry only; the second is handed out.
    Recorder::Entry* entry = recorder.PlayBack(100);
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ(SDL_KEYUP, entry->first.type);
    // The overshoot is not carried into the second entry's interval.
    entry = recorder.PlayBack(1);
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ(SDL_KEYUP, entry->first.type);
    EXPECT_EQ(nullptr, recorder.PlayBack(100));
}

TEST(Recorder, EmptyOrClearedRecordersPlayNothing)
{
    Recorder fresh;
    EXPECT_EQ(nullptr, fresh.PlayBack(1));
    EXPECT_EQ(nullptr, fresh.PlayBack(1000));

    Recorder recorder;
    RecordTwoEntries(recorder);
    recorder.RecordInput(Key(SDL_KEYDOWN, SDLK_RIGHT), 9);
    recorder.Clear();
    EXPECT_TRUE(recorder.GetEvents().empty());
    // Recording after a clear counts from the clear.
    recorder.RecordInput(Key(SDL_KEYDOWN, SDLK_SPACE), 6);
    EXPECT_EQ(6, recorder.GetEvents().front().second);

    // Playback after a clear never follows the discarded entries.
    recorder.PlayBack(4);
    recorder.Clear();
    EXPECT_EQ(nullptr, recorder.PlayBack(1));
}
