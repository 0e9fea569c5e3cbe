// The program's speech: a name is heard only while its thing is in reach,
// what a use did comes straight after it, captions wait their turn, and the
// last lines can be heard again.

#include "app/Speech.h"

#include "TestVoice.h"
#include "objects/LightSwitchObj1.h"
#include "objects/SinkObj.h"
#include "objects/TomatoObj.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(SpeechTest, NamesComeOnTimeUsesStraightAfterAndTheLastLinesAgain)
{
    TestVoice voice;
    Speech speech;
    speech.SetVoice(&voice);
    TomatoObj tomato;
    tomato.SetSpokenName("the tomato");
    SinkObj sink;
    sink.SetSpokenName("the kitchen sink");
    sink.SetSpokenStates("on", "off");
    LightSwitchObj1 light;
    light.SetSpokenStates("on", "off");
    // Each step, then the line the voice is saying after it ("" for none
    // new); the voice finishes a line only when a step says so.
    auto heard = [&voice]() { return voice.m_Said.empty() ? std::string() : voice.m_Said.back(); };

    speech.OnCaption("not said: speech is off");
    speech.SetOn(true);
    speech.OnCaption("Hey! I was listening to that!");
    speech.Update();
    speech.OnReach(&tomato); // a caption is never cut off: the name waits
    speech.Say("Paused");
    speech.OnReach(&sink); // the tomato, never said, gives way
    EXPECT_EQ("Hey! I was listening to that!", heard());
    voice.m_Speaking = false;
    speech.Update(); // the name goes ahead of the line waiting its turn
    EXPECT_EQ("the kitchen sink", heard());
    speech.OnReach(&tomato); // a name being said is cut off by the next
    EXPECT_EQ("the tomato", heard());
    speech.OnReach(nullptr); // walking away: nothing, and no name waits
    voice.m_Speaking = false;
    speech.Update();
    EXPECT_EQ("Paused", heard());
    speech.OnReach(&sink);
    speech.OnReach(nullptr); // the waiting name leaves reach with its thing
    speech.OnUse(&sink, true);
    speech.OnDark(true); // told with the use that made it
    speech.OnUse(&light, true);
    speech.OnUse(&tomato, true); // a use that changes nothing says nothing
    voice.m_Speaking = false;
    speech.Update();
    EXPECT_EQ("on", heard());
    voice.m_Speaking = false;
    speech.Update();
    EXPECT_EQ("on, the lights go out in the flat", heard());
    speech.OnDark(false); // by no use: said on its own
    voice.m_Speaking = false;
    speech.Update();
    EXPECT_EQ("the lights come on in the flat", heard());
    voice.m_Speaking = false;
    speech.OnReach(&sink);
    speech.Update();
    speech.OnPassage(&tomato, 'a'); // the room entered cuts off a name
    EXPECT_EQ("into the kitchen", heard());

    // The last line heard, then the one before, each at once.
    speech.Repeat();
    EXPECT_EQ("into the kitchen", heard());
    speech.Repeat();
    EXPECT_EQ("the kitchen sink", heard());
    speech.Answer("the kitchen, in the middle.");
    EXPECT_EQ("the kitchen, in the middle.", heard());
    speech.Repeat();
    EXPECT_EQ("the kitchen, in the middle.", heard());
    EXPECT_EQ((std::vector<std::string>{"Hey! I was listening to that!", "the kitchen sink", "the tomato",
                                        "Paused", "on", "on, the lights go out in the flat",
                                        "the lights come on in the flat", "the kitchen sink",
                                        "into the kitchen", "into the kitchen", "the kitchen sink",
                                        "the kitchen, in the middle.", "the kitchen, in the middle."}),
              voice.m_Said);

    // Turned off, what waits is forgotten.
    speech.Say("Resumed");
    speech.SetOn(false);
    speech.SetOn(true);
    voice.m_Speaking = false;
    speech.Update();
    EXPECT_EQ(13u, voice.m_Said.size());
}
