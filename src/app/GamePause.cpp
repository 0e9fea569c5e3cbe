#include "app/GamePause.h"

#include "audio/SoundManager.h"
#include "core/GameMain.h"

GamePause::~GamePause()
{
    Resume();
}

bool GamePause::IsPaused() const
{
    return GameMain::getInstance()->IsPaused();
}

bool GamePause::Toggle()
{
    m_ByFocus = false;
    if (IsPaused())
    {
        Resume();
        return true;
    }
    Pause();
    return false;
}

void GamePause::FocusLost()
{
    if (IsPaused())
        return;
    Pause();
    m_ByFocus = true;
}

bool GamePause::FocusBack()
{
    if (!m_ByFocus)
        return false;
    m_ByFocus = false;
    Resume();
    return true;
}

void GamePause::Pause()
{
    if (IsPaused())
        return;
    GameMain::getInstance()->SetPaused(true);
    SoundManager::getInstance()->PauseAll();
}

void GamePause::Resume()
{
    if (!IsPaused())
        return;
    GameMain::getInstance()->SetPaused(false);
    SoundManager::getInstance()->ResumeAll();
}
