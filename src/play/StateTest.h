#ifndef FLATMATES_PLAY_STATETEST_H
#define FLATMATES_PLAY_STATETEST_H

#include "actors/Recorder.h"
#include "core/BaseState.h"
#include "core/KeptToExit.h"
#include "core/Platform.h"

#include <SDL.h>
#include <list>

class Player;
class Sprite;

// The state the game is played in: the current room's picture, the scenery
// drawn over it (the household objects' pictures and the flatmate), the
// players, which room is current and whether the lights are off.
class StateTest : public BaseState
{
public:
    // The flatmate's place in room b; also the line that decides which way
    // she faces.
    static constexpr float kGirlX = 416.0f;
    // How long she talks after GirlTalk.
    static constexpr float kGirlTalkSeconds = 3.0f;

    // Her animations.
    enum
    {
        kGirlIdleRight = 0,
        kGirlTalkRight = 1,
        kGirlIdleLeft = 2,
        kGirlTalkLeft = 3
    };

    class UpdateSprites
    {
    public:
        explicit UpdateSprites(float dt) : m_Dt(dt) {}
        void operator()(Sprite* sprite) const;

    private:
        float m_Dt;
    };

    class RenderSprites
    {
    public:
        explicit RenderSprites(SDL_Surface* screen) : m_pScreen(screen) {}
        void operator()(Sprite* sprite) const;

    private:
        SDL_Surface* m_pScreen;
    };

    class DeleteSprites
    {
    public:
        void operator()(Sprite* sprite) const;
    };

    class SetDarkSprites
    {
    public:
        explicit SetDarkSprites(bool dark) : m_Dark(dark) {}
        void operator()(Sprite* sprite) const;

    private:
        bool m_Dark;
    };

    class UpdateClones
    {
    public:
        UpdateClones(float dt, LARGE_INTEGER now) : m_Dt(dt), m_Now(now) {}
        void operator()(Player* player) const;

    private:
        float m_Dt;
        LARGE_INTEGER m_Now;
    };

    class RenderClones
    {
    public:
        void operator()(Player* player) const;
    };

    class DeleteClones
    {
    public:
        void operator()(Player* player) const;
    };

    static StateTest* getInstance();

    ~StateTest() override;
    // Builds room a, the man, the flatmate, and starts the music.
    void Enter() override;
    bool Update(float dt) override;
    // The frame: room picture, flatmate's facing, scenery, players.
    bool Update(float dt, LARGE_INTEGER now) override;
    // Draws the room, the scenery in list order, then the players.
    bool Render() override;
    // Deletes what Enter built; the household objects' pictures stay.
    void Exit() override;
    // R calls the time jump.
    void HandleInput(SDL_KeyboardEvent event) override;

    // The current room's letter, 'a' or 'b' (0 before the state is entered).
    char GetRoom() const { return m_CurrentRoom; }
    // Adds a scenery sprite, drawn in the order added; the state owns it.
    void AddSprite(Sprite* sprite);
    // Takes a scenery sprite off the list; the caller owns it again. The game
    // never does: the tools that furnish the flat over and over clear it so.
    void RemoveSprite(Sprite* sprite);
    // Makes room current, loads its picture and puts the man at its door.
    void SetRoom(char room);
    // Darkens or lights the rooms.
    void SetRoomDark(bool dark);
    // The flatmate talks for three seconds.
    void GirlTalk();
    // The time-jump key's operation: it changes nothing.
    void TimeTravel();

    bool IsDark() const { return m_bDark; }
    Sprite* GetBackground() const { return m_pBackground; }
    Sprite* GetGirl() const { return m_pGirl; }
    Player* GetPlayer() const { return m_pPlayer; }
    const std::list<Sprite*>& GetSprites() const { return *m_Sprites; }
    const std::list<Player*>& GetClones() const { return *m_Clones; }
    bool IsPlayerOnRight() const { return m_bPlayerOnRight; }
    float GetGirlTalkTime() const { return m_fGirlTalkTime; }

private:
    StateTest();

    // Loads the current room's lit or dark picture into the background.
    void LoadRoomPicture();

    static StateTest m_Instance;

    Player* m_pPlayer;
    Recorder m_Recorder;
    bool m_bDark;
    char m_CurrentRoom;
    Sprite* m_pBackground;
    Sprite* m_pGirl;
    bool m_bPlayerOnRight;
    float m_fGirlTalkTime;

    // The game ends with the flat still built: what the lists hold stays
    // owned, not lost, until the process is gone.
    KeptToExit<std::list<Player*>> m_Clones;
    KeptToExit<std::list<Sprite*>> m_Sprites;
};

#endif
