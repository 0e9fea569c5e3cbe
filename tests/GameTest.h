#ifndef FLATMATES_TESTS_GAMETEST_H
#define FLATMATES_TESTS_GAMETEST_H

// The game keeps its state in singletons that live as long as the process.
// A test case that touches them derives its fixture from GameTest, which
// ends every case with the game as a fresh process has it: a test program
// then passes whole, shuffled or repeated, not only one case per process.

#include "app/Program.h"
#include "audio/SoundManager.h"
#include "core/EventHandler.h"
#include "core/GameMain.h"
#include "gfx/FontRender.h"
#include "gfx/Sprite.h"
#include "objects/CollisionSystem.h"
#include "play/StateTest.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <limits>
#include <list>

namespace testsupport
{

// Takes every household object and every scenery sprite out of the flat
// and deletes them. Scenery sprites must be the play state's own (made with
// new): a case that lends it one of its own takes it back itself.
inline void EmptyFlat()
{
    StateTest* play = StateTest::getInstance();
    const std::list<Sprite*> scenery = play->GetSprites();
    for (Sprite* sprite : scenery)
    {
        play->RemoveSprite(sprite);
        delete sprite;
    }
    CollisionSystem::getInstance()->CleanUp();
}

// Empties every singleton of the game, deleting what each owns, then shuts
// the libraries down.
inline void ResetGame()
{
    // Captions first: each holds a font, which must be closed while the
    // font library is still up.
    FontRender::getInstance()->Update(std::numeric_limits<float>::max());
    // The program around the game: the pause, the settings, the notices,
    // unplugged from the door and the picture.
    Program::ResetInstance();

    StateTest* play = StateTest::getInstance();
    play->Exit();
    EmptyFlat();
    play->SetRoomDark(false);
    play->SetRoom(0);
    SoundManager::getInstance()->SetObserver(nullptr);
    SoundManager::getInstance()->Quit();
    GameMain::getInstance()->Reset();
    EventHandler::getInstance()->Reset();
    // Events a case queued and never played are not the next case's.
    SDL_Event leftover;
    while (SDL_PollEvent(&leftover) != 0)
    {
    }

    // Cases may have opened the mixer or the font library themselves too.
    while (Mix_QuerySpec(nullptr, nullptr, nullptr) != 0)
        Mix_CloseAudio();
    while (TTF_WasInit() != 0)
        TTF_Quit();
    SDL_Quit();
}

class GameTest : public testing::Test
{
protected:
    // A fixture with a TearDown of its own calls this one last.
    void TearDown() override { ResetGame(); }
};

} // namespace testsupport

#endif
