// The content checker: silent on the game's own content, and every fault
// seeded into a copy of the content reported once, with its file and line.

#include "check/ContentCheck.h"

#include "TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

namespace fs = std::filesystem;

// The report of the content under folder, one problem a line.
std::vector<std::string> Check(const std::string& folder)
{
    if (chdir(folder.c_str()) != 0)
        return {"cannot enter " + folder};
    std::ostringstream printed;
    ContentCheck::Run().Print(printed);
    std::vector<std::string> lines;
    std::istringstream in(printed.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(ContentCheckTest, OurContentIsClean)
{
    EXPECT_EQ(std::vector<std::string>{}, Check(FLATMATES_SOURCE_DIR));
}

// The game's object file, with its last record given as last.
std::string ObjectFile(const std::string& first, const std::string& last)
{
    return first +
           "35 95 Sink a #\n150 205 Toaster a #\n215 250 Outlet4 a #\n335 385 Drink a #\n"
           "570 620 Tomato a #\n130 170 Clock b #\n280 316 LightSwitch1 b #\n536 566 Lamp b #\n"
           "570 592 Outlet1 b #\n600 650 Outlet3 b #\n684 730 Pills b #\n800 985 Outlet2 b #\n" +
           last;
}

struct Damage
{
    const char* m_Path;
    // The file's new text; null removes the file, and "huge" makes it a
    // picture too large for the game.
    const char* m_Text;
};

struct DamagedCopy
{
    std::vector<Damage> m_Damage;
    // The report, in order; a line ending in "..." matches any ending.
    std::vector<std::string> m_Report;
};

const std::string kObjectsSeveralFaults = "-60 0 Hallway1 a #\n"
                                          "35 95 Sink a #\n"
                                          "40 90 Drink a #\n"
                                          "30 100 Fridge a #\n"
                                          "150 205 Toaster a #\n"
                                          "215 2l5 Outlet4 a #\n"
                                          "570 620 Tomato a #\n"
                                          "130 170 Clock B #\n"
                                          "280 316 LightSwitch1 b #\n"
                                          "536 566 Lamp b #\n"
                                          "570 592 Outlet1 b #\n"
                                          "600 650 Outlet3 b #\n"
                                          "730 684 Pills b #\n"
                                          "800 985 Outlet2 b #\n"
                                          "1000 1100 Hallway2 b #eof\n"
                                          "5000 5100 Lamp b #\n";
const std::string kObjectsBounceAndCutShort = ObjectFile("40 60 Hallway1 a #\n", "1000 1100 Hallway2\n");
const std::string kObjectsHallwayAwayAndNoEnd =
    ObjectFile("-60 0 Hallway1 a #\n", "-300 -200 Hallway2 b #\n");
const std::string kObjectsNoWayBack = ObjectFile("-60 0 Hallway1 a #\n", "400 420 Door b #eof\n");
// Our fourteen records, then doors up to the game's limit and one more.
std::string TooManyRecords()
{
    std::string text = ObjectFile("-60 0 Hallway1 a #\n", "1000 1100 Hallway2 b #\n");
    for (int record = 15; record <= 1000; ++record)
        text += "400 420 Door a #\n";
    return text + "400 420 Door a #eof\n";
}
const std::string kObjectsTooMany = TooManyRecords();
// Quirks the game reads as meant: a byte-order mark, Windows line ends,
// tabs, two records on a line, a door.
const std::string kObjectsQuirks = "\xEF\xBB\xBF-60 0 Hallway1 a #\r\n35\t95 Sink a #\r\n"
                                   "150 205 Toaster a # 215 250 Outlet4 a #\r\n335 385 Drink a #\r\n"
                                   "400 420 Door a #\r\n570 620 Tomato a #\r\n130 170 Clock b #\r\n"
                                   "280 316 LightSwitch1 b #\r\n536 566 Lamp b #\r\n570 592 Outlet1 b #\r\n"
                                   "600 650 Outlet3 b #\r\n684 730 Pills b #\r\n800 985 Outlet2 b #\r\n"
                                   "1000 1100 Hallway2 b #eof\r\n";

TEST(ContentCheckTest, ReportsEveryFaultSeededInADamagedCopy)
{
    const DamagedCopy copies[] = {
        {{{"assets/sounds/clock.wav", nullptr},
          {"assets/sounds/footsteps.wav", "RIFF, but no sound"},
          {"assets/sounds/moonlightsonata.mp3", "no music here"},
          {"assets/icon_lamp01_on.png", "not a picture"},
          {"assets/environment_b_dark.png", "huge"},
          {"assets/fonts/arial.ttf", "not a font"},
          {"assets/Objects.txt", kObjectsSeveralFaults.c_str()},
          {"assets/animations/character_anim.txt", "1 0\n4 6 7 8 99\n"},
          {"assets/animations/woman_anim.txt", "2 0 1\n2 2 x 3\n"},
          {"assets/overlay.txt", "1 0\n1 2\n"}},
         {"assets/Objects.txt:3: Drink [40, 90] can never be reached in room a: Sink [35, 95] on line 2 "
          "comes first and covers it",
          "assets/Objects.txt:4: unknown object name 'Fridge'",
          "assets/Objects.txt:6: '2l5' is not a number; the game misreads the file from here on",
          "assets/Objects.txt:8: room 'B' is neither 'a' nor 'b'",
          "assets/Objects.txt:13: start 730 is past end 684",
          "assets/Objects.txt:16: text after '#eof' is never read",
          "assets/animations/character_anim.txt: lacks animation 2 of the ones the game shows: 0 standing, 1 "
          "walking left, 2 walking right",
          "assets/animations/character_anim.txt:2: animation 1 shows frame 99, outside the 10 frames of "
          "assets/animations/character_all.png",
          "assets/animations/woman_anim.txt: lacks animations 1 to 3 of the ones the game shows: ...",
          "assets/animations/woman_anim.txt:2: 'x' is not a frame number; the game reads no further",
          "assets/environment_b_dark.png: too large: the game takes pictures up to 4096 pixels a side",
          "assets/fonts/arial.ttf: cannot be read as a font: ...",
          "assets/icon_lamp01_on.png: cannot be read as a picture",
          "assets/overlay.txt:2: animation 1 shows frame 2, outside the 2 frames of the pictures of Drink, "
          "Outlet1, Outlet3, Pills and Outlet2",
          "assets/sounds/clock.wav: missing", "assets/sounds/footsteps.wav: cannot be read as a sound: ...",
          "assets/sounds/moonlightsonata.mp3: cannot be read as music: ..."}},
        {{{"assets/Objects.txt", kObjectsBounceAndCutShort.c_str()}},
         {"assets/Objects.txt:1: Hallway1 [40, 60] covers where the man arrives in room a (x 50 to 76): it "
          "sends him straight back to room b",
          "assets/Objects.txt:14: record cut short: it has 3 of its 5 words"}},
        {{{"assets/Objects.txt", kObjectsHallwayAwayAndNoEnd.c_str()}},
         {"assets/Objects.txt:14: no '#eof' after the last record",
          "assets/Objects.txt:14: Hallway2 [-300, -200] can never be reached from room b: the man reaches no "
          "further left than x 45 there"}},
        {{{"assets/Objects.txt", kObjectsNoWayBack.c_str()}},
         {"assets/Objects.txt: no hallway leads into room a"}},
        {{{"assets/Objects.txt", kObjectsTooMany.c_str()}},
         {"assets/Objects.txt:1001: the game reads no more than 1000 records: this one and those after it "
          "are "
          "never read"}},
        {{{"assets/Objects.txt", kObjectsQuirks.c_str()}}, {}},
    };

    for (const DamagedCopy& copy : copies)
    {
        const std::string folder = testsupport::MakeTempFolder();
        ASSERT_FALSE(folder.empty());
        fs::copy(FLATMATES_SOURCE_DIR "/assets", folder + "/assets", fs::copy_options::recursive);
        for (const Damage& damage : copy.m_Damage)
        {
            const std::string path = folder + "/" + damage.m_Path;
            if (damage.m_Text == nullptr)
                fs::remove(path);
            else if (std::string(damage.m_Text) == "huge")
                testsupport::WriteSolidPicture(folder, damage.m_Path, 4097, 2, 90, 90, 120);
            else
                std::ofstream(path, std::ios::binary) << damage.m_Text;
        }

        const std::vector<std::string> report = Check(folder);
        SCOPED_TRACE("damaged " + std::string(copy.m_Damage.front().m_Path) + " and more");
        EXPECT_EQ(copy.m_Report.size(), report.size());
        for (size_t i = 0; i < copy.m_Report.size() && i < report.size(); ++i)
        {
            const std::string& expected = copy.m_Report[i];
            const size_t open = expected.size() > 3 && expected.compare(expected.size() - 3, 3, "...") == 0
                                    ? expected.size() - 3
                                    : std::string::npos;
            EXPECT_EQ(expected.substr(0, open),
                      open == std::string::npos ? report[i] : report[i].substr(0, open));
        }
        fs::remove_all(folder);
    }
}

} // namespace
