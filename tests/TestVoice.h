#ifndef FLATMATES_TESTS_TESTVOICE_H
#define FLATMATES_TESTS_TESTVOICE_H

#include "app/SpeechVoice.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A voice that is busy with each line until the test says it is done, and
// fails the test when it is handed a line while still saying one (a real
// voice would drop the one it was saying).
class TestVoice : public SpeechVoice
{
public:
    void Wake() override {}
    void Say(const char* line) override
    {
        EXPECT_FALSE(m_Speaking) << "\"" << line << "\" handed over while \"" << m_Said.back()
                                 << "\" was still being said";
        m_Said.push_back(line);
        m_Speaking = true;
    }
    bool IsSpeaking() const override { return m_Speaking; }
    void Stop() override { m_Speaking = false; }

    std::vector<std::string> m_Said;
    bool m_Speaking = false;
};

#endif
