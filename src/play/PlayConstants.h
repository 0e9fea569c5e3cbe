#ifndef FLATMATES_PLAY_PLAYCONSTANTS_H
#define FLATMATES_PLAY_PLAYCONSTANTS_H

// Where the man stands when the game starts.
constexpr float START_X = 822.0f;
constexpr float START_Y = 320.0f;
// Where he is put on arriving in room a or room b.
constexpr float ROOM_A_X = 0.0f;
constexpr float ROOM_B_X = 900.0f;

#endif
