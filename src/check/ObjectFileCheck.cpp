#include "check/ObjectFileCheck.h"

#include "check/CheckReport.h"
#include "check/WordReader.h"
#include "gfx/Sprite.h"
#include "objects/BaseObject.h"
#include "objects/CollisionSystem.h"

#include <fstream>
#include <set>
#include <sstream>

const char* const ObjectFileCheck::kPath = "assets/Objects.txt";

namespace
{

const char* const kEndMark = "#eof";
const size_t kRecordWords = 5;

// The game passes over a byte-order mark at the start of the file.
std::string WithoutByteOrderMark(const std::string& text)
{
    return text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text;
}

} // namespace

void ObjectFileCheck::EmptyRegistry()
{
    CollisionSystem::getInstance()->CleanUp();
}

bool ObjectFileCheck::IsObjectName(const std::string& name)
{
    EmptyRegistry();
    CollisionSystem::getInstance()->FakeFactory(0.0f, 0.0f, name, "a");
    const bool built = !CollisionSystem::getInstance()->GetObjects().empty();
    EmptyRegistry();
    return built;
}

void ObjectFileCheck::Run(CheckReport* report)
{
    m_Placed.clear();
    std::ifstream file(kPath, std::ios::binary);
    if (!file)
        return;
    std::ostringstream read;
    read << file.rdbuf();
    const std::string text = read.str();

    const size_t problemsBefore = report->GetProblems().size();
    const std::vector<Record> records = ReadRecords(text, report);
    const bool wellFormed = report->GetProblems().size() == problemsBefore;

    std::set<std::string> names;
    for (const Record& record : records)
    {
        if (record.m_Words.size() < 3)
            continue;
        const std::string& name = record.m_Words[2].m_Text;
        if (names.count(name) != 0 || name == "Door")
            continue;
        if (IsObjectName(name))
            names.insert(name);
        else
            report->Add(kPath, record.m_Words[2].m_Line, "unknown object name '" + name + "'");
    }

    // The flat as the file means it: every record whose numbers read.
    const std::vector<std::string> gameReading = GameReading(text);
    CollisionSystem* registry = CollisionSystem::getInstance();
    EmptyRegistry();
    for (const Record& record : records)
    {
        if (!record.m_Numbers || record.m_Words.size() < 3 || names.count(record.m_Words[2].m_Text) == 0)
            continue;
        registry->FakeFactory(record.m_Start, record.m_End, record.m_Words[2].m_Text,
                              record.m_Words.size() > 3 ? record.m_Words[3].m_Text : "");
        m_Placed.push_back(Placed{registry->GetObjects().back(), record.m_Words[0].m_Line});
    }

    // A file the game reads as meant must give the game the same flat.
    if (wellFormed && gameReading != Describe(registry->GetObjects()))
        report->Add(kPath, "the game reads other objects from this file than the checker does, so what "
                           "follows about their layout may be wrong");
}

std::vector<ObjectFileCheck::Record> ObjectFileCheck::ReadRecords(const std::string& text,
                                                                  CheckReport* report)
{
    std::vector<Record> records;
    bool misread = false;
    bool ended = false;
    WordReader reader(WithoutByteOrderMark(text));
    WordReader::Word word;
    while (!ended && reader.Next(&word))
    {
        if (records.size() == size_t(CollisionSystem::kMaxObjectRecords))
        {
            report->Add(kPath, word.m_Line,
                        "the game reads no more than " + std::to_string(CollisionSystem::kMaxObjectRecords) +
                            " records: this one and those after it are never read");
            return records;
        }
        Record record;
        record.m_Words.push_back(word);
        while (record.m_Words.size() < kRecordWords && reader.Next(&word))
            record.m_Words.push_back(word);
        const std::vector<WordReader::Word>& words = record.m_Words;
        const int line = words[0].m_Line;

        for (size_t i = 0; i < 2 && i < words.size(); ++i)
        {
            if (WordReader::ToFloat(words[i].m_Text, i == 0 ? &record.m_Start : &record.m_End))
                continue;
            record.m_Numbers = false;
            report->Add(kPath, words[i].m_Line,
                        "'" + words[i].m_Text + "' is not a number" +
                            (misread ? "" : "; the game misreads the file from here on"));
            misread = true;
        }
        record.m_Numbers = record.m_Numbers && words.size() >= 2;
        if (record.m_Numbers && record.m_Start > record.m_End)
            report->Add(kPath, line, "start " + words[0].m_Text + " is past end " + words[1].m_Text);
        if (words.size() > 3 && words[3].m_Text != "a" && words[3].m_Text != "b")
            report->Add(kPath, words[3].m_Line, "room '" + words[3].m_Text + "' is neither 'a' nor 'b'");

        if (words.size() < kRecordWords)
        {
            report->Add(kPath, line,
                        "record cut short: it has " + std::to_string(words.size()) + " of its 5 words");
            ended = true;
        }
        else if (words[4].m_Text == kEndMark)
        {
            ended = true;
            if (reader.Next(&word))
                report->Add(kPath, word.m_Line, "text after '#eof' is never read");
        }
        records.push_back(record);
    }
    if (records.empty())
        report->Add(kPath, "no records: the flat has no objects");
    else if (!ended)
        report->Add(kPath, records.back().m_Words.back().m_Line, "no '#eof' after the last record");
    return records;
}

int ObjectFileCheck::LineOf(const BaseObject* object) const
{
    for (const Placed& placed : m_Placed)
    {
        if (placed.m_Object == object)
            return placed.m_Line;
    }
    return 0;
}

std::vector<std::string> ObjectFileCheck::GameReading(const std::string& text)
{
    CollisionSystem* registry = CollisionSystem::getInstance();
    EmptyRegistry();
    std::istringstream in(text);
    registry->ReadObjectRecords(in);
    std::vector<std::string> reading = Describe(registry->GetObjects());
    EmptyRegistry();
    return reading;
}

std::vector<std::string> ObjectFileCheck::Describe(const std::vector<BaseObject*>& objects)
{
    std::vector<std::string> lines;
    for (const BaseObject* object : objects)
    {
        std::ostringstream line;
        line << object->GetName() << ' ' << object->m_ColStart << ' ' << object->m_ColEnd << ' '
             << object->GetRoomLetter();
        lines.push_back(line.str());
    }
    return lines;
}
