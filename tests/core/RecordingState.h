#ifndef FLATMATES_TESTS_CORE_RECORDINGSTATE_H
#define FLATMATES_TESTS_CORE_RECORDINGSTATE_H

#include "core/BaseState.h"
#include "core/GameMain.h"

#include <string>
#include <vector>

// A state that writes down every call it gets, and whether it was the
// current state at that moment.
class RecordingState : public BaseState
{
public:
    explicit RecordingState(std::string name, std::vector<std::string>* log)
        : m_Name(std::move(name)), m_pLog(log)
    {
    }

    void Enter() override { Note("Enter"); }
    bool Update(float dt) override
    {
        m_LastDt = dt;
        Note("Update");
        return true;
    }
    bool Render() override
    {
        Note("Render");
        return true;
    }
    void Exit() override { Note("Exit"); }
    void HandleInput(SDL_KeyboardEvent event) override
    {
        m_Inputs.push_back(event);
        Note("HandleInput");
    }

    std::vector<SDL_KeyboardEvent> m_Inputs;
    float m_LastDt = -1.0f;

private:
    void Note(const char* what)
    {
        const bool current = GameMain::getInstance()->GetState() == this;
        m_pLog->push_back(m_Name + "." + what + (current ? "" : " (not current)"));
    }

    std::string m_Name;
    std::vector<std::string>* m_pLog;
};

#endif
