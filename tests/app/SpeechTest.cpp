// The program's speech: lines wait their turn at the voice, and a thing
// within reach not yet said gives way to the next one.

#include "app/Speech.h"

#include "TestVoice.h"
#include "objects/SinkObj.h"
#include "objects/TomatoObj.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(SpeechTest, LinesWaitTheirTurnAndANewReachReplacesOneNotYetSaid)
{
    TestVoice voice;
    Speech speech;
    speech.SetVoice(&voice);
    TomatoObj tomato;
    tomato.SetSpokenName("the tomato");
    SinkObj sink;
    sink.SetSpokenName("the kitchen sink");

    speech.OnCaption("not said: speech is off");
    speech.SetOn(true);
    speech.OnCaption("Hey! I was listening to that!");
    speech.OnReach(&tomato);
    speech.Say("Paused");
    speech.OnReach(&sink);   // the tomato was not said yet: the sink instead
    speech.OnReach(nullptr); // walking away says nothing
    speech.OnCaption("Jerk!");
    for (int frame = 0; frame < 8; ++frame)
    {
        speech.Update();
        if (frame % 2 == 1)
            voice.m_Speaking = false; // each line takes two frames to say
    }
    EXPECT_EQ(
        (std::vector<std::string>{"Hey! I was listening to that!", "Paused", "the kitchen sink", "Jerk!"}),
        voice.m_Said);

    // Turned off, what waits is forgotten.
    speech.OnReach(&tomato);
    speech.SetOn(false);
    speech.SetOn(true);
    speech.Update();
    EXPECT_EQ(4u, voice.m_Said.size());
}
