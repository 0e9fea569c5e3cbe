#ifndef FLATMATES_ACTORS_PLAYER_H
#define FLATMATES_ACTORS_PLAYER_H

#include "core/Platform.h"

#include <SDL.h>

class BaseObject;
class Recorder;
class Sprite;

// The man the user walks through the rooms. Every frame he reads the current
// key event, walks, plays or stops his footsteps, finds the household object
// within reach and uses it when the space bar is released.
class Player
{
public:
    // Walking speed in pixels per second.
    static constexpr float kSpeed = 80.0f;
    // His reach: the middle of his 128-pixel frame, x + 50 to x + 76.
    static constexpr float kReachLeft = 50.0f;
    static constexpr float kReachRight = 76.0f;
    // Where the rooms stop him: room b on the left, room a on the right.
    static constexpr float kRoomBLeftBound = -5.0f;
    static constexpr float kRoomARightBound = 900.0f;
    // Where the icon of the object within reach is drawn.
    static constexpr float kIconX = 450.0f;
    static constexpr float kIconY = 192.0f;

    Player();
    // A clone: a new player at the start point with its own copy of the
    // source's sprite (sharing the sheet), nothing else taken over.
    Player(const Player& source);
    Player& operator=(const Player&) = delete;
    ~Player();

    // One frame: input, walking, footsteps, reach, animation.
    int Update(float dt, LARGE_INTEGER now);
    // Draws the icon of the object within reach, then the man.
    int Render();
    // Applies one key event to walking, the animation and the use of objects.
    void HandleInput(const SDL_KeyboardEvent& event);

    // Takes the sprite; owned sprites are deleted with the player.
    void SetSprite(Sprite* sprite, bool owned);
    void SetPos(float x, float y);
    float GetX() const { return m_X; }
    float GetY() const { return m_Y; }
    // Restarts the playback of the player's recorder, if he has one.
    void ResetPlayback();

    float GetColLeft() const { return m_ColLeft; }
    float GetColRight() const { return m_ColRight; }
    BaseObject* GetCurrObj() const { return m_pCurrObj; }
    Sprite* GetSprite() const { return m_pSprite; }
    int GetStepChannel() const { return m_StepChannel; }
    bool IsMovingLeft() const { return m_MoveLeft; }
    bool IsMovingRight() const { return m_MoveRight; }

private:
    // A player without a sprite yet walks and uses objects unseen.
    void SetAnim(int anim);

    float m_ColLeft;
    float m_ColRight;
    BaseObject* m_pCurrObj;
    Sprite* m_pSprite;
    Recorder* m_pRecorder;
    bool m_OwnsSprite;
    int m_StepChannel;
    float m_X;
    float m_Y;
    float m_Speed;
    bool m_MoveLeft;
    bool m_MoveRight;
    bool m_PrevKeyDown;
    // Pressing into the end of the room, stopped there.
    bool m_AtWall = false;
};

#endif
