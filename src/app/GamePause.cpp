#include "app/GamePause.h"

#include "audio/SoundManager.h"

GamePause* GamePause::m_pInstance = nullptr;

GamePause* GamePause::getInstance()
{
    if (m_pInstance == nullptr)
        m_pInstance = new GamePause();
    return m_pInstance;
}

void GamePause::ResetInstance()
{
    if (m_pInstance != nullptr)
        m_pInstance->Resume();
    delete m_pInstance;
    m_pInstance = nullptr;
}

void GamePause::Pause()
{
    if (m_Paused)
        return;
    m_Paused = true;
    m_Resumed = false;
    SoundManager::getInstance()->PauseAll();
}

void GamePause::Resume()
{
    if (!m_Paused)
        return;
    m_Paused = false;
    m_Resumed = true;
    SoundManager::getInstance()->ResumeAll();
}

void GamePause::Toggle()
{
    if (m_Paused)
        Resume();
    else
        Pause();
}

bool GamePause::TakeResumed()
{
    const bool resumed = m_Resumed;
    m_Resumed = false;
    return resumed;
}
